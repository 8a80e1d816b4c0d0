// SPDX-License-Identifier: GPL-3.0-or-later
// ecu2p400: area choice, block alignment and stride, record positions, identifier tag.
#include "ReportCapture.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 1;
constexpr size_t kSize = 0x50000;
constexpr size_t kAreaA = 0x40000;
constexpr size_t kAreaB = 0x44000;

Dump erasedDump() {
    return filledDump(kSize, 0xFF);
}

// A marker at `block`, its 21 records left as they are.
void putMarker(Dump& dump, size_t block) {
    patch(dump, block, {0x00, 0x25, 0x06, 0x06});
}

// The code of the record at `recordOffset` in the block at `block`.
void putCode(Dump& dump, size_t block, size_t recordOffset, uint16_t code) {
    patch(dump, block + 4 + recordOffset + 8, {uint8_t(code >> 8), uint8_t(code)});
}

TEST(Ecu2p400Test, ErasedDumpPrintsNothing) {
    EXPECT_EQ(decode(kType, erasedDump()), Lines{});
}

TEST(Ecu2p400Test, BlockInAreaAWithFirstAndLastRecord) {
    Dump dump = erasedDump();
    putMarker(dump, kAreaA + 0x100);
    putCode(dump, kAreaA + 0x100, 0, 0x1346);
    putCode(dump, kAreaA + 0x100, 560, 0x1103);
    EXPECT_EQ(decode(kType, dump),
              (Lines{"ECU error block:", "\tB1346 Stage Driver airbag resistance too high",
                     "\tUndefined error code [1103]"}));
}

TEST(Ecu2p400Test, AllTwentyOneRecordPositionsAreRead) {
    Dump dump = filledDump(kSize, 0x00);
    putMarker(dump, kAreaA);
    const size_t positions[] = {0,   16,  32,  48,  64,  80,  96,  112, 128, 144, 160,
                                200, 240, 280, 320, 360, 400, 440, 480, 520, 560};
    for (size_t position : positions)
        putCode(dump, kAreaA, position, 0x1101);
    const Lines report = decode(kType, dump);
    ASSERT_EQ(report.size(), 22u);
    EXPECT_EQ(report[21], "\tB1101 Ignition voltage high");
}

TEST(Ecu2p400Test, CodeInTheGapAtOffset184IsIgnored) {
    Dump dump = erasedDump();
    putMarker(dump, kAreaA);
    putCode(dump, kAreaA, 184, 0x1346);
    EXPECT_EQ(decode(kType, dump), (Lines{"ECU error block:", "\tNo DTC"}));
}

TEST(Ecu2p400Test, EmptyAndErasedCodesGiveNoDtc) {
    Dump dump = erasedDump();
    putMarker(dump, kAreaA);
    putCode(dump, kAreaA, 0, 0x0000);
    EXPECT_EQ(decode(kType, dump), (Lines{"ECU error block:", "\tNo DTC"}));
}

TEST(Ecu2p400Test, AreaBWhenAreaAIsMarkedUnused) {
    Dump dump = erasedDump();
    patch(dump, kAreaA, {0x00, 0x00, 0xFF, 0xFF});
    putMarker(dump, kAreaA + 0x40); // ignored: area A is not scanned
    putMarker(dump, kAreaB + 0x3FF0);
    EXPECT_EQ(decode(kType, dump), (Lines{"ECU error block:", "\tNo DTC"}));
}

TEST(Ecu2p400Test, AreaAWhenItsFirstWordIsAnythingElse) {
    Dump dump = erasedDump();
    patch(dump, kAreaA, {0xFF, 0xFF, 0x00, 0x00}); // 0x0000FFFF: the bytes in the wrong order
    putMarker(dump, kAreaB);
    EXPECT_EQ(decode(kType, dump), Lines{});
}

TEST(Ecu2p400Test, MarkerOffA16ByteBoundaryIsNotFound) {
    Dump dump = erasedDump();
    putMarker(dump, kAreaA + 0x108);
    EXPECT_EQ(decode(kType, dump), Lines{});
}

TEST(Ecu2p400Test, ScanResumes592BytesAfterABlock) {
    Dump dump = erasedDump();
    putMarker(dump, kAreaA);
    putMarker(dump, kAreaA + 576); // inside the first block's record area: skipped
    putMarker(dump, kAreaA + 592);
    putCode(dump, kAreaA + 592, 0, 0x2500);
    EXPECT_EQ(decode(kType, dump), (Lines{"ECU error block:", "\tNo DTC",
                                          "ECU error block:", "\tB2500 SRS Warning lamp Failure"}));
}

TEST(Ecu2p400Test, IdentifierNeedsItsTag) {
    Dump dump = erasedDump();
    patchText(dump, 0x48034, std::string("SRS-2P400") + '\0');
    EXPECT_EQ(decode(kType, dump), Lines{});
    patch(dump, 0x48030, {0x00, 0x04});
    putMarker(dump, kAreaA);
    EXPECT_EQ(decode(kType, dump),
              (Lines{"ECU error block:", "\tNo DTC", "ECU identifier block:\nSRS-2P400"}));
}

TEST(Ecu2p400Test, IdentifierWithoutNulStopsAtTheEntryLimit) {
    Dump dump = filledDump(kSize, 'A');
    patch(dump, 0x48030, {0x00, 0x04});
    const Lines report = decode(kType, dump);
    ASSERT_EQ(report.size(), 1u);
    EXPECT_EQ(report[0], "ECU identifier block:\n" + std::string(1023 - 22, 'A'));
}

INSTANTIATE_TEST_SUITE_P(Ecu2p400, RegistryRowTest,
                         testing::Values(RegistryRow{1, "ecu2p400", 0, 327680}), registryRowName);

} // namespace
