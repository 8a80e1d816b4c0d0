// SPDX-License-Identifier: GPL-3.0-or-later
// ford2m5t: the 8-byte identifier, up to 11 records ended by code 0xFF, the code map.
#include "ReportCapture.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 23;
constexpr size_t kSize = 0x400;

void putCode(Dump& dump, size_t record, uint8_t code) {
    patch(dump, 0x1FC + record * 10 + 3, {code});
}

TEST(Ford2m5tTest, ErasedDumpShowsFullIdentifierAndNoDtc) {
    EXPECT_EQ(decode(kType, filledDump(kSize, 0xFF)),
              (Lines{"ECU identifier:\n\t" + std::string(8, '\xFF'), "Error codes:", "\tNo DTC"}));
}

TEST(Ford2m5tTest, ZeroedDumpShowsEmptyIdentifierAndExactlyElevenCodes) {
    Dump dump = filledDump(kSize, 0x00);
    putCode(dump, 11, 0x05); // just past the table: never read
    Lines expected{"ECU identifier:\n\t", "Error codes:"};
    for (int n = 1; n <= 11; ++n)
        expected.push_back("\tError code " + std::to_string(n) + ") = Undefined error code [0000]");
    EXPECT_EQ(decode(kType, dump), expected);
}

TEST(Ford2m5tTest, CodeFFEndsTheTable) {
    Dump dump = filledDump(kSize, 0x00);
    patchText(dump, 0x27E, std::string("2M5T14B0") + "XY"); // the field is 8 bytes long
    putCode(dump, 0, 0x05);
    putCode(dump, 1, 0xFF);
    putCode(dump, 2, 0x05);
    EXPECT_EQ(decode(kType, dump), (Lines{"ECU identifier:\n\t2M5T14B0", "Error codes:",
                                          "\tError code 1) = B1932 Air Bag Driver Circuit Open"}));
}

struct CodeCase {
    const char* name;
    uint8_t stored;
    const char* description;
};

class Ford2m5tCodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(Ford2m5tCodeTest, DescribesTheStoredCode) {
    Dump dump = filledDump(kSize, 0xFF);
    putCode(dump, 0, GetParam().stored);
    const Lines report = decode(kType, dump);
    ASSERT_EQ(report.size(), 3u);
    EXPECT_EQ(report[2], std::string("\tError code 1) = ") + GetParam().description);
}

INSTANTIATE_TEST_SUITE_P(
    Map, Ford2m5tCodeTest,
    testing::Values(CodeCase{"FirstPair", 0xA8, "B1462 Seat Belt Switch Circuit Failure"},
                    CodeCase{"EnDash", 0x1D, "B2233 Air Bag passenger Circuit Open \x96 Loop #2"},
                    CodeCase{"LastPair", 0x71, "B1869 Lamp Air Bag Warning Indicator Circuit Open"},
                    CodeCase{"Miss", 0x01, "Undefined error code [0001]"},
                    CodeCase{"MissNextToAHit", 0x24, "Undefined error code [0024]"}),
    [](const testing::TestParamInfo<CodeCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Ford2m5t, RegistryRowTest,
                         testing::Values(RegistryRow{23, "ford2m5t", 0, 1024}), registryRowName);

} // namespace
