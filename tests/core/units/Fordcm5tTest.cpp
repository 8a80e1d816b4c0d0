// SPDX-License-Identifier: GPL-3.0-or-later
// fordCm5t: two identifiers, all 15 records examined, byte 0 = 0x00 marking an active one.
#include "ReportCapture.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 20;
constexpr size_t kSize = 0x2000;

void putRecord(Dump& dump, size_t record, uint8_t first, uint16_t code) {
    const size_t at = 0x1B14 + record * 12;
    patch(dump, at, {first});
    patch(dump, at + 4, {uint8_t(code >> 8), uint8_t(code)});
}

TEST(FordCm5tTest, ErasedDumpShowsFullIdentifiersAndNoDtc) {
    EXPECT_EQ(decode(kType, filledDump(kSize, 0xFF)),
              (Lines{"ECU identifier:\n\t" + std::string(17, '\xFF'),
                     "ECU identifier:\n\t" + std::string(17, '\xFF'), "Error codes:", "\tNo DTC"}));
}

TEST(FordCm5tTest, ZeroedDumpShowsFifteenActiveRecords) {
    Dump dump = filledDump(kSize, 0x00);
    putRecord(dump, 15, 0x00, 0x1234); // just past the table: never read
    Lines expected{"ECU identifier:\n\t", "ECU identifier:\n\t", "Error codes:"};
    for (int n = 1; n <= 15; ++n)
        expected.push_back("\tError code " + std::to_string(n) + ") = Undefined error code [0000]");
    EXPECT_EQ(decode(kType, dump), expected);
}

TEST(FordCm5tTest, OnlyActiveRecordsAreNumberedAndInactiveOnesDoNotEndTheScan) {
    Dump dump = filledDump(kSize, 0xFF);
    putRecord(dump, 0, 0x01, 0x1234); // inactive, though it holds a code
    putRecord(dump, 2, 0x00, 0x1234);
    putRecord(dump, 8, 0x00, 0xABCD);
    putRecord(dump, 14, 0x00, 0x0005);
    EXPECT_EQ(decode(kType, dump),
              (Lines{"ECU identifier:\n\t" + std::string(17, '\xFF'),
                     "ECU identifier:\n\t" + std::string(17, '\xFF'),
                     "Error codes:", "\tError code 1) = Undefined error code [1234]",
                     "\tError code 2) = Undefined error code [ABCD]",
                     "\tError code 3) = Undefined error code [0005]"}));
}

TEST(FordCm5tTest, IdentifiersPrintInTheirOrderAndEndAtTheirFirstNul) {
    Dump dump = filledDump(kSize, 0xFF);
    patchText(dump, 0x210, std::string("CM5T14B321AF") + '\0');
    patchText(dump, 0x130, std::string(17, 'V'));
    const Lines report = decode(kType, dump);
    EXPECT_EQ(
        Lines(report.begin(), report.begin() + 2),
        (Lines{"ECU identifier:\n\tCM5T14B321AF", "ECU identifier:\n\t" + std::string(17, 'V')}));
}

INSTANTIATE_TEST_SUITE_P(Fordcm5t, RegistryRowTest,
                         testing::Values(RegistryRow{20, "fordCm5t", 0, 8192}), registryRowName);

} // namespace
