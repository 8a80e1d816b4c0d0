// SPDX-License-Identifier: GPL-3.0-or-later
// cherrym11: four identifier fields, records up to the first empty one, the map into the shared
// Kia/Hyundai catalogue.
#include "ReportCapture.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 25;
constexpr size_t kSize = 0x2000;

void putRecord(Dump& dump, size_t record, uint8_t marker, uint8_t code) {
    patch(dump, 0xF0 + 16 * record, {marker, code});
}

Lines identifiers(const std::string& a, const std::string& b, const std::string& c,
                  const std::string& d) {
    return {"ECU identifier:\n\t" + a, "ECU identifier:\n\t" + b, "ECU identifier:\n\t" + c,
            "ECU identifier:\n\t" + d};
}

TEST(Cherrym11Test, ErasedDump) {
    Lines expected = identifiers(std::string(3, '\xFF'), std::string(9, '\xFF'),
                                 std::string(17, '\xFF'), std::string(8, '\xFF'));
    expected.insert(expected.end(), {"Error codes:", "\tNo DTC"});
    EXPECT_EQ(decode(kType, filledDump(kSize, 0xFF)), expected);
}

TEST(Cherrym11Test, ZeroedDumpHasTwentyUndefinedRecords) {
    const Lines report = decode(kType, filledDump(kSize, 0x00));
    ASSERT_EQ(report.size(), 25u);
    EXPECT_EQ(Lines(report.begin(), report.begin() + 4), identifiers("", "", "", ""));
    EXPECT_EQ(report[4], "Error codes:");
    EXPECT_EQ(report[5], "\tError code 1) = Undefined error code [0000]");
    EXPECT_EQ(report[24], "\tError code 20) = Undefined error code [0000]");
}

TEST(Cherrym11Test, IdentifierFieldsEndAtNulOrLength) {
    Dump dump = filledDump(kSize, 'x');
    patch(dump, 0x80, {0x41, 0x00, 0x42});
    patchText(dump, 0x86, "3606010BB");
    patchText(dump, 0x91, std::string("M11") + '\0');
    const Lines report = decode(kType, dump);
    EXPECT_EQ(Lines(report.begin(), report.begin() + 4),
              identifiers("A", "3606010BB", "M11", std::string(8, 'x')));
}

TEST(Cherrym11Test, EmptyRecordEndsTheList) {
    struct Case {
        uint8_t marker;
        uint8_t code;
    };
    for (const Case& c : {Case{0xFF, 0x54}, Case{0x12, 0xFF}, Case{0xFF, 0xFF}}) {
        Dump dump = filledDump(kSize, 0x00);
        putRecord(dump, 0, 0x00, 0x54);
        putRecord(dump, 1, c.marker, c.code);
        const Lines report = decode(kType, dump);
        EXPECT_EQ(Lines(report.begin() + 4, report.end()),
                  (Lines{"Error codes:", "\tError code 1) = B2500 SRS Warning lamp Failure"}))
            << int(c.marker) << " " << int(c.code);
    }
    Dump first = filledDump(kSize, 0x00);
    putRecord(first, 0, 0x12, 0xFF);
    EXPECT_EQ(decode(kType, first).back(), "\tNo DTC");
}

TEST(Cherrym11Test, CodesThroughTheMap) {
    Dump dump = filledDump(kSize, 0xFF);
    putRecord(dump, 0, 0x01, 0xBE);
    putRecord(dump, 1, 0x01, 0x1D);
    putRecord(dump, 2, 0x01, 0x55);
    putRecord(dump, 3, 0x01, 0x8D);
    const Lines report = decode(kType, dump);
    EXPECT_EQ(Lines(report.begin() + 4, report.end()),
              (Lines{"Error codes:", "\tError code 1) = B1800 Crash side detection for door unlock",
                     "\tError code 2) = B1367 Pretensioner front-Passenger resistance too high",
                     "\tError code 3) = Undefined error code [0055]",
                     "\tError code 4) = B1329 FIS Driver communication error"}));
}

TEST(Cherrym11Test, TwentyRecordsAndNoMore) {
    Dump dump = filledDump(kSize, 0x00);
    for (size_t record = 0; record < 21; ++record)
        putRecord(dump, record, 0x00, 0x04);
    const Lines report = decode(kType, dump);
    ASSERT_EQ(report.size(), 25u);
    EXPECT_EQ(report[24], "\tError code 20) = B1346 Stage Driver airbag resistance too high");
}

INSTANTIATE_TEST_SUITE_P(Cherrym11, RegistryRowTest,
                         testing::Values(RegistryRow{25, "cherrym11", 0, 8192}), registryRowName);

} // namespace
