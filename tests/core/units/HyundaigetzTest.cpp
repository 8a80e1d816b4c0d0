// SPDX-License-Identifier: GPL-3.0-or-later
// hyundaiGetz: the hex identifier, the status byte deciding a record, the private catalogue and
// the report-to text.
#include "ReportCases.h"
#include "RegistryRow.h"

#include "Product.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kType = 8;
constexpr size_t kSize = 0x200;

// Record `index` (may lie past 9) with its status and code bytes.
void putRecord(Dump& dump, size_t index, uint8_t status, uint8_t code) {
    patch(dump, 5 * index, {status, code});
}

Lines report(const std::string& identifier, const Lines& faults) {
    return joined({"ECU identifier:\n\t" + identifier, "Error codes:"}, faults);
}

const std::string kZeros(38, '0');
const std::string kReportTo = std::string(". Please report to ") + product::kContactEmail;

TEST(HyundaigetzTest, Reports) {
    expectReports(
        kType, kSize,
        {
            {"erased", 0xFF, nullptr, report(std::string(38, 'F'), {"\tNo DTC"})},
            {"zeroed", 0x00, nullptr, report(kZeros, {"\tNo DTC"})},
            {"identifier is exactly 0xC8 to 0xDA", 0x00,
             [](Dump& d) {
                 patch(d, 0xC7, {0xEE, 0x12, 0xAB});
                 patch(d, 0xDA, {0x7F, 0xEE});
             },
             report("12AB" + std::string(32, '0') + "7F", {"\tNo DTC"})},
            {"mapped and unmapped codes show the stored code", 0x00,
             [](Dump& d) {
                 putRecord(d, 0, 0x01, 0x0C);
                 putRecord(d, 1, 0x40, 0x33);
                 putRecord(d, 2, 0x80, 0x7A);
             },
             report(kZeros, {"\tError code [0C] = B1650 - Crash Recorded",
                             "\tError code [33] = Undefined error code [33]" + kReportTo,
                             "\tError code [7A] = B2600 - SRSCM Installation"})},
            {"status alone decides a record", 0x00,
             [](Dump& d) {
                 putRecord(d, 0, 0x01, 0x00);
                 putRecord(d, 1, 0xFF, 0x0C);
                 putRecord(d, 2, 0x00, 0x0C);
                 putRecord(d, 3, 0x02, 0xFF);
             },
             report(kZeros, {"\tError code [00] = Undefined error code [00]" + kReportTo,
                             "\tError code [FF] = Undefined error code [FF]" + kReportTo})},
            {"records 0 and 9 used, record 10 never read", 0xFF,
             [](Dump& d) {
                 putRecord(d, 0, 0x01, 0x11);
                 putRecord(d, 9, 0x01, 0x52);
                 putRecord(d, 10, 0x01, 0x10);
             },
             report(std::string(38, 'F'),
                    {"\tError code [11] = B1346 - Driver Airbag Resistance High",
                     "\tError code [52] = B1366 - P/T passanger open"})},
        });
}

INSTANTIATE_TEST_SUITE_P(Hyundaigetz, RegistryRowTest,
                         testing::Values(RegistryRow{8, "hyundaiGetz", 0, 512}), registryRowName);

} // namespace
