// SPDX-License-Identifier: GPL-3.0-or-later
// hondaSPC: the top-down block chain, identifier and error blocks, positions outside the dump.
#include "ReportCapture.h"
#include "RegistryRow.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kType = 19;
constexpr size_t kSize = 0x10000;
const std::string kErasedCarId = "ECU identifier (CARID):\n\t" + std::string(12, '\xFF');
const std::string kRecordsHeading =
    "Error codes (spec-code in braces determines additional info, such as short/open/etc):";

// The header of the block [end - length, end).
void putHeader(Dump& dump, size_t end, uint16_t length, uint16_t tag) {
    patch(dump, end - 0x16,
          {uint8_t(length >> 8), uint8_t(length), uint8_t(tag >> 8), uint8_t(tag)});
}

void putRecord(Dump& dump, size_t start, size_t index, uint8_t code, uint8_t specCode) {
    patch(dump, start + 6 * index + 2, {code, specCode});
}

// The report with its fixed lines around the identifier and the error-block lines.
Lines report(const std::string& carId, int blocks, const Lines& identifiers, const Lines& errors) {
    Lines lines = {carId, "Found " + std::to_string(blocks) + " number of blocks"};
    lines.insert(lines.end(), identifiers.begin(), identifiers.end());
    lines.push_back("Searching for error codes blocks:");
    lines.insert(lines.end(), errors.begin(), errors.end());
    lines.push_back("Done");
    return lines;
}

TEST(HondaspcTest, BlankFlashesHaveNoBlocks) {
    EXPECT_EQ(decode(kType, filledDump(kSize, 0xFF)), report(kErasedCarId, 0, {}, {}));
    EXPECT_EQ(decode(kType, filledDump(kSize, 0x00)),
              report("ECU identifier (CARID):\n\t", 0, {}, {}));
    Dump carId = filledDump(kSize, 0x00);
    patchText(carId, 0xC1F0, "3B1HG74ZXSXX9999");
    EXPECT_EQ(decode(kType, carId).front(), "ECU identifier (CARID):\n\t3B1HG74ZXSXX");
}

TEST(HondaspcTest, TopmostErrorBlockAndItsRecords) {
    Dump dump = filledDump(kSize, 0xFF);
    putHeader(dump, 0x10000, 0x0040, 0x0180);
    putRecord(dump, 0xFFC0, 0, 0x53, 0x49);
    putRecord(dump, 0xFFC0, 1, 0x13, 0x00);
    putRecord(dump, 0xFFC0, 2, 0x00, 0x00);
    putRecord(dump, 0xFFC0, 3, 0x11, 0x13); // after the zero code: never read
    EXPECT_EQ(decode(kType, dump),
              report(kErasedCarId, 1, {},
                     {"found error block 1)", kRecordsHeading,
                      "\tError 1) code (49) = B2801-49: Internal Failure of the SRS Unit",
                      "\tError 2) code (00) = Undefined error code [0013]"}));
}

TEST(HondaspcTest, AtMostEightRecordsAndNoDtcForAnEmptyList) {
    Dump eight = filledDump(kSize, 0xFF);
    putHeader(eight, 0x8000, 0x0080, 0x0180);
    const Lines lines = decode(kType, eight);
    ASSERT_EQ(lines.size(), 6u + 8u);
    EXPECT_EQ(lines[5], "\tError 1) code (FF) = Undefined error code [00FF]");
    EXPECT_EQ(lines[12], "\tError 8) code (FF) = Undefined error code [00FF]");

    Dump empty = filledDump(kSize, 0xFF);
    putHeader(empty, 0x8000, 0x0080, 0x0180);
    putRecord(empty, 0x7F80, 0, 0x00, 0x13);
    EXPECT_EQ(decode(kType, empty),
              report(kErasedCarId, 1, {}, {"found error block 1)", kRecordsHeading, "\tNo DTC"}));
}

TEST(HondaspcTest, ErrorBlocksLowestFirstEachNumberedFromOne) {
    Dump dump = filledDump(kSize, 0x00);
    putHeader(dump, 0x10000, 0x0040, 0x0180);
    putRecord(dump, 0xFFC0, 0, 0x11, 0x13);
    putHeader(dump, 0xFFC0, 0x0040, 0x0033); // another tag: counted only
    putHeader(dump, 0x8000, 0x0040, 0x0180);
    putRecord(dump, 0x7FC0, 0, 0x21, 0x13);
    putRecord(dump, 0x7FC0, 1, 0x56, 0x00);
    EXPECT_EQ(decode(kType, dump),
              report("ECU identifier (CARID):\n\t", 3, {},
                     {"found error block 1)", kRecordsHeading,
                      "\tError 1) code (13) = B0070-13: Open or Increased Resistance in the "
                      "Driver\x92s Seat Belt Tensioner",
                      "\tError 2) code (00) = U0101-00: Lost Communication with the PCM (PGM-FI "
                      "system)",
                      "found error block 2)", kRecordsHeading,
                      "\tError 1) code (13) = B0001-13: Open or Increased Resistance in the "
                      "Driver\x92s Airbag 1st Inflator"}));
}

TEST(HondaspcTest, IdentifierBlocksInTableOrder) {
    Dump dump = filledDump(kSize, 0xFF);
    putHeader(dump, 0x8000, 0x0040, 0x01E0);
    patchText(dump, 0x8000 - 0x3E, "77960-T1G-R920-M4");
    putHeader(dump, 0x9000, 0x0040, 0x01E0);
    patchText(dump, 0x9000 - 0x3E, std::string("T0A") + '\0');
    EXPECT_EQ(decode(kType, dump), report(kErasedCarId, 2,
                                          {"Found ECU identifier (ECU modif):", "\tT0A",
                                           "Found ECU identifier (ECU modif):", "\t77960-T1G-R920"},
                                          {}));
}

struct ScanCase {
    const char* name;
    // Vectors, not initializer lists: a list's array would not outlive the table's initializer.
    std::vector<std::pair<size_t, std::vector<uint8_t>>> patches;
    Lines expectedAfterCarId;
};

TEST(HondaspcTest, ScanSkipsNonBlocksBy16) {
    const ScanCase cases[] = {
        {"length not a multiple of 16, then a block 16 lower",
         {{0xFFEA, {0x00, 0x18, 0x01, 0x80}}, {0xFFDA, {0x00, 0x20, 0x01, 0x80}}},
         {"Found 1 number of blocks", "Searching for error codes blocks:", "found error block 1)",
          kRecordsHeading, "\tNo DTC", "Done"}},
        {"blank tag",
         {{0xFFEA, {0x00, 0x40, 0x00, 0x00}}},
         {"Found 0 number of blocks", "Searching for error codes blocks:", "Done"}},
        {"erased length",
         {{0xFFEA, {0xFF, 0xFF, 0x01, 0x80}}},
         {"Found 0 number of blocks", "Searching for error codes blocks:", "Done"}},
        // Longer than the distance to the dump's start: it would begin before the dump.
        {"block before the dump's start",
         {{0x002A, {0x00, 0x50, 0x01, 0x80}}},
         {"Found 0 number of blocks", "Searching for error codes blocks:", "Done"}},
        {"block reaching down to offset 0",
         {{0x002A, {0x00, 0x40, 0x01, 0x80}}, {0x0000, {0x00, 0x00, 0x44, 0x0A}}},
         {"Found 1 number of blocks", "Searching for error codes blocks:", "found error block 1)",
          kRecordsHeading,
          "\tError 1) code (0A) = B0096-87: No Signal from the Right Side Impact Sensor (1st)",
          "Done"}},
    };
    for (const ScanCase& c : cases) {
        Dump dump = filledDump(kSize, 0x00);
        for (const auto& [offset, bytes] : c.patches)
            std::copy(bytes.begin(), bytes.end(), dump.begin() + long(offset));
        const Lines lines = decode(kType, dump);
        ASSERT_FALSE(lines.empty()) << c.name;
        EXPECT_EQ(Lines(lines.begin() + 1, lines.end()), c.expectedAfterCarId) << c.name;
    }
}

TEST(HondaspcTest, IdentifierBlockEndingBelow62ShowsAnEmptyText) {
    Dump dump = filledDump(kSize, 0x00);
    putHeader(dump, 0x0020, 0x0020, 0x01E0);
    patchText(dump, 0x0000, "ABCDEFGH");
    EXPECT_EQ(decode(kType, dump), report("ECU identifier (CARID):\n\t", 1,
                                          {"Found ECU identifier (ECU modif):", "\t"}, {}));
}

TEST(HondaspcTest, RecordsRunningPastTheDumpEndEndTheList) {
    struct Case {
        uint16_t length;
        size_t records; // whole 6-byte records between the block's start and 0x10000
    };
    for (const Case& c : {Case{0x0010, 2}, Case{0x0020, 5}}) {
        Dump dump = filledDump(kSize, 0xFF);
        putHeader(dump, 0x10000, c.length, 0x0180);
        const Lines lines = decode(kType, dump);
        ASSERT_EQ(lines.size(), 6u + c.records) << c.length;
        EXPECT_EQ(lines[5 + c.records - 1], "\tError " + std::to_string(c.records) +
                                                ") code (FF) = Undefined error code [00FF]");
    }
}

TEST(HondaspcTest, TableStopsRecordingAt1024Blocks) {
    // Every 16-byte row ends a 16-byte error block: 4095 candidates, of which 1024 are kept.
    Dump dump = filledDump(kSize, 0x00);
    for (size_t row = 0; row + 0x10 < kSize; row += 0x10)
        patch(dump, row + 10, {0x00, 0x10, 0x01, 0x80});
    const Lines lines = decode(kType, dump);
    ASSERT_EQ(lines.size(), 4u + 1024u * 3u);
    EXPECT_EQ(lines[1], "Found 1024 number of blocks");
    EXPECT_EQ(lines[lines.size() - 4], "found error block 1024)");
}

INSTANTIATE_TEST_SUITE_P(Hondaspc, RegistryRowTest,
                         testing::Values(RegistryRow{19, "hondaSPC", 0, 65536}), registryRowName);

} // namespace
