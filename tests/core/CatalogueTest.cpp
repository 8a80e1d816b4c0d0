// SPDX-License-Identifier: GPL-3.0-or-later
// lookupDTC over the shared catalogues: hits, misses, the end row and the not-found text.
#include "Catalogues.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

std::string describe(const DtcCatalogue& catalogue, int32_t code) {
    char out[kDescriptionSize];
    lookupDTC(catalogue, code, out);
    return out;
}

struct LookupCase {
    const char* name;
    const DtcCatalogue* catalogue;
    int32_t code;
    const char* expected;
};

class LookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(LookupTest, Describes) {
    EXPECT_EQ(describe(*GetParam().catalogue, GetParam().code), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogues, LookupTest,
    testing::Values(
        LookupCase{"HyundaiKiaFirstRow", &dtcHyundaiKia, 0x1101, "B1101 Ignition voltage high"},
        LookupCase{"HyundaiKiaLastRowOutOfOrder", &dtcHyundaiKia, 0x1800,
                   "B1800 Crash side detection for door unlock"},
        LookupCase{"HyundaiKiaMiss", &dtcHyundaiKia, 0x1103, "Undefined error code [1103]"},
        LookupCase{"HyundaiKiaCodeZeroHitsTheEndRow", &dtcHyundaiKia, 0,
                   "Undefined error code [0000]"},
        LookupCase{"GenericBPastTheLastCode", &dtcGenericB, 0x2CA0, "Undefined error code [2CA0]"},
        LookupCase{"GenericBLastRow", &dtcGenericB, 0x2C9F,
                   "B2C9F ECU Faulted Due to Powering Error"},
        LookupCase{"GenericBCurlyQuotes", &dtcGenericB, 0x0072,
                   "B0072 Passenger Seatbelt Pretensioner \x93"
                   "A\x94 Deployment Control"},
        LookupCase{"GenericBEnDash", &dtcGenericB, 0x2232,
                   "B2232 Air Bag Driver Circuit Open \x96 Loop #2"},
        LookupCase{"GenericBCodeZero", &dtcGenericB, 0, "Undefined error code [0000]"},
        LookupCase{"VagHit", &dtcVag, 532, "Supply Voltage B+"},
        LookupCase{"VagGapAfterFour", &dtcVag, 5, "Undefined error code [0005]"},
        LookupCase{"VagCodeZero", &dtcVag, 0, "Undefined error code [0000]"},
        LookupCase{"SmallCodeZeroFilled", &dtcVag, 0x12, "Undefined error code [0012]"},
        LookupCase{"NegativeCodeAsEightDigits", &dtcVag, -1, "Undefined error code [FFFFFFFF]"},
        LookupCase{"WideCodeInFull", &dtcVag, 0x12345, "Undefined error code [12345]"}),
    [](const testing::TestParamInfo<LookupCase>& info) { return info.param.name; });

TEST(LookupTest, StopsAtTheFirstZeroRow) {
    constexpr std::array rows = {DtcRecord{7, "seven"}, DtcRecord{0, ""}, DtcRecord{9, "nine"}};
    EXPECT_EQ(describe(rows, 7), "seven");
    EXPECT_EQ(describe(rows, 9), "Undefined error code [0009]");
}

TEST(LookupTest, FirstMatchingRowWins) {
    constexpr std::array rows = {DtcRecord{4, "first"}, DtcRecord{4, "second"}};
    EXPECT_EQ(describe(rows, 4), "first");
}

TEST(CodeMapTest, FirstPairWinsAndUnmappedIsNone) {
    constexpr std::array<CodeMapEntry, 3> map = {{{0x10, 1}, {0x20, 2}, {0x10, 3}}};
    EXPECT_EQ(mapCode(map, 0x10), 1);
    EXPECT_EQ(mapCode(map, 0x20), 2);
    EXPECT_FALSE(mapCode(map, 1).has_value());
}

TEST(CodeMapTest, DescribeMappedGoesThroughTheMapOrPrintsTheStoredCode) {
    constexpr std::array<CodeMapEntry, 2> map = {{{0xE900, 0x1193}, {0x82, 0x1C14}}};
    char out[kDescriptionSize];
    describeMapped(map, dtcGenericB, 0xE900, kUndefinedTwoDigits, out);
    EXPECT_STREQ(out, "B1193 Crash Event Storage Full and Locked");
    describeMapped(map, dtcGenericB, 0x82, kUndefinedTwoDigits, out); // mapped, no row
    EXPECT_STREQ(out, "Undefined error code [1C14]");
    describeMapped(map, dtcGenericB, 0x12, kUndefinedTwoDigits, out);
    EXPECT_STREQ(out, "Undefined error code [12]");
    describeMapped(map, dtcGenericB, 0x1193, kUndefinedFourDigits, out); // a catalogue code
    EXPECT_STREQ(out, "Undefined error code [1193]");
}

TEST(CatalogueTest, HyundaiKiaHasAllRowsAndItsEndRow) {
    EXPECT_EQ(dtcHyundaiKia.size(), 140u);
    EXPECT_EQ(dtcHyundaiKia.end()[-1].code, 0);
    EXPECT_EQ(dtcHyundaiKia.end()[-2].code, 0x1800);
}

} // namespace
