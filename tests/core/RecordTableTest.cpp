// SPDX-License-Identifier: GPL-3.0-or-later
// The record-table walk: marks on the code or on a field of their own, in the order given, the end
// of the dump, and a visitor that stops the walk.
#include "units/RecordTable.h"

#include "ReportCapture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

using Visits = std::vector<std::pair<uint16_t, int32_t>>; // code, record offset

Visits walk(const Dump& dump, const RecordTable& table) {
    Visits visits;
    forEachFault(DumpReader(dump.data(), int32_t(dump.size())), table,
                 [&](uint16_t code, int32_t record) { visits.emplace_back(code, record); });
    return visits;
}

// Four 4-byte records from 0x10: a status byte, then a big-endian code word at 2.
Dump fourRecords(std::initializer_list<uint8_t> statuses, std::initializer_list<uint16_t> codes) {
    Dump dump = filledDump(0x20, 0xEE);
    size_t at = 0x10;
    for (uint8_t status : statuses)
        patch(dump, (at += 4) - 4, {status});
    at = 0x10;
    for (uint16_t code : codes)
        patch(dump, (at += 4) - 2, {uint8_t(code >> 8), uint8_t(code)});
    return dump;
}

constexpr RecordTable kTable = RecordTable::from(0x10).stride(0x4).count(4).code(wordAt(0x2));

TEST(RecordTableTest, MarksSkipOrEndInTheOrderGiven) {
    const Dump dump = fourRecords({0x01, 0x00, 0x01, 0x01}, {0x1111, 0xFFFF, 0x0000, 0x4444});
    EXPECT_EQ(walk(dump, kTable),
              (Visits{{0x1111, 0x10}, {0xFFFF, 0x14}, {0x0000, 0x18}, {0x4444, 0x1C}}));
    EXPECT_EQ(walk(dump, kTable.skip(0xFFFF)),
              (Visits{{0x1111, 0x10}, {0x0000, 0x18}, {0x4444, 0x1C}}));
    EXPECT_EQ(walk(dump, kTable.skip(0xFFFF).endAt(0x0000)), (Visits{{0x1111, 0x10}}));
    EXPECT_EQ(walk(dump, kTable.skipIf(byteAt(0x0), 0x00, 0x02)),
              (Visits{{0x1111, 0x10}, {0x0000, 0x18}, {0x4444, 0x1C}}));
    EXPECT_EQ(walk(dump, kTable.skipUnless(byteAt(0x0), 0x00)), (Visits{{0xFFFF, 0x14}}));
    EXPECT_EQ(walk(dump, kTable.endIf(byteAt(0x0), 0x00)), (Visits{{0x1111, 0x10}}));
    // The first mark that matches decides: the empty record is skipped, not taken as the end.
    EXPECT_EQ(walk(dump, kTable.skipIf(byteAt(0x0), 0x00).endAt(0xFFFF)),
              (Visits{{0x1111, 0x10}, {0x0000, 0x18}, {0x4444, 0x1C}}));
}

TEST(RecordTableTest, MarksOnTheCodeFollowWhereverTheCodeSits) {
    const Dump dump = fourRecords({0x01, 0xFF, 0x01, 0x01}, {0x1111, 0x2222, 0x3333, 0x4444});
    const RecordTable byteCode =
        RecordTable::from(0x10).stride(0x4).count(4).skip(0xFF).code(byteAt(0x0));
    EXPECT_EQ(walk(dump, byteCode), (Visits{{0x01, 0x10}, {0x01, 0x18}, {0x01, 0x1C}}));
}

TEST(RecordTableTest, ARecordTheDumpDoesNotWhollyHoldEndsTheTable) {
    const Dump dump = fourRecords({1, 1, 1, 1}, {0x1111, 0x2222, 0x3333, 0x4444});
    EXPECT_TRUE(kTable.fitsIn(0x20));
    const RecordTable pastTheEnd = RecordTable::from(0x16).stride(0x4).count(4).code(byteAt(0x0));
    EXPECT_FALSE(pastTheEnd.fitsIn(0x20));
    // Records at 0x16, 0x1A; the one at 0x1E would need bytes 0x1E to 0x21.
    EXPECT_EQ(walk(dump, pastTheEnd), (Visits{{0x22, 0x16}, {0x33, 0x1A}}));
}

TEST(RecordTableTest, AVisitorThatReturnsFalseStopsTheWalk) {
    const Dump dump = fourRecords({1, 1, 1, 1}, {0x1111, 0x2222, 0x3333, 0x4444});
    std::vector<uint16_t> seen;
    forEachFault(DumpReader(dump.data(), int32_t(dump.size())), kTable,
                 [&](uint16_t code, int32_t) {
                     seen.push_back(code);
                     return code != 0x2222;
                 });
    EXPECT_EQ(seen, (std::vector<uint16_t>{0x1111, 0x2222}));
}

TEST(RecordTableTest, FaultTablePrintsHeadingLinesAndNoDtc) {
    const Dump dump = fourRecords({1, 1, 1, 1}, {0x0012, 0xFFFF, 0x0034, 0xFFFF});
    const DumpReader reader(dump.data(), int32_t(dump.size()));
    const auto describe = [](int32_t code, char* out) { describeUndefined(code, "[%04X]", out); };
    ReportCapture numbered;
    printFaultTable(reader, kTable.skip(0xFFFF), FaultLine::Numbered, describe);
    EXPECT_EQ(numbered.entries,
              (std::vector<std::string>{"Error codes:", "\tError code 1) = [0012]",
                                        "\tError code 2) = [0034]"}));
    ReportCapture coded;
    printFaultTable(reader, kTable.skip(0xFFFF), FaultLine::Coded, describe);
    EXPECT_EQ(coded.entries, (std::vector<std::string>{"Error codes:", "\tError code [12] = [0012]",
                                                       "\tError code [34] = [0034]"}));
    ReportCapture none;
    printFaultTable(reader, kTable.endAt(0x0012), FaultLine::Numbered, describe);
    EXPECT_EQ(none.entries, (std::vector<std::string>{"Error codes:", "\tNo DTC"}));
}

TEST(RecordTableTest, ADescriptionMayReadMoreOfItsRecord) {
    const Dump dump = fourRecords({0x07, 0x01, 0x09, 0x01}, {0x0012, 0xFFFF, 0x0034, 0xFFFF});
    const DumpReader reader(dump.data(), int32_t(dump.size()));
    ReportCapture capture;
    printFaultTable(reader, kTable.skip(0xFFFF), FaultLine::Numbered,
                    [&reader](int32_t code, int32_t record, char* out) {
                        std::snprintf(out, kDescriptionSize, "%04X status %u", unsigned(code),
                                      unsigned(reader.u8(record).value_or(0)));
                    });
    EXPECT_EQ(capture.entries,
              (std::vector<std::string>{"Error codes:", "\tError code 1) = 0012 status 7",
                                        "\tError code 2) = 0034 status 9"}));
}

} // namespace
