// SPDX-License-Identifier: GPL-3.0-or-later
// audi4L0: records from offset 0 ended by 0xFFFF, the code map into the VAG numbers, identifiers
// that end at their first NUL.
#include "ReportCapture.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 27;
constexpr size_t kSize = 0x800;

void putCode(Dump& dump, size_t record, uint16_t code) {
    patch(dump, record * 6, {uint8_t(code >> 8), uint8_t(code)});
}

TEST(Audi4l0Test, ErasedDumpShowsFullIdentifiersAndNoDtc) {
    EXPECT_EQ(decode(kType, filledDump(kSize, 0xFF)),
              (Lines{"ECU identifier:\n\t" + std::string(44, '\xFF'),
                     "ECU identifier:\n\t" + std::string(22, '\xFF'), "Error codes:", "\tNo DTC"}));
}

TEST(Audi4l0Test, ZeroedDumpShowsEmptyIdentifiersAndExactlyTwentySixCodes) {
    Dump dump = filledDump(kSize, 0x00);
    putCode(dump, 26, 0xADA4); // just past the table: never read
    Lines expected{"ECU identifier:\n\t", "ECU identifier:\n\t", "Error codes:"};
    for (int n = 1; n <= 26; ++n)
        expected.push_back("\tError code " + std::to_string(n) + ") = Undefined error code [0000]");
    EXPECT_EQ(decode(kType, dump), expected);
}

TEST(Audi4l0Test, IdentifiersEndAtTheirFirstNulOrAfterTheField) {
    Dump dump = filledDump(kSize, 'X');
    patchText(dump, 0x395, "4L0959655C");
    patch(dump, 0x395 + 10, {0x00});
    patchText(dump, 0x3D3, std::string(22, 'B')); // followed by 'X', which is not shown
    putCode(dump, 0, 0xFFFF);
    EXPECT_EQ(decode(kType, dump),
              (Lines{"ECU identifier:\n\t4L0959655C", "ECU identifier:\n\t" + std::string(22, 'B'),
                     "Error codes:", "\tNo DTC"}));
}

TEST(Audi4l0Test, EndMarkStopsTheScan) {
    Dump dump = filledDump(kSize, 0x00);
    putCode(dump, 0, 0xADA4);
    putCode(dump, 1, 0xFFFF);
    putCode(dump, 2, 0x6C00);
    const Lines report = decode(kType, dump);
    EXPECT_EQ(Lines(report.begin() + 2, report.end()),
              (Lines{"Error codes:", "\tError code 1) = Crash Data Stored"}));
}

struct CodeCase {
    const char* name;
    uint16_t stored;
    const char* description;
};

class Audi4l0CodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(Audi4l0CodeTest, DescribesTheStoredCode) {
    Dump dump = filledDump(kSize, 0xFF);
    putCode(dump, 0, GetParam().stored);
    const Lines report = decode(kType, dump);
    ASSERT_EQ(report.size(), 4u);
    EXPECT_EQ(report[3], std::string("\tError code 1) = ") + GetParam().description);
}

INSTANTIATE_TEST_SUITE_P(
    Map, Audi4l0CodeTest,
    testing::Values(CodeCase{"FirstPair", 0xADA4, "Crash Data Stored"},
                    CodeCase{"ReversedBytes", 0xA4AD, "Undefined error code [A4AD]"},
                    CodeCase{"CatalogueCodeIsNoStoredCode", 0x0253, "Undefined error code [0253]"},
                    CodeCase{"SideAirbag", 0x0D00, "Side Airbag Igniter; Driver Side (N199)"},
                    CodeCase{"LastPair", 0x02B7, "Control Module"},
                    CodeCase{"LowByteFF", 0x12FF, "Undefined error code [12FF]"}),
    [](const testing::TestParamInfo<CodeCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Audi4l0, RegistryRowTest,
                         testing::Values(RegistryRow{27, "audi4L0", 0, 2048}), registryRowName);

} // namespace
