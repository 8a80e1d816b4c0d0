// SPDX-License-Identifier: GPL-3.0-or-later
// mits221: leading NUL runs before identifier and VIN, text run-on and cut, scattered slots.
#include "Product.h"
#include "RegistryRow.h"
#include "ReportCapture.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 4;
constexpr size_t kSize = 0x2000;

std::string undefined(const char* code) {
    return std::string("Undefined error code [") + code + "]. Please report to " +
           product::kContactEmail;
}

void putRecord(Dump& dump, size_t record, uint8_t status, uint8_t code) {
    patch(dump, 0x9F4 + 12 * record + 3, {status, 0x00, code});
}

TEST(Mits221Test, ZeroedDump) {
    EXPECT_EQ(decode(kType, filledDump(kSize, 0x00)), (Lines{"Error codes:", "\tNo DTC"}));
}

TEST(Mits221Test, ErasedDump) {
    const Lines report = decode(kType, filledDump(kSize, 0xFF));
    ASSERT_EQ(report.size(), 4u);
    EXPECT_EQ(report[0], "ECU identifier:\n\t" + std::string(1023 - 17, '\xFF'));
    EXPECT_EQ(report[1], "ECU VIN:\n\t" + std::string(18, '\xFF'));
    EXPECT_EQ(report[2], "Error codes:");
    EXPECT_EQ(report[3], "\tNo DTC");
}

TEST(Mits221Test, IdentifierAfterLeadingNuls) {
    struct Case {
        size_t record;
        std::string text1;
        std::string expected;
    };
    const Case cases[] = {
        {0x1A90, std::string("SRS-ECU") + '\0', "SRS-ECU 8635A221"},
        {0x1A95, std::string("SRS-ECU") + '\0', "SRS-ECU 8635A221"},
        {0x1AB0, std::string("SRS-ECU") + '\0', "SRS-ECU 8635A221"},
        // Twelve bytes without a NUL run on into the second text.
        {0x1A95, "W0L0AHL3575-", "W0L0AHL3575-8635A221 8635A221"},
    };
    for (const Case& c : cases) {
        Dump dump = filledDump(kSize, 0x00);
        patch(dump, c.record, {0x01});
        patchText(dump, c.record + 10, c.text1);
        patchText(dump, c.record + 22, "8635A221");
        const Lines report = decode(kType, dump);
        ASSERT_EQ(report.size(), 3u) << std::hex << c.record;
        EXPECT_EQ(report[0], "ECU identifier:\n\t" + c.expected) << std::hex << c.record;
    }

    Dump tooLate = filledDump(kSize, 0x00);
    patch(tooLate, 0x1AB1, {0x01});
    patchText(tooLate, 0x1AB1 + 10, "SRS-ECU");
    EXPECT_EQ(decode(kType, tooLate), (Lines{"Error codes:", "\tNo DTC"}));
}

TEST(Mits221Test, VinAfterLeadingNulsCutAt18) {
    Dump dump = filledDump(kSize, 0x00);
    patchText(dump, 0x1B50, "JMBXTGA2WBZ000123XYZ");
    EXPECT_EQ(decode(kType, dump)[0], "ECU VIN:\n\tJMBXTGA2WBZ000123X");

    patchText(dump, 0x1B50, std::string("JMB") + '\0');
    EXPECT_EQ(decode(kType, dump)[0], "ECU VIN:\n\tJMB");

    Dump tooLate = filledDump(kSize, 0x00);
    patchText(tooLate, 0x1B51, "JMBXTGA2WBZ000123");
    EXPECT_EQ(decode(kType, tooLate), (Lines{"Error codes:", "\tNo DTC"}));
}

TEST(Mits221Test, UsedSlotsAnywhereInTheTable) {
    Dump dump = filledDump(kSize, 0x00);
    putRecord(dump, 0, 0x01, 0x68);
    putRecord(dump, 1, 0xFF, 0x69); // empty slots are skipped, not an end
    putRecord(dump, 2, 0x02, 0x00);
    putRecord(dump, 3, 0x00, 0x69);
    putRecord(dump, 4, 0x80, 0x45);
    putRecord(dump, 19, 0xFE, 0x51);
    EXPECT_EQ(decode(kType, dump),
              (Lines{"Error codes:", "\tError code [68] = b1481 - driver airbag open",
                     "\tError code [00] = " + undefined("00"),
                     "\tError code [45] = sensor no communication",
                     "\tError code [51] = sensor no communication"}));
}

TEST(Mits221Test, CatalogueEnds) {
    struct Case {
        uint8_t code;
        std::string description;
    };
    const Case cases[] = {
        {0x5F, "B1557 SRS-ECU Application Integrated Circuit"},
        {0x70, "b1401 - "},
        {0xC0, "curtain right side open"},
        {0xC1, undefined("C1")},
    };
    for (const Case& c : cases) {
        Dump dump = filledDump(kSize, 0x00);
        putRecord(dump, 0, 0x01, c.code);
        char code[3];
        std::snprintf(code, sizeof code, "%02X", c.code);
        EXPECT_EQ(decode(kType, dump)[1],
                  std::string("\tError code [") + code + "] = " + c.description);
    }
}

INSTANTIATE_TEST_SUITE_P(Mits221, RegistryRowTest,
                         testing::Values(RegistryRow{4, "mits221", 0, 8192}), registryRowName);

} // namespace
