// SPDX-License-Identifier: GPL-3.0-or-later
// The page's session: report accumulation, the log's bytes and name, and what the page asks.
#include "WebSession.h"

#include "ExplainDecoder.h"
#include "PrintLog.h"
#include "Ranking.h"
#include "Registry.h"
#include "SampleDumps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> filled(size_t size, uint8_t fill) {
    return std::vector<uint8_t>(size, fill);
}

void print(WebSession& session, const char* entry) {
    const ScopedReportSink installed(&session);
    printLog("%s", entry);
}

TEST(WebSession, EntriesBecomeLinesAndTheLogEndsEachWithCrLf) {
    WebSession session;
    session.open("unit.bin", filled(4, 0));
    print(session, "ECU identifier:\n\t\xFF\x80");
    print(session, "\tNo DTC");
    print(session, "");
    const std::vector<std::string> lines = {"ECU identifier:", "\t\xFF\x80", "\tNo DTC", ""};
    EXPECT_EQ(session.reportLines(), lines);
    EXPECT_EQ(session.reportText(), "ECU identifier:\n\t\xC3\xBF\xE2\x82\xAC\n\tNo DTC\n");
    EXPECT_EQ(session.logBytes(), "ECU identifier:\r\n\t\xFF\x80\r\n\tNo DTC\r\n\r\n");
}

TEST(WebSession, AnEmptyReportGivesAnEmptyLog) {
    WebSession session;
    EXPECT_EQ(session.reportText(), "");
    EXPECT_EQ(session.logBytes(), "");
}

TEST(WebSession, ChecksAccumulateUntilTheNextOpen) {
    WebSession session;
    session.open("erased.bin", filled(0x2000, 0xFF));
    ASSERT_EQ(session.check(4), CheckOutcome::Decoded);
    const std::vector<std::string> once = session.reportLines();
    ASSERT_FALSE(once.empty());
    ASSERT_EQ(session.check(4), CheckOutcome::Decoded);
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(session.reportLines(), twice);

    session.open("other.bin", filled(0x100, 0xFF));
    EXPECT_TRUE(session.reportLines().empty());
    EXPECT_EQ(session.dumpSize(), 0x100u);
}

// Every line of an entry carries the entry's ranges, as explainDecoder records them; a byte
// leads back to every line whose ranges hold it.
TEST(WebSession, LinesCarryTheRangesTheirEntryRead) {
    bool splitAnEntryWithRanges = false;
    for (const SampleDump& sample : sampleDumps()) {
        SCOPED_TRACE(sample.fileName);
        std::vector<ExplainedEntry> entries;
        ASSERT_EQ(explainDecoder(*createDecoder(sample.typeId), sample.bytes.data(),
                                 sample.bytes.size(), entries),
                  DecodeResult::Decoded);
        std::vector<std::vector<DumpRange>> expected;
        for (const ExplainedEntry& entry : entries) {
            const size_t lines = size_t(std::count(entry.text.begin(), entry.text.end(), '\n')) + 1;
            expected.insert(expected.end(), lines, entry.ranges);
            splitAnEntryWithRanges = splitAnEntryWithRanges || (lines > 1 && !entry.ranges.empty());
        }

        WebSession session;
        session.open(sample.fileName, sample.bytes);
        ASSERT_EQ(session.check(sample.typeId), CheckOutcome::Decoded);
        ASSERT_EQ(session.reportLines().size(), expected.size());
        for (size_t line = 0; line < expected.size(); ++line) {
            EXPECT_EQ(session.lineRanges(line), expected[line]) << "line " << line;
            for (const DumpRange& range : expected[line]) {
                for (int32_t offset : {range.first, range.last}) {
                    const std::vector<size_t> reading = session.linesReading(size_t(offset));
                    EXPECT_TRUE(std::is_sorted(reading.begin(), reading.end()));
                    EXPECT_NE(std::find(reading.begin(), reading.end(), line), reading.end())
                        << "line " << line << " offset " << offset;
                    for (size_t other : reading) {
                        const std::vector<DumpRange>& ranges = expected[other];
                        EXPECT_TRUE(std::any_of(ranges.begin(), ranges.end(),
                                                [offset](const DumpRange& held) {
                                                    return held.first <= offset &&
                                                           offset <= held.last;
                                                }))
                            << "line " << other << " offset " << offset;
                    }
                }
            }
        }
        EXPECT_TRUE(session.lineRanges(expected.size()).empty());
        EXPECT_TRUE(session.linesReading(sample.bytes.size()).empty());

        // A second check appends its lines with their ranges; an open forgets them all.
        ASSERT_EQ(session.check(sample.typeId), CheckOutcome::Decoded);
        for (size_t line = 0; line < expected.size(); ++line)
            EXPECT_EQ(session.lineRanges(expected.size() + line), expected[line]);
        session.open(sample.fileName, sample.bytes);
        EXPECT_TRUE(session.lineRanges(0).empty());
        EXPECT_TRUE(session.linesReading(0).empty());
    }
    EXPECT_TRUE(splitAnEntryWithRanges);
}

// Entries printed straight into the session have no dump bytes behind them.
TEST(WebSession, PrintedLinesReadNoBytes) {
    WebSession session;
    session.open("unit.bin", filled(4, 0));
    print(session, "ECU identifier:\n\tNo DTC");
    EXPECT_EQ(session.reportLines().size(), 2u);
    EXPECT_TRUE(session.lineRanges(0).empty());
    EXPECT_TRUE(session.lineRanges(1).empty());
    EXPECT_TRUE(session.linesReading(0).empty());
}

TEST(WebSession, RefusedChecksLeaveTheReportAlone) {
    WebSession session;
    session.open("unit.bin", filled(0x10000, 0xFF));
    print(session, "kept");
    EXPECT_EQ(session.check(1), CheckOutcome::SizeMismatch);
    for (int32_t id : {0, lastTypeId() + 1, -1})
        EXPECT_EQ(session.check(id), CheckOutcome::NoDecoder) << id;
    EXPECT_EQ(session.reportLines(), std::vector<std::string>{"kept"});
}

TEST(WebSession, LogNameFollowsTheWindowsRules) {
    struct Case {
        const char* name;
        std::vector<std::string> opened;
        std::string proposal;
    };
    const std::vector<Case> cases = {
        {"without a dump, the initial dump name", {}, "dump_error_log.txt"},
        {"the last extension goes", {"unit7.bin"}, "unit7_error_log.txt"},
        {"only the last extension goes", {"a.b.bin"}, "a.b_error_log.txt"},
        {"a name without extension stays whole", {"unit7"}, "unit7_error_log.txt"},
        {"a directory part goes", {"C:\\x\\unit7.bin"}, "unit7_error_log.txt"},
        {"a dump named 0 keeps the initial name", {"0.bin"}, "error_log.txt"},
        {"a dump named 0 keeps the last proposal", {"srs.bin", "0.bin"}, "srs_error_log.txt"},
    };
    for (const Case& c : cases) {
        WebSession session;
        for (const std::string& name : c.opened) {
            session.open(name, filled(1, 0));
            session.proposedLogName();
        }
        EXPECT_EQ(session.proposedLogName(), c.proposal) << c.name;
    }
}

TEST(WebSession, FilesOver16MiBAreRefused) {
    EXPECT_EQ(WebSession::refusalForFileSize(0), "");
    EXPECT_EQ(WebSession::refusalForFileSize(16 * 1024 * 1024), "");
    EXPECT_EQ(WebSession::refusalForFileSize(16 * 1024 * 1024 + 1),
              "The file has 16777217 bytes; dumps are at most 16 MiB.");
}

TEST(WebSession, HexRowsShowOffsetsBytesAndTheirText) {
    WebSession session;
    std::vector<uint8_t> dump = filled(0x14, 0x41);
    dump[0x01] = 0x00;
    dump[0x02] = 0xFF;
    dump[0x03] = 0x81;
    session.open("x.bin", dump);
    const std::vector<HexRow> rows = session.hexRows(0, 5);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].offset, 0u);
    EXPECT_EQ(rows[0].bytes.size(), 0x10u);
    EXPECT_EQ(rows[0].text, "A.\xC3\xBF.AAAAAAAAAAAA");
    EXPECT_EQ(rows[1].offset, 0x10u);
    EXPECT_EQ(rows[1].bytes, std::vector<uint8_t>(4, 0x41));
    EXPECT_TRUE(session.hexRows(2, 5).empty());
    EXPECT_EQ(session.describeByte(0x02), "Offset 0x2: 0xFF");
    EXPECT_EQ(session.describeByte(0x14), "");
}

TEST(WebSession, ComparesWithAnotherRead) {
    WebSession session;
    session.open("x.bin", filled(8, 0));
    std::vector<uint8_t> other = filled(8, 0);
    EXPECT_TRUE(session.compareWith(other).identical());
    other[5] = 1;
    const DumpComparison comparison = session.compareWith(other);
    EXPECT_EQ(comparison.differingBytes, 1u);
    EXPECT_EQ(comparison.firstOffsets, std::vector<size_t>{5});
}

TEST(WebSession, ReadWarningsLastUntilTheNextOpenOrCheck) {
    WebSession session;
    EXPECT_TRUE(session.warnings().empty());
    session.open("erased.bin", filled(0x2000, 0xFF));
    const std::vector<std::string> afterOpen = session.warnings();
    ASSERT_FALSE(afterOpen.empty());
    for (const std::string& line : afterOpen) {
        EXPECT_EQ(line.rfind("Warning: ", 0), 0u) << line;
        EXPECT_EQ(line.back(), '.') << line;
    }
    EXPECT_EQ(session.check(1), CheckOutcome::SizeMismatch);
    EXPECT_EQ(session.warnings(), afterOpen);
    ASSERT_EQ(session.check(4), CheckOutcome::Decoded);
    EXPECT_FALSE(session.warnings().empty());

    session.open("sample.bin", sampleDumps().front().bytes);
    EXPECT_TRUE(session.warnings().empty());
}

TEST(WebSession, BestLeavesAreTheTopScoresOfTheRanking) {
    WebSession session;
    EXPECT_TRUE(session.bestLeaves().empty());
    for (const SampleDump& sample : sampleDumps()) {
        session.open(sample.fileName, sample.bytes);
        const std::vector<RankedLeaf> best = session.bestLeaves();
        const std::vector<RankedLeaf> ranked = rankLeaves(sample.bytes.data(), sample.bytes.size());
        ASSERT_FALSE(ranked.empty()) << sample.fileName;
        if (ranked.front().score <= 0) {
            EXPECT_TRUE(best.empty()) << sample.fileName;
            continue;
        }
        ASSERT_FALSE(best.empty()) << sample.fileName;
        EXPECT_EQ(best.front().leaf, ranked.front().leaf) << sample.fileName;
        for (const RankedLeaf& leaf : best)
            EXPECT_EQ(leaf.score, ranked.front().score) << sample.fileName;
        EXPECT_TRUE(best.size() == ranked.size() || ranked[best.size()].score < best.front().score)
            << sample.fileName;
    }
}

TEST(WebSession, TypesTakeTheirOwnSizeOnly) {
    EXPECT_TRUE(typeTakesSize(16, 0x100));
    EXPECT_TRUE(typeTakesSize(17, 0x200));
    EXPECT_FALSE(typeTakesSize(16, 0x200));
    EXPECT_FALSE(typeTakesSize(0, 0));
    EXPECT_EQ(infoTextOf(0), "");
    EXPECT_NE(infoTextOf(1).find("Vehicles: "), std::string::npos);
}

} // namespace
