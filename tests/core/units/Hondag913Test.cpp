// SPDX-License-Identifier: GPL-3.0-or-later
// ecuG913: raw and text identifiers, the error table ended by code 0, the map, the crash flag.
#include "ReportCapture.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 3;
constexpr size_t kSize = 0x2000;
constexpr size_t kTable = 0x200;

void putCode(Dump& dump, size_t record, uint16_t code) {
    patch(dump, kTable + 10 * record, {uint8_t(code >> 8), uint8_t(code)});
}

TEST(EcuG913Test, ZeroedDump) {
    EXPECT_EQ(decode(kType, filledDump(kSize, 0x00)),
              (Lines{"ECU identifier:\n\t" + std::string(32, '0'), "ECU identifier2:\n\t ",
                     "Error codes:", "\tNo DTC"}));
}

TEST(EcuG913Test, ErasedDump) {
    const Lines report = decode(kType, filledDump(kSize, 0xFF));
    ASSERT_EQ(report.size(), 20u);
    EXPECT_EQ(report[0], "ECU identifier:\n\t" + std::string(32, 'F'));
    // Neither text meets a NUL before the end of the dump: the entry is cut at its limit.
    EXPECT_EQ(report[1], "ECU identifier2:\n\t" + std::string(1023 - 18, '\xFF'));
    EXPECT_EQ(report[2], "Error codes:");
    for (size_t line = 3; line < 19; ++line)
        EXPECT_EQ(report[line], "\tError code [FFFF] = Undefined error code [FFFF]");
    EXPECT_EQ(report[19], "Crash data block found");
}

TEST(EcuG913Test, IdentifiersAndCrashFlag) {
    Dump dump = filledDump(kSize, 0x00);
    patch(dump, 0x370, {0x01, 0x23, 0xAB, 0xCD});
    patch(dump, 0x37F, {0xEF});
    patchText(dump, 0x320, "77960-TL0-G913-M"); // 16 bytes, no NUL: runs on into the next
    patchText(dump, 0x330, "A123");
    patch(dump, 0x380, {0x01});
    EXPECT_EQ(decode(kType, dump),
              (Lines{"ECU identifier:\n\t0123ABCD" + std::string(22, '0') + "EF",
                     "ECU identifier2:\n\t77960-TL0-G913-MA123 A123", "Error codes:", "\tNo DTC",
                     "Crash data block found"}));
}

TEST(EcuG913Test, CodesThroughTheMap) {
    struct Case {
        uint16_t code;
        const char* line;
    };
    const Case cases[] = {
        {0x007F, "\tError code [7F] = open circuited Or high Resistance In Passenger Air Bag First "
                 "Module"},
        {0x00B3, "\tError code [B3] = open circuited Or high Resistance In Driver Side Impact "
                 "Inflatable Air Bag Module"},
        {0x00A3, "\tError code [A3] = open or increased resistance in outer Lap Tensioner"},
        {0x00AB, "\tError code [AB] = open circuited Or high Resistance In Driver Roof Panel Air "
                 "Bag Module"},
        {0x00A7,
         "\tError code [A7] = open circuited Or high Resistance In Passenger Roof Panel Air "
         "Bag Module"},
        // A catalogue code is no stored code.
        {0x1201, "\tError code [1201] = Undefined error code [1201]"},
        {0x0012, "\tError code [12] = Undefined error code [0012]"},
        {0x8300, "\tError code [8300] = Undefined error code [8300]"},
    };
    for (const Case& c : cases) {
        Dump dump = filledDump(kSize, 0x00);
        putCode(dump, 0, c.code);
        EXPECT_EQ(decode(kType, dump)[3], c.line) << std::hex << c.code;
    }
}

TEST(EcuG913Test, CodeZeroEndsTheTable) {
    Dump dump = filledDump(kSize, 0x00);
    putCode(dump, 0, 0x0083);
    putCode(dump, 2, 0x007F);
    EXPECT_EQ(
        decode(kType, dump),
        (Lines{"ECU identifier:\n\t" + std::string(32, '0'), "ECU identifier2:\n\t ",
               "Error codes:",
               "\tError code [83] = open circuited Or high Resistance In Driver Air Bag First "
               "Module"}));
}

TEST(EcuG913Test, SixteenRecordsAndNoMore) {
    Dump dump = filledDump(kSize, 0x00);
    for (size_t record = 0; record < 17; ++record)
        putCode(dump, record, 0x0100 + uint16_t(record));
    const Lines report = decode(kType, dump);
    ASSERT_EQ(report.size(), 19u);
    EXPECT_EQ(report[3], "\tError code [100] = Undefined error code [0100]");
    EXPECT_EQ(report[18], "\tError code [10F] = Undefined error code [010F]");
}

INSTANTIATE_TEST_SUITE_P(Hondag913, RegistryRowTest,
                         testing::Values(RegistryRow{3, "ecuG913", 0, 8192}), registryRowName);

} // namespace
