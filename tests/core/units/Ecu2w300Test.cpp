// SPDX-License-Identifier: GPL-3.0-or-later
// ecu2w300: page and tag alignment, first-met tag order, the position limit, the record cursor.
#include "ReportCapture.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 2;
constexpr size_t kSize = 0x10000;
constexpr size_t kPage = 0x80;
const std::string kLimit = "Limit of blocks positions are exhausted\n";

void putErrorTag(Dump& dump, size_t page) {
    patch(dump, page, {0x00, 0x01, 0x04, 0xFF});
}

void putIdentifier(Dump& dump, size_t page, const std::string& text) {
    patch(dump, page, {0x00, 0x01, 0x01, 0xFF});
    patchText(dump, page + 8, text + '\0');
}

void putCode(Dump& dump, size_t at, uint16_t code) {
    patch(dump, at, {uint8_t(code), uint8_t(code >> 8)});
}

struct TagCase {
    const char* name;
    size_t offset;
    std::initializer_list<uint8_t> bytes;
    Lines expected;
};

TEST(Ecu2w300Test, TagsAreBigEndianAtPageStarts) {
    const TagCase cases[] = {
        {"page start", 0x100, {0x00, 0x01, 0x04, 0xFF}, {"ECU error block 00000100:", "\tNo DTC"}},
        {"off a page start", 0x104, {0x00, 0x01, 0x04, 0xFF}, {}},
        {"little-endian", 0x100, {0xFF, 0x04, 0x01, 0x00}, {}},
        {"other tag", 0x100, {0x00, 0x01, 0x05, 0xFF}, {}},
    };
    for (const TagCase& c : cases) {
        Dump dump = filledDump(kSize, 0x00);
        patch(dump, c.offset, c.bytes);
        EXPECT_EQ(decode(kType, dump), c.expected) << c.name;
    }
}

TEST(Ecu2w300Test, TagsInFirstMetOrderAndOffsetsAscendingWithinATag) {
    Dump dump = filledDump(kSize, 0x00);
    putErrorTag(dump, 0x0400);
    putIdentifier(dump, 0x0300, "SECOND");
    putErrorTag(dump, 0x0200);
    putIdentifier(dump, 0x0080, "FIRST");
    EXPECT_EQ(
        decode(kType, dump),
        (Lines{"ECU identifier block:", "\t[FIRST]\n", "ECU identifier block:", "\t[SECOND]\n",
               "ECU error block 00000200:", "\tNo DTC", "ECU error block 00000400:", "\tNo DTC"}));

    Dump errorFirst = filledDump(kSize, 0x00);
    putErrorTag(errorFirst, 0x0100);
    putIdentifier(errorFirst, 0x0180, "ID");
    EXPECT_EQ(decode(kType, errorFirst), (Lines{"ECU error block 00000100:", "\tNo DTC",
                                                "ECU identifier block:", "\t[ID]\n"}));
}

TEST(Ecu2w300Test, TwentyCodesAtTheCursorOffsetsLittleEndian) {
    const size_t offsets[] = {16,  30,  44,  58,  72,  86,  100, 114, 132, 146,
                              160, 188, 216, 244, 276, 304, 332, 360, 392, 420};
    Dump dump = filledDump(kSize, 0x00);
    putErrorTag(dump, 0x0200);
    Lines expected = {"ECU error block 00000200:",
                      "\tB1346 Stage Driver airbag resistance too high"};
    putCode(dump, 0x0200 + offsets[0], 0x1346);
    for (size_t i = 1; i < 20; ++i) {
        const uint16_t code = uint16_t(0x3000 + i);
        putCode(dump, 0x0200 + offsets[i], code);
        char text[64];
        std::snprintf(text, sizeof text, "\tUndefined error code [%04X]", code);
        expected.push_back(text);
    }
    // Nothing is read between records, nor from the next page's tag (it makes a silent tag).
    putCode(dump, 0x0200 + 18, 0x1346);
    putCode(dump, 0x0200 + 128, 0x1346);
    putCode(dump, 0x0200 + 174, 0x1346);
    EXPECT_EQ(decode(kType, dump), expected);
}

TEST(Ecu2w300Test, EmptyAndErasedCodesGiveNoDtc) {
    Dump dump = filledDump(kSize, 0xFF);
    patch(dump, 0, {0x00, 0x00, 0x00, 0x00});
    putErrorTag(dump, 0x0080);
    putCode(dump, 0x0080 + 16, 0x0000);
    const Lines report = decode(kType, dump);
    // 510 erased pages share one tag: ten beyond the limit.
    ASSERT_EQ(report.size(), 12u);
    EXPECT_EQ(report[9], kLimit);
    EXPECT_EQ(Lines(report.begin() + 10, report.end()),
              (Lines{"ECU error block 00000080:", "\tNo DTC"}));
}

TEST(Ecu2w300Test, ErasedDumpPrintsOnlyTheTwelveDroppedPositions) {
    EXPECT_EQ(decode(kType, filledDump(kSize, 0xFF)), Lines(12, kLimit));
}

TEST(Ecu2w300Test, FirstFiveHundredPagesOfATagAreStillReported) {
    Dump dump = filledDump(kSize, 0x00);
    for (size_t page = 0; page < kSize; page += kPage)
        putErrorTag(dump, page);
    const Lines report = decode(kType, dump);
    ASSERT_EQ(report.size(), 12u + 500u * 2u);
    EXPECT_EQ(Lines(report.begin(), report.begin() + 12), Lines(12, kLimit));
    EXPECT_EQ(report[12], "ECU error block 00000000:");
    EXPECT_EQ(report[report.size() - 2], "ECU error block 0000F980:");
}

TEST(Ecu2w300Test, BlocksInTheLastPageReadOnlyInsideTheDump) {
    Dump dump = filledDump(kSize, 0x00);
    putErrorTag(dump, 0xFF80);
    putCode(dump, 0xFF80 + 16, 0x2500);
    putCode(dump, 0xFF80 + 114, 0x1346);
    EXPECT_EQ(decode(kType, dump),
              (Lines{"ECU error block 0000FF80:", "\tB2500 SRS Warning lamp Failure",
                     "\tB1346 Stage Driver airbag resistance too high"}));

    // An identifier without NUL ends at the dump's end.
    Dump identifier = filledDump(kSize, 'A');
    for (size_t page = 0; page < kSize; page += kPage)
        patch(identifier, page, {0x00, 0x00, 0x00, 0x00});
    patch(identifier, 0xFF80, {0x00, 0x01, 0x01, 0xFF});
    EXPECT_EQ(decode(kType, identifier),
              (Lines{"ECU identifier block:", "\t[" + std::string(120, 'A') + "]\n"}));
}

INSTANTIATE_TEST_SUITE_P(Ecu2w300, RegistryRowTest,
                         testing::Values(RegistryRow{2, "ecu2w300", 0, 65536}), registryRowName);

} // namespace
