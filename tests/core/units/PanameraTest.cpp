// SPDX-License-Identifier: GPL-3.0-or-later
// panamera: free records anywhere in the table, the state line before a mapped fault's error line,
// the code map into the VAG numbers.
#include "ReportCapture.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 24;
constexpr size_t kSize = 0x2000;

void putRecord(Dump& dump, size_t record, uint8_t fault, uint8_t state) {
    patch(dump, 0x1C80 + record * 32, {fault, state});
}

Lines errorPart(const Lines& report) {
    return Lines(report.begin() + 3, report.end());
}

TEST(PanameraTest, ErasedDumpShowsFullIdentifiersAndNoDtc) {
    EXPECT_EQ(decode(kType, filledDump(kSize, 0xFF)),
              (Lines{"ECU identifier:\n\t" + std::string(9, '\xFF'),
                     "ECU identifier:\n\t" + std::string(67, '\xFF'),
                     "ECU identifier:\n\t" + std::string(21, '\xFF'), "Error codes:", "\tNo DTC"}));
}

TEST(PanameraTest, ZeroedDumpShowsTwentySevenStateAndErrorLinePairs) {
    Dump dump = filledDump(kSize, 0x00); // offset 0x1FE0 on would be a 28th record: never read
    Lines expected{"ECU identifier:\n\t", "ECU identifier:\n\t", "ECU identifier:\n\t",
                   "Error codes:"};
    for (int n = 1; n <= 27; ++n) {
        expected.push_back("\t\tState: No communication");
        expected.push_back("\tError code " + std::to_string(n) +
                           ") = Airbag Igniter; Driver Side (N95)");
    }
    EXPECT_EQ(decode(kType, dump), expected);
}

TEST(PanameraTest, FreeRecordsAreSkippedWithoutEndingTheScan) {
    Dump dump = filledDump(kSize, 0xFF);
    putRecord(dump, 4, 0x03, 0x02);
    putRecord(dump, 5, 0x06, 0x0A);
    putRecord(dump, 26, 0x08, 0x01);
    EXPECT_EQ(errorPart(decode(kType, dump)),
              (Lines{"Error codes:", "\t\tState: Short",
                     "\tError code 1) = Airbag Igniter 2; Passenger Side (N132)",
                     "\tError code 2) = Side Airbag Igniter; Driver Side (N199)",
                     "\tError code 3) = Undefined error code [0008]"}));
}

TEST(PanameraTest, IdentifiersEndAtTheirFirstNul) {
    Dump dump = filledDump(kSize, 0xFF);
    patchText(dump, 0x100, std::string("970618201"));
    patchText(dump, 0x10E, std::string("Airbag") + '\0');
    patchText(dump, 0x209, std::string(1, '\0'));
    const Lines report = decode(kType, dump);
    EXPECT_EQ(Lines(report.begin(), report.begin() + 3),
              (Lines{"ECU identifier:\n\t970618201", "ECU identifier:\n\tAirbag",
                     "ECU identifier:\n\t"}));
}

struct StateCase {
    uint8_t state;
    const char* text; // null: no state line
};

class PanameraStateTest : public testing::TestWithParam<StateCase> {};

TEST_P(PanameraStateTest, StateLineForAMappedFault) {
    Dump dump = filledDump(kSize, 0xFF);
    putRecord(dump, 0, 0x4C, GetParam().state);
    Lines expected{"Error codes:"};
    if (GetParam().text)
        expected.push_back(std::string("\t\tState: ") + GetParam().text);
    expected.push_back("\tError code 1) = Crash Sensor for Front Airbag; Pass. Side (G284)");
    EXPECT_EQ(errorPart(decode(kType, dump)), expected);
}

INSTANTIATE_TEST_SUITE_P(States, PanameraStateTest,
                         testing::Values(StateCase{0, "No communication"},
                                         StateCase{1, "Short to ground"}, StateCase{3, "Open"},
                                         StateCase{4, "Config"}, StateCase{5, "Undefined"},
                                         StateCase{6, "Undefined"}, StateCase{7, "Undefined"},
                                         StateCase{8, "Undefined"}, StateCase{9, "Undefined"},
                                         StateCase{10, nullptr}, StateCase{0x80, nullptr},
                                         StateCase{0xFF, nullptr}),
                         [](const testing::TestParamInfo<StateCase>& info) {
                             return "State" + std::to_string(info.param.state);
                         });

TEST(PanameraTest, UnmappedFaultHasNoStateLineWhateverItsState) {
    Dump dump = filledDump(kSize, 0xFF);
    putRecord(dump, 0, 0x20, 0x00);
    putRecord(dump, 1, 0xFE, 0x03);
    EXPECT_EQ(errorPart(decode(kType, dump)),
              (Lines{"Error codes:", "\tError code 1) = Undefined error code [0020]",
                     "\tError code 2) = Undefined error code [00FE]"}));
}

INSTANTIATE_TEST_SUITE_P(Panamera, RegistryRowTest,
                         testing::Values(RegistryRow{24, "panamera", 0, 8192}), registryRowName);

} // namespace
