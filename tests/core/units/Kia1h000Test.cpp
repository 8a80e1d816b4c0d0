// SPDX-License-Identifier: GPL-3.0-or-later
// kia1H000: the 59-character identifier, codes offset by 0x8000 into the shared catalogue, the
// list ended by a zero code and capped at twenty records.
#include "ReportCases.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kType = 5;
constexpr size_t kSize = 0x2000;

// The stored code of record `index` (may lie past 19).
void putCode(Dump& dump, size_t index, uint16_t code) {
    patch(dump, 0x200 + 12 * index, {uint8_t(code >> 8), uint8_t(code)});
}

Lines report(const std::string& identifier, const Lines& faults) {
    return joined({"ECU identifier2:\n\t" + identifier, "Error codes:"}, faults);
}

TEST(Kia1h000Test, Reports) {
    expectReports(
        kType, kSize,
        {
            {"zeroed", 0x00, nullptr, report("", {"\tNo DTC"})},
            {"erased: twenty records, the identifier cut at 59 bytes", 0xFF, nullptr,
             report(std::string(59, '\xFF'),
                    Lines(20, "\tError code [FFFF] = Undefined error code [7FFF]"))},
            {"catalogue codes, keys below zero and key zero", 0x00,
             [](Dump& d) {
                 putCode(d, 0, 0x9101);
                 putCode(d, 1, 0xA505);
                 putCode(d, 2, 0x1101);
                 putCode(d, 3, 0x8000);
                 putCode(d, 4, 0x9800);
                 putCode(d, 5, 0x8012);
             },
             report("", {"\tError code [9101] = B1101 Ignition voltage high",
                         "\tError code [A505] = B2505 Passenger airbag disable lamp failure",
                         "\tError code [1101] = Undefined error code [FFFF9101]",
                         "\tError code [8000] = Undefined error code [0000]",
                         "\tError code [9800] = B1800 Crash side detection for door unlock",
                         "\tError code [8012] = Undefined error code [0012]"})},
            {"code 0 ends the list, a zero high byte alone does not", 0x00,
             [](Dump& d) {
                 putCode(d, 0, 0x0012);
                 putCode(d, 1, 0x9101);
                 putCode(d, 3, 0x9102);
             },
             report("", {"\tError code [12] = Undefined error code [FFFF8012]",
                         "\tError code [9101] = B1101 Ignition voltage high"})},
            {"twenty records at most", 0x00,
             [](Dump& d) {
                 for (size_t i = 0; i < 21; ++i)
                     putCode(d, i, 0x9102);
             },
             report("", Lines(20, "\tError code [9102] = B1102 Ignitionvoltage low"))},
            {"identifier ends at its NUL", 0x00,
             [](Dump& d) { patchText(d, 0x400, "KIA 95910-1H000"); },
             report("KIA 95910-1H000", {"\tNo DTC"})},
        });
}

INSTANTIATE_TEST_SUITE_P(Kia1h000, RegistryRowTest,
                         testing::Values(RegistryRow{5, "kia1H000", 0, 8192}), registryRowName);

} // namespace
