// SPDX-License-Identifier: GPL-3.0-or-later
// audi7E0: records ended by a first byte of 0xFF, code 0 with a blank description, the 24-record
// bound.
#include "ReportCapture.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 26;
constexpr size_t kSize = 0x1000;
constexpr size_t kRecords = 0x5CC;

void putRecord(Dump& dump, size_t record, uint8_t first, uint16_t code) {
    const size_t at = kRecords + record * 12;
    patch(dump, at, {first});
    patch(dump, at + 4, {uint8_t(code >> 8), uint8_t(code)});
}

Lines errorPart(const Lines& report) {
    return Lines(report.begin() + 2, report.end());
}

TEST(Audi7e0Test, ErasedDumpShowsFullIdentifiersAndNoDtc) {
    EXPECT_EQ(decode(kType, filledDump(kSize, 0xFF)),
              (Lines{"ECU identifier:\n\t" + std::string(77, '\xFF'),
                     "ECU identifier:\n\t" + std::string(43, '\xFF'), "Error codes:", "\tNo DTC"}));
}

TEST(Audi7e0Test, ZeroedDumpShowsTwentyFourBlankDescriptions) {
    Dump dump = filledDump(kSize, 0x00);
    putRecord(dump, 24, 0x00, 0x1234); // just past the table: never read
    Lines expected{"ECU identifier:\n\t", "ECU identifier:\n\t", "Error codes:"};
    for (int n = 1; n <= 24; ++n)
        expected.push_back("\tError code " + std::to_string(n) + ") = ");
    EXPECT_EQ(decode(kType, dump), expected);
}

TEST(Audi7e0Test, FirstByteDecidesTheEndWhateverTheOtherBytesHold) {
    Dump dump = filledDump(kSize, 0xFF);
    putRecord(dump, 0, 0x01, 0x1234); // bytes 1-3 stay 0xFF
    putRecord(dump, 1, 0xFE, 0xFFFF);
    putRecord(dump, 2, 0x00, 0x0000);
    putRecord(dump, 3, 0xFF, 0x1234); // end mark, though it holds a code
    putRecord(dump, 4, 0x00, 0x5678);
    EXPECT_EQ(errorPart(decode(kType, dump)),
              (Lines{"Error codes:", "\tError code 1) = Undefined error code [1234]",
                     "\tError code 2) = Undefined error code [FFFF]", "\tError code 3) = "}));
}

TEST(Audi7e0Test, IdentifiersEndAtTheirFirstNul) {
    Dump dump = filledDump(kSize, 0xFF);
    patchText(dump, 0x48, std::string("7E0959655C") + '\0' + "XX");
    patchText(dump, 0xFB4, std::string("SRS") + '\0');
    const Lines report = decode(kType, dump);
    EXPECT_EQ(Lines(report.begin(), report.begin() + 2),
              (Lines{"ECU identifier:\n\t7E0959655C", "ECU identifier:\n\tSRS"}));
}

INSTANTIATE_TEST_SUITE_P(Audi7e0, RegistryRowTest,
                         testing::Values(RegistryRow{26, "audi7E0", 0, 4096}), registryRowName);

} // namespace
