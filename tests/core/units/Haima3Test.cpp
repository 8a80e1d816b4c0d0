// SPDX-License-Identifier: GPL-3.0-or-later
// haima3: raw identifier, 0x40 records with end and empty codes, decimal code in the line.
#include "Product.h"
#include "RegistryRow.h"
#include "ReportCapture.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 6;
constexpr size_t kSize = 0x300;

struct Record {
    uint8_t marker;
    uint8_t code;
};

TEST(Haima3Test, ErasedAndZeroedDumps) {
    EXPECT_EQ(decode(kType, filledDump(kSize, 0xFF)),
              (Lines{"ECU identifier:\n\t" + std::string(38, 'F'), "Error codes:", "\tNo DTC"}));
    EXPECT_EQ(decode(kType, filledDump(kSize, 0x00)),
              (Lines{"ECU identifier:\n\t" + std::string(38, '0'), "Error codes:", "\tNo DTC"}));
}

TEST(Haima3Test, IdentifierIsTheFirst19Bytes) {
    Dump dump = filledDump(kSize, 0x00);
    patch(dump, 0x00, {0x0A, 0xBC});
    patch(dump, 0x12, {0xEF, 0x77});
    EXPECT_EQ(decode(kType, dump)[0], "ECU identifier:\n\t0ABC" + std::string(32, '0') + "EF");
}

TEST(Haima3Test, Records) {
    const std::string contact = std::string(". Please report to ") + product::kContactEmail;
    struct Case {
        std::vector<Record> records;
        Lines lines; // after "Error codes:"
    };
    const Case cases[] = {
        {{{0x40, 0x07}}, {"\tError code [07] = driver airbag fault"}},
        {{{0x40, 0x55}}, {"\tError code [85] = ECU internal error"}},
        {{{0x40, 0x5F}}, {"\tError code [95] = passenger airbag off switch fault"}},
        {{{0x40, 0x20}}, {"\tError code [32] = Undefined error code [20]" + contact}},
        {{{0x00, 0x00}, {0x40, 0x0F}}, {"\tError code [15] = passenger airbag fault"}},
        {{{0x40, 0xFF}, {0x41, 0x07}, {0x40, 0x17}},
         {"\tError code [23] = driver pretensioner fault"}},
        // Records with the end or the empty code are present: no "No DTC" after them.
        {{{0x40, 0xAA}, {0x40, 0x07}}, {}},
        {{{0x40, 0xFF}}, {}},
    };
    for (const Case& c : cases) {
        Dump dump = filledDump(kSize, 0xFF);
        for (size_t j = 0; j < c.records.size(); ++j)
            patch(dump, 0x230 + 10 * j, {c.records[j].marker, c.records[j].code});
        Lines expected{"ECU identifier:\n\t" + std::string(38, 'F'), "Error codes:"};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(decode(kType, dump), expected) << c.records.size();
    }
}

TEST(Haima3Test, TenRecordsAndNoMore) {
    Dump dump = filledDump(kSize, 0xFF);
    patch(dump, 0x230 + 10 * 9, {0x40, 0x1F});
    patch(dump, 0x230 + 10 * 10, {0x40, 0x07});
    const Lines report = decode(kType, dump);
    EXPECT_EQ(report.back(), "\tError code [31] = passenger pretensioner fault");
    EXPECT_EQ(report.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Haima3, RegistryRowTest, testing::Values(RegistryRow{6, "haima3", 0, 768}),
                         registryRowName);

} // namespace
