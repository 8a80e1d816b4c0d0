// SPDX-License-Identifier: GPL-3.0-or-later
// The read check: each sign of a bad read is found with its evidence, and real-looking dumps
// (every sample, random data) give no finding at all.
#include "ReadCheck.h"

#include "HostileDumps.h"
#include "ReportCapture.h"
#include "SampleDumps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

constexpr int32_t kHSolaris = 21;
constexpr size_t kHSolarisIdentifier = 0x20;
constexpr size_t kHSolarisIdentifierLength = 0x14;

const SampleDump& sampleOf(int32_t typeId) {
    static const std::vector<SampleDump> samples = sampleDumps();
    return *std::find_if(samples.begin(), samples.end(),
                         [&](const SampleDump& s) { return s.typeId == typeId; });
}

Dump randomDump(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    Dump dump(size);
    for (uint8_t& byte : dump)
        byte = uint8_t(random());
    return dump;
}

// `share` of the bytes stay `fill`, the others are random values at random places.
Dump nearlyFilled(size_t size, uint8_t fill, double share, unsigned seed) {
    std::mt19937 random(seed);
    Dump dump(size, fill);
    const auto others = size_t(double(size) * (1.0 - share));
    for (size_t n = 0; n < others;) {
        uint8_t& byte = dump[random() % size];
        const auto value = uint8_t(random());
        if (byte != fill || value == fill)
            continue;
        byte = value;
        ++n;
    }
    return dump;
}

Dump swappedPairs(Dump dump) {
    for (size_t i = 0; i + 1 < dump.size(); i += 2)
        std::swap(dump[i], dump[i + 1]);
    return dump;
}

struct FindingCase {
    const char* name;
    Dump dump;
    int32_t typeId;
    ReadFindingKind kind;
    int64_t offset;
    int64_t length;
    const char* textStart;
};

TEST(ReadCheckTest, EachSignOfABadReadIsFoundWithItsEvidence) {
    const Dump hSolaris = sampleOf(kHSolaris).bytes;
    Dump doubled = hSolaris;
    doubled.insert(doubled.end(), hSolaris.begin(), hSolaris.end());
    Dump erasedIdentifier = hSolaris;
    std::fill_n(erasedIdentifier.begin() + kHSolarisIdentifier, kHSolarisIdentifierLength, 0xFF);

    const std::vector<FindingCase> cases = {
        {"an erased chip", filledDump(0x2000, 0xFF), 0, ReadFindingKind::AllOneValue, 0, 0x2000,
         "every byte is 0xFF: the chip reads as erased or blank"},
        {"no contact", filledDump(0x100, 0x00), 7, ReadFindingKind::AllOneValue, 0, 0x100,
         "every byte is 0x00: no contact with the chip, or a zero-filled read"},
        {"99 % erased with scattered noise", nearlyFilled(0x2000, 0xFF, 0.99, 1), 0,
         ReadFindingKind::NearlyOneValue, 0, 0x2000, "99.0 % of the bytes are 0xFF"},
        {"96 % zero with scattered noise", nearlyFilled(0x10000, 0x00, 0.96, 2), 0,
         ReadFindingKind::NearlyOneValue, 0, 0x10000, "96.0 % of the bytes are 0x00"},
        {"a 4 KiB image read as 8 KiB", doubled, 0, ReadFindingKind::RepeatedImage, 0, 0x1000,
         "the dump is 2 identical copies of its first 0x1000 bytes"},
        {"a 2 KiB image read as 320 KiB",
         [] {
             Dump mirrored;
             const Dump image = randomDump(0x800, 3);
             for (int i = 0; i < 160; ++i)
                 mirrored.insert(mirrored.end(), image.begin(), image.end());
             return mirrored;
         }(),
         1, ReadFindingKind::RepeatedImage, 0, 0x800, "the dump is 160 identical copies"},
        {"words saved byte-swapped", swappedPairs(hSolaris), kHSolaris,
         ReadFindingKind::SwappedText, 0x26, 12,
         "the part number 95910-1R000 at 0x26 reads correctly only with each byte pair swapped"},
        {"the identifier area erased", erasedIdentifier, kHSolaris, ReadFindingKind::ErasedArea,
         kHSolarisIdentifier, kHSolarisIdentifierLength,
         "the identifier area 0x20-0x33 is erased (all 0xFF)"},
    };
    for (const FindingCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ReadFinding> findings = checkRead(c.dump.data(), c.dump.size(), c.typeId);
        ASSERT_EQ(findings.size(), 1u) << findings.front().text;
        const ReadFinding& finding = findings.front();
        EXPECT_EQ(finding.kind, c.kind);
        EXPECT_EQ(finding.offset, c.offset);
        EXPECT_EQ(finding.length, c.length);
        EXPECT_EQ(finding.text.rfind(c.textStart, 0), 0u) << finding.text;
    }
}

TEST(ReadCheckTest, ErasedAreasNeedTheSelectedTypeAndItsSize) {
    Dump dump = sampleOf(kHSolaris).bytes;
    std::fill_n(dump.begin() + kHSolarisIdentifier, kHSolarisIdentifierLength, 0x00);
    EXPECT_TRUE(checkRead(dump.data(), dump.size()).empty());
    EXPECT_TRUE(checkRead(dump.data(), dump.size(), 9).empty()) << "type 9 takes 8 KiB";
    const std::vector<ReadFinding> findings = checkRead(dump.data(), dump.size(), kHSolaris);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings.front().value, 0x00);
    EXPECT_EQ(findings.front().text, "the identifier area 0x20-0x33 is blank (all 0x00)");
}

TEST(ReadCheckTest, NearlyAllOneValueGivesTheShare) {
    const Dump dump = nearlyFilled(0x2000, 0xFF, 0.99, 4);
    const std::vector<ReadFinding> findings = checkRead(dump.data(), dump.size());
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_NEAR(findings.front().share, 0.99, 0.001);
    EXPECT_EQ(findings.front().value, 0xFF);
}

TEST(ReadCheckTest, EverySampleUnderItsOwnTypeGivesNoFinding) {
    for (const SampleDump& sample : sampleDumps()) {
        SCOPED_TRACE(sample.fileName);
        for (const int32_t typeId : {0, sample.typeId}) {
            const std::vector<ReadFinding> findings =
                checkRead(sample.bytes.data(), sample.bytes.size(), typeId);
            EXPECT_TRUE(findings.empty()) << findings.front().text;
        }
    }
}

TEST(ReadCheckTest, RandomDumpsOfEverySizeGiveNoFinding) {
    for (const UnitType& type : unitTypes()) {
        for (unsigned seed = 0; seed < 4; ++seed) {
            const Dump dump = randomDump(size_t(type.dumpSize), seed * 31 + unsigned(type.id));
            const std::vector<ReadFinding> findings = checkRead(dump.data(), dump.size(), type.id);
            EXPECT_TRUE(findings.empty()) << type.id << ": " << findings.front().text;
        }
    }
}

TEST(ReadCheckTest, ErasedAndBlankHostileDumpsAreToldAsSuch) {
    for (const UnitType& type : unitTypes()) {
        for (const HostileDump& hostile : hostileDumps(type)) {
            SCOPED_TRACE(std::to_string(type.id) + " " + hostile.name);
            const std::vector<ReadFinding> findings =
                checkRead(hostile.bytes.data(), hostile.bytes.size(), type.id);
            const bool uniform = std::all_of(hostile.bytes.begin(), hostile.bytes.end(),
                                             [&](uint8_t b) { return b == hostile.bytes[0]; });
            EXPECT_EQ(!findings.empty() && findings.front().kind == ReadFindingKind::AllOneValue,
                      uniform);
        }
    }
}

} // namespace
