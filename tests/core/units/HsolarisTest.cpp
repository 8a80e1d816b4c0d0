// SPDX-License-Identifier: GPL-3.0-or-later
// hSolaris: the identifier with its blank before the colon, the list ended by code 0x00 and
// capped at eighteen records.
#include "ReportCases.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kType = 21;
constexpr size_t kSize = 0x1000;

// The code byte of record `index` (may lie past 17).
void putCode(Dump& dump, size_t index, uint8_t code) {
    patch(dump, 0xF0 + 8 * index + 3, {code});
}

Lines report(const std::string& identifier, const Lines& faults) {
    return joined({"ECU identifier :\n\t" + identifier, "Error codes:"}, faults);
}

TEST(HsolarisTest, Reports) {
    expectReports(
        kType, kSize,
        {
            {"zeroed", 0x00, nullptr, report("", {"\tNo DTC"})},
            {"erased: eighteen records, the identifier cut at twenty bytes", 0xFF, nullptr,
             report(std::string(20, '\xFF'), numberedLines(18, "Undefined error code [FF]"))},
            {"code 0x00 ends the list", 0x00,
             [](Dump& d) {
                 putCode(d, 0, 0x12);
                 putCode(d, 2, 0xA4);
             },
             report("", {"\tError code 1) = B1329 FIS Driver communication error"})},
            {"eighteen records at most", 0x00,
             [](Dump& d) {
                 for (size_t i = 0; i < 19; ++i)
                     putCode(d, i, 0xA3);
             },
             report("", numberedLines(18, "B1762 ACU Coding Error"))},
            {"only byte 3 of a record is the code", 0x00,
             [](Dump& d) {
                 patch(d, 0xF0, {0x12, 0x12, 0x12, 0x7F, 0x12, 0x12, 0x12, 0x12});
                 putCode(d, 1, 0x13);
                 putCode(d, 2, 0xA4);
             },
             report("", {"\tError code 1) = B1650 Crash recorded in Stage only",
                         "\tError code 2) = Undefined error code [13]",
                         "\tError code 3) = B2500 SRS Warning lamp Failure"})},
            {"identifier ends at its NUL", 0x00,
             [](Dump& d) {
                 patchText(d, 0x1F, "X95910-1R000");
                 patchText(d, 0x2D, "TAIL");
             },
             report("95910-1R000", {"\tNo DTC"})},
            {"identifier without NUL is twenty bytes", 0x00,
             [](Dump& d) { patchText(d, 0x20, "ABCDEFGHIJKLMNOPQRSTUV"); },
             report("ABCDEFGHIJKLMNOPQRST", {"\tNo DTC"})},
        });
}

INSTANTIATE_TEST_SUITE_P(Hsolaris, RegistryRowTest,
                         testing::Values(RegistryRow{21, "hSolaris", 0, 4096}), registryRowName);

} // namespace
