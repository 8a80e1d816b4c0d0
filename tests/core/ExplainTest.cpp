// SPDX-License-Identifier: GPL-3.0-or-later
// Recording which dump bytes lie behind each report entry: per unit layout, inside the dump, and
// without changing a single byte of the report.
#include "DumpReader.h"
#include "ExplainDecoder.h"
#include "HostileDumps.h"
#include "ReportCapture.h"
#include "SampleDumps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<ExplainedEntry> explain(int32_t typeId, const Dump& dump) {
    std::vector<ExplainedEntry> entries;
    const std::unique_ptr<ecuDTC> decoder = createDecoder(typeId);
    EXPECT_EQ(explainDecoder(*decoder, dump.data(), dump.size(), entries), DecodeResult::Decoded);
    return entries;
}

bool covers(const std::vector<DumpRange>& ranges, int32_t offset) {
    return std::any_of(ranges.begin(), ranges.end(), [offset](const DumpRange& range) {
        return range.first <= offset && offset <= range.last;
    });
}

std::vector<std::string> textsOf(const std::vector<ExplainedEntry>& entries) {
    std::vector<std::string> texts;
    for (const ExplainedEntry& entry : entries)
        texts.push_back(entry.text);
    return texts;
}

// Ranges are sorted, disjoint, not touching (adjacent ones are merged) and inside the dump.
void expectWellFormed(const std::vector<ExplainedEntry>& entries, size_t dumpSize) {
    for (const ExplainedEntry& entry : entries) {
        for (size_t i = 0; i < entry.ranges.size(); ++i) {
            const DumpRange& range = entry.ranges[i];
            EXPECT_LE(0, range.first) << entry.text;
            EXPECT_LE(range.first, range.last) << entry.text;
            EXPECT_LT(size_t(range.last), dumpSize) << entry.text;
            if (i > 0) {
                EXPECT_GT(range.first, entry.ranges[i - 1].last + 1) << entry.text;
            }
        }
    }
}

// One report entry per decoder class, and the dump offsets that its layout names for it.
struct LayoutCase {
    const char* name;
    int32_t typeId;
    uint8_t fill;
    void (*prepare)(Dump&);
    const char* entryStart; // the first entry that starts with this is checked
    std::vector<int32_t> offsets;
};

void putCode16(Dump& dump, size_t at, uint16_t code) {
    patch(dump, at, {uint8_t(code >> 8), uint8_t(code)});
}

// clang-format off
const std::vector<LayoutCase> kLayoutCases = {
    {"ecu2p400: record code at marker + 4 + 8, big-endian", 1, 0xFF,
     [](Dump& d) { patch(d, 0x40000, {0x00, 0x25, 0x06, 0x06}); putCode16(d, 0x4000C, 0x0013); },
     "\t", {0x4000C, 0x4000D}},
    {"ecu2p400: identifier tag 00 04 at 0x48030, text at 0x48034", 1, 0xFF,
     [](Dump& d) { patch(d, 0x48030, {0x00, 0x04}); patchText(d, 0x48034, std::string("ID", 3)); },
     "ECU identifier block:", {0x48030, 0x48031, 0x48034, 0x48035}},
    {"ecu2w300: first code 16 bytes into the block, little-endian", 2, 0x00,
     [](Dump& d) { patch(d, 0x200, {0x00, 0x01, 0x04, 0xFF}); patch(d, 0x210, {0x13, 0x00}); },
     "\t", {0x210, 0x211}},
    {"ecuG913: first code at 0x200", 3, 0x00,
     [](Dump& d) { putCode16(d, 0x200, 0x0101); }, "\tError code [", {0x200, 0x201}},
    {"mits221: status at 0x9F7, code at 0x9F9", 4, 0x00,
     [](Dump& d) { patch(d, 0x9F7, {0x01}); patch(d, 0x9F9, {0x05}); }, "\tError code [",
     {0x9F7, 0x9F9}},
    {"kia1H000: first code at 0x200", 5, 0x00,
     [](Dump& d) { putCode16(d, 0x200, 0x8013); }, "\tError code [", {0x200, 0x201}},
    {"haima3: occupied mark at 0x230, code at 0x231", 6, 0x00,
     [](Dump& d) { patch(d, 0x230, {0x40, 0x05}); }, "\tError code [", {0x230, 0x231}},
    {"nissan56: first flag pair 0x50 after the marker", 7, 0xFF,
     [](Dump& d) { patch(d, 0x00, {0x30}); patch(d, 0x10, {0x5A, 0xA5}); patch(d, 0xFD, {0x00});
                   patch(d, 0x62, {0xFE, 0xFE}); },
     "\tError 1)", {0x62, 0x63}},
    {"hyundaiGetz: status at 0x00, code at 0x01", 8, 0x00,
     [](Dump& d) { patch(d, 0x00, {0x01, 0x05}); }, "\tError code [", {0x00, 0x01}},
    {"hyundaiGen: identifier text at 0x00 and its bytes 0x0F to 0x11", 9, 0x00,
     [](Dump& d) { patchText(d, 0x00, "ABC"); }, "ECU identifier:", {0x00, 0x0F, 0x10, 0x11}},
    {"hyundaiGen 3: first slot code at 0x974 + 4", 14, 0xFF,
     [](Dump& d) { putCode16(d, 0x978, 0x0013); }, "\tError code 1)", {0x978, 0x979}},
    {"kiaSorento: first code at 0x706", 12, 0xFF,
     [](Dump& d) { patch(d, 0x706, {0x05}); }, "\tError code 1)", {0x706}},
    {"volvo2011: first code at 0xE10 + 4", 13, 0xFF,
     [](Dump& d) { putCode16(d, 0xE14, 0x0001); }, "\tError code 1)", {0xE14, 0xE15}},
    {"cc4: first code at 0x000", 15, 0xFF,
     [](Dump& d) { putCode16(d, 0x000, 0x1234); }, "\tError code 1)", {0x000, 0x001}},
    {"toyota66: flag byte 0 and its copy 0x16 further", 16, 0x00,
     [](Dump& d) { patch(d, 0x00, {0x01}); patch(d, 0x16, {0x01}); }, "\tError 1)", {0x00, 0x16}},
    {"elantra13: first code at 0x110", 18, 0xFF,
     [](Dump& d) { patch(d, 0x110, {0x05}); }, "\tError code 1)", {0x110}},
    {"hondaSPC: CARID at 0xC1F0", 19, 0xFF,
     [](Dump& d) { patchText(d, 0xC1F0, std::string("CARID", 6)); }, "ECU identifier (CARID):",
     {0xC1F0, 0xC1F4}},
    {"hondaSPC: header at the block's end, first record's codes at its start + 2", 19, 0x00,
     [](Dump& d) { putCode16(d, 0xFFEA, 0x0040); putCode16(d, 0xFFEC, 0x0180);
                   patch(d, 0xFFC2, {0x11, 0x07}); },
     "\tError 1)", {0xFFC2, 0xFFC3}},
    {"fordCm5t: active mark at 0x1B14, code at 0x1B18", 20, 0xFF,
     [](Dump& d) { patch(d, 0x1B14, {0x00}); putCode16(d, 0x1B18, 0x1234); }, "\tError code 1)",
     {0x1B14, 0x1B18, 0x1B19}},
    {"hSolaris: first code at 0xF0 + 3", 21, 0x00,
     [](Dump& d) { patch(d, 0xF3, {0x05}); }, "\tError code 1)", {0xF3}},
    {"Mazda6new: kind-4 record on the chain's second page", 22, 0x00,
     [](Dump& d) { patch(d, 0x400, {0x00, 0x01, 0x04, 0xFF}); patch(d, 0x480, {0x00, 0x02, 0x04, 0xFF});
                   patch(d, 0x410, {0x88}); patch(d, 0x416, {0x2A});
                   patch(d, 0x494, {0x93}); patch(d, 0x49A, {0x2B}); },
     "\tError type (2B)", {0x494, 0x49A}},
    {"Mazda6new: identifier text at page byte 88", 22, 0x00,
     [](Dump& d) { patch(d, 0x800, {0x02, 0x01, 0x01, 0xFF}); patchText(d, 0x858, "GHP9"); },
     "ECU identifier block:", {0x858, 0x85B}},
    {"ford2m5t: first code at 0x1FC + 3", 23, 0xFF,
     [](Dump& d) { patch(d, 0x1FF, {0x01}); }, "\tError code 1)", {0x1FF}},
    {"panamera: fault at 0x1C80, state at 0x1C81", 24, 0xFF,
     [](Dump& d) { patch(d, 0x1C80, {0x00, 0x0C}); }, "\tError code 1)", {0x1C80, 0x1C81}},
    {"cherrym11: marker at 0xF0, code at 0xF1", 25, 0xFF,
     [](Dump& d) { patch(d, 0xF0, {0x00, 0x05}); }, "\tError code 1)", {0xF0, 0xF1}},
    {"audi7E0: end mark at 0x5CC, code at 0x5D0", 26, 0xFF,
     [](Dump& d) { patch(d, 0x5CC, {0x00}); putCode16(d, 0x5D0, 0x1234); }, "\tError code 1)",
     {0x5CC, 0x5D0, 0x5D1}},
    {"audi4L0: first code at 0x000", 27, 0xFF,
     [](Dump& d) { putCode16(d, 0x000, 0x1234); }, "\tError code 1)", {0x000, 0x001}},
    {"landrover169: first code at 0x318 + 4", 28, 0xFF,
     [](Dump& d) { putCode16(d, 0x31C, 0x1234); }, "\tError code 1)", {0x31C, 0x31D}},
    {"jeep95256: first code at 0x400 + 1", 29, 0xFF,
     [](Dump& d) { patch(d, 0x401, {0x05}); }, "\tError code 1)", {0x401}},
};
// clang-format on

TEST(ExplainTest, EveryDecoderClassPointsAtTheBytesItsLayoutNames) {
    std::vector<std::string> classesCovered;
    for (const LayoutCase& c : kLayoutCases) {
        SCOPED_TRACE(c.name);
        const UnitType& type = *findUnitType(c.typeId);
        Dump dump = filledDump(size_t(type.dumpSize), c.fill);
        c.prepare(dump);
        const std::vector<ExplainedEntry> entries = explain(c.typeId, dump);
        const auto entry = std::find_if(entries.begin(), entries.end(), [&](const auto& e) {
            return e.text.rfind(c.entryStart, 0) == 0;
        });
        ASSERT_NE(entry, entries.end()) << "no entry starts with \"" << c.entryStart << '"';
        for (int32_t offset : c.offsets)
            EXPECT_TRUE(covers(entry->ranges, offset)) << entry->text << ": offset " << offset;
        expectWellFormed(entries, dump.size());
        classesCovered.push_back(type.decoderClass);
    }
    for (const UnitType& type : unitTypes())
        EXPECT_NE(std::find(classesCovered.begin(), classesCovered.end(), type.decoderClass),
                  classesCovered.end())
            << type.decoderClass << " has no case";
}

TEST(ExplainTest, AnEntryOwnsOnlyTheReadsSinceTheEntryBeforeIt) {
    // Two Mazda6new faults in one block: the second line does not claim the first one's bytes.
    Dump dump = filledDump(0x10000, 0x00);
    patch(dump, 0x400, {0x00, 0x01, 0x04, 0xFF});
    patch(dump, 0x410, {0x88});
    patch(dump, 0x416, {0x2A});
    patch(dump, 0x430, {0x93});
    patch(dump, 0x436, {0x2B});
    const std::vector<ExplainedEntry> entries = explain(22, dump);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].text, "Error block found");
    EXPECT_TRUE(covers(entries[0].ranges, 0x400)); // the tag, read to chain the block
    EXPECT_EQ(entries[1].ranges, (std::vector<DumpRange>{{0x410, 0x410}, {0x416, 0x416}}));
    EXPECT_EQ(entries[2].ranges, (std::vector<DumpRange>{{0x430, 0x430}, {0x436, 0x436}}));
}

TEST(ExplainTest, RecordingChangesNoReportOfAnySampleOrHostileDump) {
    for (const auto& samples : {sampleDumps(), erasedSampleDumps()})
        for (const SampleDump& sample : samples) {
            SCOPED_TRACE(sample.fileName);
            const std::vector<ExplainedEntry> entries = explain(sample.typeId, sample.bytes);
            EXPECT_EQ(textsOf(entries), decode(sample.typeId, sample.bytes));
            expectWellFormed(entries, sample.bytes.size());
        }
    for (const UnitType& type : unitTypes())
        for (const HostileDump& dump : hostileDumps(type)) {
            SCOPED_TRACE(std::string(type.decoderClass) + " " + dump.name);
            const std::vector<ExplainedEntry> entries = explain(type.id, dump.bytes);
            EXPECT_EQ(textsOf(entries), decode(type.id, dump.bytes));
            expectWellFormed(entries, dump.bytes.size());
        }
}

TEST(ExplainTest, WrongSizeIsRefusedAndRecordsNothing) {
    std::vector<ExplainedEntry> entries;
    const Dump dump = filledDump(0x101, 0xFF);
    EXPECT_EQ(explainDecoder(*createDecoder(7), dump.data(), dump.size(), entries),
              DecodeResult::SizeMismatch);
    EXPECT_TRUE(entries.empty());
}

TEST(ReadRecorderTest, MergesTouchingReadsAndIgnoresOtherMemory) {
    std::array<uint8_t, 0x40> dump{};
    const std::array<uint8_t, 8> elsewhere{};
    ReadRecorder recorder(dump.data(), int32_t(dump.size()));
    EXPECT_EQ(ReadRecorder::active(), nullptr);
    const ScopedReadRecording recording(recorder);
    const DumpReader reader(dump.data(), int32_t(dump.size()));
    const DumpReader other(elsewhere.data(), int32_t(elsewhere.size()));
    reader.u16be(0x20);
    reader.u8(0x10);
    reader.u32le(0x22); // touches 0x20-0x21
    reader.u8(0x11);
    other.u32be(0);
    reader.u8(0x40); // outside: absent, not recorded
    EXPECT_EQ(recorder.takeRanges(), (std::vector<DumpRange>{{0x10, 0x11}, {0x20, 0x25}}));
    EXPECT_TRUE(recorder.takeRanges().empty());
    // A text counts the NUL that ends it; bytes() counts what it hands out.
    dump[0x33] = 'A';
    reader.text(0x33, 10);
    reader.bytes(0x3E, 2);
    EXPECT_EQ(recorder.takeRanges(), (std::vector<DumpRange>{{0x33, 0x34}, {0x3E, 0x3F}}));
}

TEST(ReadRecorderTest, CopiesKeepPointingAtTheDumpUntilOverwritten) {
    std::array<uint8_t, 0x100> dump{};
    std::array<uint8_t, 0x10> buffer{};
    ReadRecorder recorder(dump.data(), int32_t(dump.size()));
    const ScopedReadRecording recording(recorder);
    const DumpReader reader(dump.data(), int32_t(dump.size()));
    // Two pages' payloads side by side in one buffer, as a chained block is assembled.
    ASSERT_TRUE(reader.copy(0x84, 8, buffer.data()));
    ASSERT_TRUE(reader.copy(0xC4, 8, buffer.data() + 8));
    EXPECT_TRUE(recorder.takeRanges().empty()) << "a copy is not yet a read";
    const DumpReader copied(buffer.data(), int32_t(buffer.size()));
    copied.u32be(6); // straddles both pages
    EXPECT_EQ(recorder.takeRanges(), (std::vector<DumpRange>{{0x8A, 0x8B}, {0xC4, 0xC5}}));
    copied.u8(5); // inside the first page, which reads of the buffer now look in first
    EXPECT_EQ(recorder.takeRanges(), (std::vector<DumpRange>{{0x89, 0x89}}));
    // A later copy over part of the buffer replaces only that part's link.
    ASSERT_TRUE(reader.copy(0x10, 4, buffer.data() + 6));
    copied.u32be(4);
    EXPECT_EQ(recorder.takeRanges(), (std::vector<DumpRange>{{0x10, 0x11}, {0x88, 0x89}}));
    EXPECT_FALSE(reader.copy(0xFE, 4, buffer.data())) << "a copy past the end copies nothing";
}

TEST(ReadRecorderTest, CopiesOfCopiesAndReusedBuffersPointAtTheRightBytes) {
    std::array<uint8_t, 0x100> dump{};
    std::array<uint8_t, 0x20> chain{};
    std::array<uint8_t, 0x10> other{};
    ReadRecorder recorder(dump.data(), int32_t(dump.size()));
    const ScopedReadRecording recording(recorder);
    const DumpReader reader(dump.data(), int32_t(dump.size()));
    const DumpReader chained(chain.data(), int32_t(chain.size()));
    ASSERT_TRUE(reader.copy(0x80, 0x10, chain.data()));
    ASSERT_TRUE(reader.copy(0x40, 0x10, chain.data() + 0x10));
    // A copy of the copy, across both of its pieces.
    ASSERT_TRUE(chained.copy(0x08, 0x10, other.data()));
    DumpReader(other.data(), int32_t(other.size())).u32be(0x06);
    EXPECT_EQ(recorder.takeRanges(), (std::vector<DumpRange>{{0x40, 0x41}, {0x8E, 0x8F}}));
    // The buffer reused for the next chain: each page replaces the one it overwrites.
    ASSERT_TRUE(reader.copy(0x10, 0x10, chain.data()));
    ASSERT_TRUE(reader.copy(0xC0, 0x10, chain.data() + 0x10));
    chained.u8(0x02);
    chained.u8(0x1E);
    EXPECT_EQ(recorder.takeRanges(), (std::vector<DumpRange>{{0x12, 0x12}, {0xCE, 0xCE}}));
    // A copy straddling two earlier ones leaves their outer parts.
    ASSERT_TRUE(reader.copy(0x00, 0x04, chain.data() + 0x0E));
    chained.u32be(0x0C);
    chained.u32be(0x10);
    chained.u32be(0x12);
    EXPECT_EQ(recorder.takeRanges(),
              (std::vector<DumpRange>{{0x00, 0x03}, {0x1C, 0x1D}, {0xC2, 0xC5}}));
}

// The merged ranges that a set of dump offsets makes up.
std::vector<DumpRange> rangesOf(const std::set<int32_t>& offsets) {
    std::vector<DumpRange> ranges;
    for (const int32_t offset : offsets) {
        if (!ranges.empty() && ranges.back().last + 1 == offset)
            ranges.back().last = offset;
        else
            ranges.push_back({offset, offset});
    }
    return ranges;
}

TEST(ReadRecorderTest, GappedReadsOfAChainFollowItsPages) {
    // Three pages of 0x40 bytes, each with a 12-byte payload after its 4-byte tag, chained.
    constexpr int32_t kPage = 0x40;
    constexpr int32_t kTag = 4;
    constexpr int32_t kPayload = 12;
    std::array<uint8_t, 3 * kPage> dump{};
    std::array<uint8_t, 3 * kPayload> chain{};
    ReadRecorder recorder(dump.data(), int32_t(dump.size()));
    const ScopedReadRecording recording(recorder);
    const DumpReader reader(dump.data(), int32_t(dump.size()));
    for (int32_t page = 0; page < 3; ++page)
        ASSERT_TRUE(reader.copy(page * kPage + kTag, kPayload, chain.data() + page * kPayload));
    const auto inDump = [](int32_t k) { return k / kPayload * kPage + kTag + k % kPayload; };
    const DumpReader block(chain.data(), int32_t(chain.size()));
    // A byte in every record of 5, then a word across the first page boundary.
    std::vector<DumpRange> expected;
    for (int32_t k = 0; k < int32_t(chain.size()); k += 5) {
        block.u8(k);
        expected.push_back({inDump(k), inDump(k)});
    }
    EXPECT_EQ(recorder.takeRanges(), expected);
    block.u16be(kPayload - 1);
    EXPECT_EQ(recorder.takeRanges(),
              (std::vector<DumpRange>{{inDump(kPayload - 1), inDump(kPayload - 1)},
                                      {inDump(kPayload), inDump(kPayload)}}));
    // Scans of the chain: a byte every 5, then a word every 7, some of them across a boundary.
    block.scanU8(0, 5, 99, [](int64_t, uint8_t) { return false; });
    EXPECT_EQ(recorder.takeRanges(), expected);
    std::set<int32_t> wordBytes;
    for (int32_t k = 0; k + 4 <= int32_t(chain.size()); k += 7)
        for (int32_t b = k; b < k + 4; ++b)
            wordBytes.insert(inDump(b));
    block.scanU32be(0, 7, 99, [](int64_t, uint32_t) { return false; });
    EXPECT_EQ(recorder.takeRanges(), rangesOf(wordBytes));
}

// Reads in the orders decoders make them, each with the ranges they must come to.
struct ReadPattern {
    const char* name;
    std::vector<std::pair<int32_t, int32_t>> reads; // offset, length
    std::vector<DumpRange> expected;
};

std::vector<std::pair<int32_t, int32_t>> everyOther(int32_t count) {
    std::vector<std::pair<int32_t, int32_t>> reads;
    for (int32_t i = 0; i < count; ++i)
        reads.push_back({2 * i, 1});
    return reads;
}

std::vector<DumpRange> everyOtherRanges(int32_t count) {
    std::vector<DumpRange> ranges;
    for (int32_t i = 0; i < count; ++i)
        ranges.push_back({2 * i, 2 * i});
    return ranges;
}

TEST(ReadRecorderTest, RangesFollowEveryReadingOrder) {
    const ReadPattern patterns[] = {
        {"a trailer in every row, walked down",
         {{0x3A, 4}, {0x2A, 4}, {0x1A, 4}, {0x0A, 4}},
         {{0x0A, 0x0D}, {0x1A, 0x1D}, {0x2A, 0x2D}, {0x3A, 0x3D}}},
        {"flag bytes and their copies side by side",
         {{0x00, 1}, {0x10, 1}, {0x01, 1}, {0x11, 1}, {0x02, 1}, {0x12, 1}},
         {{0x00, 0x02}, {0x10, 0x12}}},
        {"three tables side by side",
         {{0x00, 1}, {0x10, 1}, {0x20, 1}, {0x01, 1}, {0x11, 1}, {0x21, 1}},
         {{0x00, 0x01}, {0x10, 0x11}, {0x20, 0x21}}},
        {"a second sweep over the first",
         {{0x10, 2}, {0x20, 2}, {0x08, 2}, {0x12, 2}, {0x21, 4}},
         {{0x08, 0x09}, {0x10, 0x13}, {0x20, 0x24}}},
        {"repeats and a read inside an earlier one",
         {{0x30, 8}, {0x30, 8}, {0x00, 1}, {0x32, 2}},
         {{0x00, 0x00}, {0x30, 0x37}}},
        {"more runs than the list first has room for", everyOther(0x80), everyOtherRanges(0x80)},
        {"two reads, the second just below the first", {{0x20, 2}, {0x10, 0x10}}, {{0x10, 0x21}}},
        {"two reads apart, the second below the first",
         {{0x20, 2}, {0x10, 2}},
         {{0x10, 0x11}, {0x20, 0x21}}},
    };
    std::array<uint8_t, 0x100> dump{};
    for (const ReadPattern& pattern : patterns) {
        SCOPED_TRACE(pattern.name);
        ReadRecorder recorder(dump.data(), int32_t(dump.size()));
        const ScopedReadRecording recording(recorder);
        const DumpReader reader(dump.data(), int32_t(dump.size()));
        for (const auto& [offset, length] : pattern.reads)
            EXPECT_FALSE(reader.bytes(offset, length).empty());
        EXPECT_EQ(recorder.takeRanges(), pattern.expected);
        EXPECT_TRUE(recorder.takeRanges().empty());
    }
}

TEST(ReadRecorderTest, ASearchCountsWhatItLookedAt) {
    std::array<uint8_t, 0x40> dump{};
    dump[0x21] = 0x5A;
    dump[0x22] = 0xA5;
    ReadRecorder recorder(dump.data(), int32_t(dump.size()));
    const ScopedReadRecording recording(recorder);
    const DumpReader reader(dump.data(), int32_t(dump.size()));
    EXPECT_EQ(reader.find({0x5A, 0xA5}, 0x10), 0x21);
    EXPECT_EQ(recorder.takeRanges(), (std::vector<DumpRange>{{0x10, 0x22}}));
    EXPECT_FALSE(reader.find({0x5A, 0xA5}, 0x22));
    EXPECT_EQ(recorder.takeRanges(), (std::vector<DumpRange>{{0x22, 0x3F}}));
}

// A scan is noted in one piece but must come to the same ranges as its words read one by one:
// spaced out, touching, overlapping, more than the list first has room for, and of a copy.
TEST(ReadRecorderTest, AScanRecordsEveryWordItLookedAt) {
    std::array<uint8_t, 0x100> dump{};
    const auto never = [](int64_t, uint32_t) { return false; };
    {
        ReadRecorder recorder(dump.data(), int32_t(dump.size()));
        const ScopedReadRecording recording(recorder);
        const DumpReader reader(dump.data(), int32_t(dump.size()));
        reader.u8(0xF0);
        reader.scanU32be(0xEA, -0x10, 3, never);
        reader.u8(0xC0);
        EXPECT_EQ(recorder.takeRanges(),
                  (std::vector<DumpRange>{
                      {0xC0, 0xC0}, {0xCA, 0xCD}, {0xDA, 0xDD}, {0xEA, 0xED}, {0xF0, 0xF0}}));
        reader.scanU32be(0x10, 4, 4, never);
        reader.scanU32be(0x40, 2, 3, never);
        EXPECT_EQ(recorder.takeRanges(), (std::vector<DumpRange>{{0x10, 0x1F}, {0x40, 0x47}}));
        // Reads between a scan's words, one touching a word.
        reader.scanU32be(0x80, 0x10, 4, never);
        reader.u8(0x88);
        reader.u8(0x94);
        reader.u8(0x60);
        EXPECT_EQ(recorder.takeRanges(), (std::vector<DumpRange>{{0x60, 0x60},
                                                                 {0x80, 0x83},
                                                                 {0x88, 0x88},
                                                                 {0x90, 0x94},
                                                                 {0xA0, 0xA3},
                                                                 {0xB0, 0xB3}}));
        reader.scanU32be(0x00, 5, 0x33, never); // 51 words, each with a byte's gap
        std::vector<DumpRange> spaced;
        for (int32_t at = 0; at + 4 <= 0x100 && spaced.size() < 0x33; at += 5)
            spaced.push_back({at, at + 3});
        EXPECT_EQ(recorder.takeRanges(), spaced);
    }
    std::array<uint8_t, 0x20> buffer{};
    ReadRecorder recorder(dump.data(), int32_t(dump.size()));
    const ScopedReadRecording recording(recorder);
    const DumpReader reader(dump.data(), int32_t(dump.size()));
    ASSERT_TRUE(reader.copy(0x80, 0x10, buffer.data()));
    ASSERT_TRUE(reader.copy(0x30, 0x10, buffer.data() + 0x10));
    const DumpReader copied(buffer.data(), int32_t(buffer.size()));
    copied.scanU32be(0x08, 0x10, 2, never);
    EXPECT_EQ(recorder.takeRanges(), (std::vector<DumpRange>{{0x38, 0x3B}, {0x88, 0x8B}}));
}

// Random copies between the dump and two buffers, reads and scans of all three, checked against
// a plain model: which dump byte, if any, each buffer byte holds, and the set of bytes read.
// Pages are also appended to the second buffer, as a chain is assembled, and reads and copies
// favour what was copied last.
TEST(ReadRecorderTest, RandomCopiesReadsAndScansMatchAPlainModel) {
    constexpr int32_t kDumpSize = 0x200;
    constexpr int32_t kBufferSize = 0x100;
    constexpr int32_t kNotFromTheDump = -1;
    std::array<uint8_t, kDumpSize> dump{};
    std::array<std::array<uint8_t, kBufferSize>, 2> buffers{};
    std::array<std::array<int32_t, kBufferSize>, 2> holds;
    for (auto& buffer : holds)
        buffer.fill(kNotFromTheDump);
    std::mt19937 random(12);
    const auto below = [&random](int32_t n) { return int32_t(random() % uint32_t(n)); };

    ReadRecorder recorder(dump.data(), kDumpSize);
    const ScopedReadRecording recording(recorder);
    const DumpReader dumpReader(dump.data(), kDumpSize);
    const std::array<DumpReader, 2> bufferReaders = {DumpReader(buffers[0].data(), kBufferSize),
                                                     DumpReader(buffers[1].data(), kBufferSize)};
    // Sources: 0 the dump, 1 and 2 the buffers.
    const auto sizeOf = [](int32_t source) { return source == 0 ? kDumpSize : kBufferSize; };
    const auto readerOf = [&](int32_t source) -> const DumpReader& {
        return source == 0 ? dumpReader : bufferReaders[size_t(source - 1)];
    };
    // The dump offset that byte `at` of a source holds.
    const auto heldBy = [&holds](int32_t source, int32_t at) {
        return source == 0 ? at : holds[size_t(source - 1)][size_t(at)];
    };
    std::set<int32_t> read;
    const auto noteModelRead = [&](int32_t source, int64_t at, int64_t length) {
        if (at < 0 || at + length > sizeOf(source))
            return;
        for (int64_t b = at; b < at + length; ++b)
            if (heldBy(source, int32_t(b)) != kNotFromTheDump)
                read.insert(heldBy(source, int32_t(b)));
    };
    int32_t chainEnd = 0; // where the next page is appended to the second buffer
    int32_t lastTarget = 1;
    int32_t lastTo = 0;
    const auto copy = [&](int32_t source, int32_t from, int32_t length, int32_t target,
                          int32_t to) {
        ASSERT_TRUE(readerOf(source).copy(from, length, buffers[size_t(target - 1)].data() + to));
        std::array<int32_t, kBufferSize> held = holds[size_t(target - 1)];
        for (int32_t b = 0; b < length; ++b)
            held[size_t(to + b)] = heldBy(source, from + b);
        holds[size_t(target - 1)] = held;
        lastTarget = target;
        lastTo = to;
    };

    for (int step = 0; step < 6000; ++step) {
        int32_t source = below(3);
        // Reads fall near the last copy half of the time.
        const bool nearLastCopy = below(2) == 0;
        if (nearLastCopy)
            source = lastTarget;
        const auto somewhere = [&](int32_t length) {
            const int32_t room = sizeOf(source) - length + 1;
            return nearLastCopy ? std::min(room - 1, std::max(0, lastTo - 4 + below(48)))
                                : below(room);
        };
        switch (below(6)) {
        case 0: { // a copy into the other buffer, or into either from the dump
            const int32_t target = source == 1 ? 2 : source == 2 ? 1 : 1 + below(2);
            const int32_t length = 1 + below(48);
            // Over part of the last copy half of the time.
            const int32_t to =
                below(2) == 0 ? std::min(kBufferSize - length, std::max(0, lastTo - 8 + below(24)))
                              : below(kBufferSize - length + 1);
            copy(source, below(sizeOf(source) - length + 1), length, target, to);
            break;
        }
        case 1: { // a page of the dump appended to the chain in the second buffer
            const int32_t length = 12 + below(36);
            if (chainEnd + length <= kBufferSize) {
                copy(0, below(kDumpSize - length + 1), length, 2, chainEnd);
                chainEnd += length;
            }
            break;
        }
        case 2: { // a read of 1, 2 or 4 bytes, some of them past the end
            const int32_t length = std::array<int32_t, 3>{1, 2, 4}[size_t(below(3))];
            const int32_t at = below(4) == 0 ? sizeOf(source) - below(3) : somewhere(length);
            if (length == 1)
                readerOf(source).u8(at);
            else if (length == 2)
                readerOf(source).u16le(at);
            else
                readerOf(source).u32be(at);
            noteModelRead(source, at, length);
            break;
        }
        case 3: { // a scan of bytes or words, upwards or downwards
            const bool words = below(2) == 0;
            const int32_t width = words ? 4 : 1;
            const int32_t stride = (1 + below(20)) * (below(4) == 0 ? -1 : 1);
            const int32_t from = somewhere(width);
            const int32_t count = 1 + below(30);
            const auto never = [](int64_t, auto) { return false; };
            if (words)
                readerOf(source).scanU32be(from, stride, count, never);
            else
                readerOf(source).scanU8(from, stride, count, never);
            for (int64_t k = 0; k < count; ++k)
                noteModelRead(source, from + k * stride, width);
            break;
        }
        case 4: { // raw bytes
            const int32_t length = 1 + below(24);
            const int32_t at = somewhere(length);
            readerOf(source).bytes(at, length);
            noteModelRead(source, at, length);
            break;
        }
        default: // an entry printed
            ASSERT_EQ(recorder.takeRanges(), rangesOf(read)) << "after step " << step;
            read.clear();
        }
    }
    EXPECT_GT(chainEnd, kBufferSize / 2) << "pages were appended";
}

TEST(ReadRecorderTest, AnInnerRecordingKeepsItsReadsApart) {
    std::array<uint8_t, 0x40> dump{};
    std::array<uint8_t, 0x40> other{};
    ReadRecorder outer(dump.data(), int32_t(dump.size()));
    ReadRecorder inner(other.data(), int32_t(other.size()));
    const ScopedReadRecording recording(outer);
    const DumpReader reader(dump.data(), int32_t(dump.size()));
    reader.u16be(0x10);
    {
        const ScopedReadRecording nested(inner);
        const DumpReader otherReader(other.data(), int32_t(other.size()));
        otherReader.u8(0x05);
        reader.u8(0x11); // the outer dump is not the inner recorder's
    }
    reader.u8(0x12);
    EXPECT_EQ(outer.takeRanges(), (std::vector<DumpRange>{{0x10, 0x12}}));
    EXPECT_EQ(inner.takeRanges(), (std::vector<DumpRange>{{0x05, 0x05}}));
}

TEST(ReadRecorderTest, ReadersMadeWhileNotRecordingRecordNothing) {
    std::array<uint8_t, 0x10> dump{};
    const DumpReader early(dump.data(), int32_t(dump.size()));
    ReadRecorder recorder(dump.data(), int32_t(dump.size()));
    const ScopedReadRecording recording(recorder);
    early.u8(0);
    EXPECT_TRUE(recorder.takeRanges().empty());
}

} // namespace
