// SPDX-License-Identifier: GPL-3.0-or-later
// kiaSorento: the 8-character identifier at 0xF7, ten records with erased ones skipped.
#include "ReportCases.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kType = 12;
constexpr size_t kSize = 0x800;

// The code byte of record `index` (may lie past 9).
void putCode(Dump& dump, size_t index, uint8_t code) {
    patch(dump, 0x706 + 10 * index, {code});
}

Lines report(const std::string& identifier, const Lines& faults) {
    return joined({"ECU identifier:\n\t" + identifier, "Error codes:"}, faults);
}

const std::string kErased(8, '\xFF');

TEST(KiasorentoTest, Reports) {
    expectReports(
        kType, kSize,
        {
            {"erased", 0xFF, nullptr, report(kErased, {"\tNo DTC"})},
            {"zeroed", 0x00, nullptr, report("", numberedLines(10, "Undefined error code [00]"))},
            {"records 3 and 7 used, numbered across the erased ones, record 10 never read", 0xFF,
             [](Dump& d) {
                 putCode(d, 3, 0x01);
                 putCode(d, 7, 0x6F);
                 putCode(d, 10, 0x4C);
                 patch(d, 0x706 + 9, {0x4C}); // the last byte of record 0 is not a code
             },
             report(kErased, {"\tError code 1) = B1346 Stage Driver airbag resistance too high",
                              "\tError code 2) = B1102 Ignitionvoltage low"})},
            {"first and last pairs of the map, and an unmapped code", 0xFF,
             [](Dump& d) {
                 putCode(d, 0, 0x6C);
                 putCode(d, 1, 0x4C);
                 putCode(d, 9, 0x02);
             },
             report(kErased,
                    {"\tError code 1) = B2500 SRS Warning lamp Failure",
                     "\tError code 2) = B1332 FIS(Front Impact Sensor)-Passenger Short to Battery",
                     "\tError code 3) = Undefined error code [02]"})},
            {"identifier ends at its NUL", 0xFF,
             [](Dump& d) { patchText(d, 0xF7, std::string("3E0\0", 4)); },
             report("3E0", {"\tNo DTC"})},
            {"identifier without NUL is 0xF7 to 0xFE", 0xFF,
             [](Dump& d) { patchText(d, 0xF6, "<3E050ABC>"); }, report("3E050ABC", {"\tNo DTC"})},
        });
}

INSTANTIATE_TEST_SUITE_P(Kiasorento, RegistryRowTest,
                         testing::Values(RegistryRow{12, "kiaSorento", 0, 2048}), registryRowName);

} // namespace
