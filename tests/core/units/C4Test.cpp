// SPDX-License-Identifier: GPL-3.0-or-later
// cc4: the VIN and its cut when it has no NUL, records ended by a first byte of 0xFF, every code
// undefined.
#include "ReportCapture.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 15;
constexpr size_t kSize = 0x2000;
constexpr size_t kVin = 0x406;

void putCode(Dump& dump, size_t record, uint16_t code) {
    patch(dump, record * 32, {uint8_t(code >> 8), uint8_t(code)});
}

TEST(C4Test, ZeroedDumpShowsEmptyVinAndExactlyTwentyFiveCodes) {
    Dump dump = filledDump(kSize, 0x00);
    putCode(dump, 25, 0x7150); // just past the table: never read
    Lines expected{"ECU identifier (VIN):\n\t", "Error codes:"};
    for (int n = 1; n <= 25; ++n)
        expected.push_back("\tError code " + std::to_string(n) + ") = Undefined error code [0000]");
    EXPECT_EQ(decode(kType, dump), expected);
}

TEST(C4Test, EveryCodeIsUndefinedAndAFirstByteOfFFEndsTheTable) {
    Dump dump = filledDump(kSize, 0x00);
    putCode(dump, 0, 0x7150); // a catalogue row's code, still undefined
    putCode(dump, 1, 0x0001);
    putCode(dump, 2, 0xFF12);
    putCode(dump, 3, 0x7150);
    EXPECT_EQ(decode(kType, dump), (Lines{"ECU identifier (VIN):\n\t", "Error codes:",
                                          "\tError code 1) = Undefined error code [7150]",
                                          "\tError code 2) = Undefined error code [0001]"}));
}

TEST(C4Test, FirstRecordStartingWithFFMeansNoDtc) {
    Dump dump = filledDump(kSize, 0x00);
    putCode(dump, 0, 0xFF00);
    EXPECT_EQ(decode(kType, dump),
              (Lines{"ECU identifier (VIN):\n\t", "Error codes:", "\tNo DTC"}));
}

TEST(C4Test, VinEndsAtItsNul) {
    Dump dump = filledDump(kSize, 0xFF);
    patchText(dump, kVin, std::string("VF7NC9HR8BY123456") + '\0' + "junk");
    EXPECT_EQ(decode(kType, dump),
              (Lines{"ECU identifier (VIN):\n\tVF7NC9HR8BY123456", "Error codes:", "\tNo DTC"}));
}

TEST(C4Test, VinWithoutNulIsCutWithinTheEntryLimit) {
    // An erased EEPROM has no NUL after the VIN: the text stops at its 1023-character limit, and
    // the entry at the sink's.
    const Lines report = decode(kType, filledDump(kSize, 0xFF));
    ASSERT_EQ(report.size(), 3u);
    EXPECT_EQ(report[0], "ECU identifier (VIN):\n\t" + std::string(1023 - 23, '\xFF'));
    EXPECT_EQ(report[2], "\tNo DTC");
}

INSTANTIATE_TEST_SUITE_P(C4, RegistryRowTest, testing::Values(RegistryRow{15, "cc4", 0, 8192}),
                         registryRowName);

} // namespace
