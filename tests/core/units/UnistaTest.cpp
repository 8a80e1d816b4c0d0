// SPDX-License-Identifier: GPL-3.0-or-later
// jeep95256, landrover169, volvo2011: identifiers with blanks for NUL bytes, the record scan and
// its empty mark, and each unit's code map.
#include "ReportCapture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

struct Unit {
    const char* name;
    int32_t type;
    size_t size;
    std::vector<std::pair<size_t, size_t>> identifiers; // offset, length, in printing order
    size_t records;
    size_t stride;
    size_t codeInRecord;
    bool oneByteCode;
    int undefinedDigits; // least hex digits of a stored code the map lacks
};

const Unit kJeep{"Jeep95256", 29,   0x8000, {{0x40, 14}, {0xD0, 10}, {0x50, 17}}, 0x400, 16,
                 1,           true, 4};
const Unit kLandrover{"Landrover169", 28, 0x1000, {{0x4CA, 60}, {0x19, 17}}, 0x318, 12, 4,
                      false,          4};
const Unit kVolvo{"Volvo2011", 13, 0x4000, {{0xC60, 18}, {0x2970, 11}}, 0xE10, 12, 4, false, 2};

void putCode(Dump& dump, const Unit& unit, size_t record, uint16_t code) {
    const size_t at = unit.records + record * unit.stride + unit.codeInRecord;
    if (unit.oneByteCode)
        patch(dump, at, {uint8_t(code)});
    else
        patch(dump, at, {uint8_t(code >> 8), uint8_t(code)});
}

// The error line numbered `n` for a stored code that the unit's map lacks.
std::string undefinedLine(const Unit& unit, int n, uint16_t code) {
    char text[64];
    std::snprintf(text, sizeof text, "\tError code %d) = Undefined error code [%0*X]", n,
                  unit.undefinedDigits, unsigned(code));
    return text;
}

uint16_t emptyCode(const Unit& unit) {
    return unit.oneByteCode ? 0xFF : 0xFFFF;
}

// Identifier lines whose text is `length` copies of `c`.
Lines identifierLines(const Unit& unit, char c) {
    Lines lines;
    for (const auto& [offset, length] : unit.identifiers)
        lines.push_back("ECU identifier:\n\t" + std::string(length, c));
    return lines;
}

Lines concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class UnistaUnitTest : public testing::TestWithParam<Unit> {};

TEST_P(UnistaUnitTest, ErasedDumpShowsFullIdentifiersAndNoDtc) {
    const Unit& unit = GetParam();
    EXPECT_EQ(decode(unit.type, filledDump(unit.size, 0xFF)),
              concat(identifierLines(unit, '\xFF'), {"Error codes:", "\tNo DTC"}));
}

TEST_P(UnistaUnitTest, ZeroedDumpShowsBlankIdentifiersAndExactlyTwentyFiveCodes) {
    const Unit& unit = GetParam();
    Dump dump = filledDump(unit.size, 0x00);
    putCode(dump, unit, 25, 0x58); // just past the table: never read
    Lines expected = concat(identifierLines(unit, ' '), {"Error codes:"});
    for (int n = 1; n <= 25; ++n)
        expected.push_back(undefinedLine(unit, n, 0));
    EXPECT_EQ(decode(unit.type, dump), expected);
}

TEST_P(UnistaUnitTest, IdentifiersComeFromTheirFieldsWithNulBytesAsBlanks) {
    const Unit& unit = GetParam();
    Dump dump = filledDump(unit.size, 0xFF);
    Lines expected;
    char c = 'A';
    for (const auto& [offset, length] : unit.identifiers) {
        patchText(dump, offset, std::string(length, c));
        patch(dump, offset + 1, {0x00});
        patch(dump, offset + length - 1, {0x00});
        std::string text(length, c);
        text[1] = text[length - 1] = ' ';
        expected.push_back("ECU identifier:\n\t" + text);
        ++c;
    }
    const Lines report = decode(unit.type, dump);
    ASSERT_EQ(report.size(), expected.size() + 2);
    EXPECT_EQ(Lines(report.begin(), report.begin() + long(expected.size())), expected);
}

TEST_P(UnistaUnitTest, FirstEmptyRecordEndsTheScan) {
    const Unit& unit = GetParam();
    Dump dump = filledDump(unit.size, 0x00);
    putCode(dump, unit, 0, 0x0001);
    putCode(dump, unit, 1, 0x0002);
    putCode(dump, unit, 2, emptyCode(unit));
    putCode(dump, unit, 3, 0x0003);
    const Lines report = decode(unit.type, dump);
    const Lines tail(report.begin() + long(unit.identifiers.size()), report.end());
    EXPECT_EQ(tail, (Lines{"Error codes:", undefinedLine(unit, 1, 0x0001),
                           undefinedLine(unit, 2, 0x0002)}));
}

INSTANTIATE_TEST_SUITE_P(Units, UnistaUnitTest, testing::Values(kJeep, kLandrover, kVolvo),
                         [](const testing::TestParamInfo<Unit>& info) { return info.param.name; });

struct CodeCase {
    const char* name;
    const Unit* unit;
    uint16_t stored;
    const char* description;
};

class UnistaCodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(UnistaCodeTest, DescribesTheStoredCode) {
    const Unit& unit = *GetParam().unit;
    Dump dump = filledDump(unit.size, 0xFF);
    putCode(dump, unit, 0, GetParam().stored);
    const Lines report = decode(unit.type, dump);
    ASSERT_EQ(report.size(), unit.identifiers.size() + 2);
    EXPECT_EQ(report.back(), std::string("\tError code 1) = ") + GetParam().description);
}

INSTANTIATE_TEST_SUITE_P(
    Maps, UnistaCodeTest,
    testing::Values(
        CodeCase{"JeepHit", &kJeep, 0x58, "B212C-IGNITION RUN/START INPUT CIRCUIT OPEN"},
        CodeCase{"JeepHitMixedCase", &kJeep, 0x2D,
                 "B1B2D-1st ROW PASSENGER SEAT BELT PRETENSIONER CIRCUIT HIGH"},
        CodeCase{"JeepNetworkCode", &kJeep, 0x67,
                 "U0170-LOST COMMUNICATION W/UP-FRONT LEFT SATELLITE ACCELERATION SENSOR"},
        CodeCase{"JeepHitWithoutRowShowsCatalogueCode", &kJeep, 0x82,
                 "Undefined error code [1C14]"},
        CodeCase{"JeepSecondHitWithoutRow", &kJeep, 0x85, "Undefined error code [1C1A]"},
        CodeCase{"JeepMissShowsStoredCode", &kJeep, 0x01, "Undefined error code [0001]"},
        CodeCase{"LandroverFirstPair", &kLandrover, 0x016E,
                 "B1193 Crash Event Storage Full and Locked"},
        CodeCase{"LandroverSecondPair", &kLandrover, 0x0191, "B1A55 Crash Record Output"},
        CodeCase{"LandroverReversedBytes", &kLandrover, 0x6E01, "Undefined error code [6E01]"},
        CodeCase{"LandroverCatalogueCodeIsNoStoredCode", &kLandrover, 0x1193,
                 "Undefined error code [1193]"},
        CodeCase{"VolvoHit", &kVolvo, 0xE900, "B1193 Crash Event Storage Full and Locked"},
        CodeCase{"VolvoCurlyQuotes", &kVolvo, 0xD901,
                 "B0072 Passenger Seatbelt Pretensioner \x93"
                 "A\x94 Deployment Control"},
        CodeCase{"VolvoLastPair", &kVolvo, 0x0901,
                 "B0082 Passenger Seatbelt Load Limiter Deployment Control"},
        CodeCase{"VolvoReversedBytesTwoDigits", &kVolvo, 0x00E9, "Undefined error code [E9]"},
        CodeCase{"VolvoMissFourDigits", &kVolvo, 0xE901, "Undefined error code [E901]"},
        CodeCase{"VolvoCatalogueCodeIsNoStoredCode", &kVolvo, 0x1193,
                 "Undefined error code [1193]"}),
    [](const testing::TestParamInfo<CodeCase>& info) { return info.param.name; });

} // namespace
