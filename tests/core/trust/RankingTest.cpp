// SPDX-License-Identifier: GPL-3.0-or-later
// Ranking by content: each sample's own decoder class comes first, a leaf's part number in the
// identifier puts that leaf first, and the order depends on the bytes alone.
#include "Ranking.h"

#include "PartNumber.h"
#include "ReportCapture.h"
#include "ReportQuality.h"
#include "SampleDumps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

const char* classOf(int32_t typeId) {
    return findUnitType(typeId)->decoderClass;
}

const SampleDump& sampleOf(int32_t typeId) {
    static const std::vector<SampleDump> samples = sampleDumps();
    return *std::find_if(samples.begin(), samples.end(),
                         [&](const SampleDump& s) { return s.typeId == typeId; });
}

// The label in Latin letters, as a dump stores it.
std::string latinLabel(const std::string& label) {
    std::string latin;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label.compare(i, 2, "\xD0\x95") == 0)
            latin += 'E', ++i;
        else if (label.compare(i, 2, "\xD0\xA1") == 0)
            latin += 'C', ++i;
        else
            latin += label[i];
    }
    return latin;
}

// Where the sample keeps its identifier text.
size_t identifierOffset(const Dump& dump) {
    for (const char* start : {"SAMPLE", "SMP"}) {
        const auto at = std::search(dump.begin(), dump.end(), start, start + std::strlen(start));
        if (at != dump.end())
            return size_t(at - dump.begin());
    }
    return dump.size();
}

TEST(RankingTest, EverySamplesOwnDecoderClassRanksFirst) {
    for (const SampleDump& sample : sampleDumps()) {
        SCOPED_TRACE(sample.fileName);
        const std::vector<RankedLeaf> ranked = rankLeaves(sample.bytes.data(), sample.bytes.size());
        ASSERT_FALSE(ranked.empty());
        EXPECT_STREQ(classOf(ranked.front().typeId), classOf(sample.typeId))
            << joinReasons(ranked.front());
    }
}

TEST(RankingTest, APartNumberInTheIdentifierPutsItsLeafFirst) {
    const auto& tree = unitTree();
    for (size_t leaf = 0; leaf < tree.size(); ++leaf) {
        const std::string label = latinLabel(tree[leaf].partNumber);
        if (label.find("XXXXX") != std::string::npos)
            continue; // the label names a family, no dump stores it
        SCOPED_TRACE(label);
        Dump dump = sampleOf(tree[leaf].typeId).bytes;
        const size_t at = identifierOffset(dump);
        ASSERT_LT(at + label.size(), dump.size());
        patchText(dump, at, label + '\0');
        const std::vector<RankedLeaf> ranked = rankLeaves(dump.data(), dump.size());
        ASSERT_FALSE(ranked.empty());
        EXPECT_EQ(ranked.front().leaf, leaf) << joinReasons(ranked.front());
        EXPECT_EQ(ranked.front().reasons.front().rfind("part number ", 0), 0u);
    }
}

TEST(RankingTest, EveryLeafOfTheSizeIsRankedAndEqualScoresKeepTreeOrder) {
    const Dump erased = filledDump(0x2000, 0xFF);
    const std::vector<RankedLeaf> ranked = rankLeaves(erased.data(), erased.size());
    std::vector<size_t> fitting;
    for (size_t i = 0; i < unitTree().size(); ++i)
        if (findUnitType(unitTree()[i].typeId)->dumpSize == 0x2000)
            fitting.push_back(i);
    ASSERT_EQ(ranked.size(), fitting.size());
    for (size_t i = 1; i < ranked.size(); ++i) {
        EXPECT_GE(ranked[i - 1].score, ranked[i].score);
        if (ranked[i - 1].score == ranked[i].score) {
            EXPECT_LT(ranked[i - 1].leaf, ranked[i].leaf);
        }
    }
    const std::vector<RankedLeaf> again = rankLeaves(erased.data(), erased.size());
    for (size_t i = 0; i < ranked.size(); ++i)
        EXPECT_EQ(again[i].leaf, ranked[i].leaf);
    EXPECT_TRUE(rankLeaves(erased.data(), 100).empty());
}

TEST(RankingTest, ReasonsNameTheEvidence) {
    const SampleDump& mazda = sampleOf(22);
    const std::vector<RankedLeaf> ranked = rankLeaves(mazda.bytes.data(), mazda.bytes.size());
    ASSERT_FALSE(ranked.empty());
    const std::string reasons = joinReasons(ranked.front());
    EXPECT_EQ(std::string(unitTree()[ranked.front().leaf].partNumber), "KD45-57K30B");
    for (const char* expected :
         {"part number KD45-57K30B at 0x", "identifier page tag 02 01 01 FF at 0x80",
          "readable identifier \"SAMPLE KD45-57K30B\"", "1 known code", "1 undefined code"})
        EXPECT_NE(reasons.find(expected), std::string::npos) << reasons;
}

} // namespace

namespace {

TEST(ReportQualityTest, CountsIdentifiersCodesAndInvalidData) {
    ReportQuality quality;
    for (const char* entry :
         {"ECU identifier:\n\tSAMPLE 95910-2P400", "ECU identifier2:\n\t\xFF\xFF\xFF\xFF\xFF",
          "ECU identifier:\n\t53414D504C45303030303033", "ECU identifier block:\nKD45-57K30B",
          "Error codes:", "\tError code 1) = B1346 Stage Driver airbag resistance too high",
          "\tError code 2) = Undefined error code [40]", "\tError code 3) = ", "\t\tState: Short",
          "Error block found", "\tError type (01) code B0020 Left Side Airbag", "\tNo DTC"}) {
        quality.append(entry);
    }
    EXPECT_EQ(quality.readableIdentifiers(), 2);
    EXPECT_EQ(quality.firstReadableIdentifier(), "SAMPLE 95910-2P400");
    EXPECT_EQ(quality.unreadableIdentifiers(), 1) << "raw hex tells nothing either way";
    EXPECT_EQ(quality.knownCodes(), 2);
    EXPECT_EQ(quality.undefinedCodes(), 1);
    EXPECT_FALSE(quality.invalidData());
    quality.append("Invalid EEPROM data");
    EXPECT_TRUE(quality.invalidData());
}

} // namespace
