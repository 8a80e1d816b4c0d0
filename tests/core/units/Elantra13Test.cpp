// SPDX-License-Identifier: GPL-3.0-or-later
// elantra13: the 14-character identifier, erased records skipped, numbering across them.
#include "ReportCases.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kType = 18;
constexpr size_t kSize = 0x4000;

// The code byte of record `index` (may lie past 14).
void putCode(Dump& dump, size_t index, uint8_t code) {
    patch(dump, 0x110 + 24 * index, {code});
}

Lines report(const std::string& identifier, const Lines& faults) {
    return joined({"ECU identifier:\n\t" + identifier, "Error codes:"}, faults);
}

TEST(Elantra13Test, Reports) {
    expectReports(
        kType, kSize,
        {
            {"erased", 0xFF, nullptr, report(std::string(14, '\xFF'), {"\tNo DTC"})},
            {"zeroed", 0x00, nullptr, report("", numberedLines(15, "Undefined error code [00]"))},
            {"records 0 and 14 used, numbered across the erased ones, record 15 never read", 0xFF,
             [](Dump& d) {
                 putCode(d, 0, 0x04);
                 putCode(d, 14, 0xBE);
                 putCode(d, 15, 0x54);
                 patch(d, 0x110 + 24 + 1, {0x54}); // record 1's code sits in byte 0 only
             },
             report(std::string(14, '\xFF'),
                    {"\tError code 1) = B1346 Stage Driver airbag resistance too high",
                     "\tError code 2) = B1800 Crash side detection for door unlock"})},
            {"unmapped codes", 0xFF,
             [](Dump& d) {
                 putCode(d, 3, 0x05);
                 putCode(d, 4, 0x00);
                 putCode(d, 5, 0x91);
             },
             report(std::string(14, '\xFF'),
                    {"\tError code 1) = Undefined error code [05]",
                     "\tError code 2) = Undefined error code [00]",
                     "\tError code 3) = B1410 SIS front-Passenger communication error"})},
            {"identifier ends at its NUL", 0xFF,
             [](Dump& d) { patchText(d, 0x2200, std::string("3X200\0AB", 8)); },
             report("3X200", {"\tNo DTC"})},
            {"identifier without NUL is fourteen bytes", 0xFF,
             [](Dump& d) { patchText(d, 0x21FF, "<95910-3X200ABC>"); },
             report("95910-3X200ABC", {"\tNo DTC"})},
        });
}

INSTANTIATE_TEST_SUITE_P(Elantra13, RegistryRowTest,
                         testing::Values(RegistryRow{18, "elantra13", 0, 16384}), registryRowName);

} // namespace
