// SPDX-License-Identifier: GPL-3.0-or-later
// The sample dumps in samples/: they are what the generator writes, two per type id (one with
// stored faults, one erased), and each decodes to the report that the generator's inputs imply.
#include "ReportCapture.h"
#include "SampleDumps.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

namespace {

Dump readSample(const std::string& fileName) {
    std::ifstream file(std::string(FAULTWISE_SAMPLES_DIR) + "/" + fileName, std::ios::binary);
    return Dump(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

const std::vector<std::vector<SampleDump>>& sampleSets() {
    static const std::vector<std::vector<SampleDump>> sets = {sampleDumps(), erasedSampleDumps()};
    return sets;
}

TEST(SampleTest, OneSamplePerTypeIdUnderOneOfItsLeaves) {
    std::set<std::string> fileNames;
    for (const std::vector<SampleDump>& samples : sampleSets()) {
        std::set<int32_t> ids;
        for (const SampleDump& sample : samples) {
            SCOPED_TRACE(sample.fileName);
            ids.insert(sample.typeId);
            EXPECT_TRUE(fileNames.insert(sample.fileName).second) << "file name used twice";
            bool leafFound = false;
            for (const UnitTreeLeaf& leaf : unitTree())
                leafFound =
                    leafFound || (leaf.typeId == sample.typeId && sample.make == leaf.make &&
                                  sample.partNumber == leaf.partNumber);
            EXPECT_TRUE(leafFound) << sample.make << " / " << sample.partNumber;
        }
        EXPECT_EQ(ids.size(), unitTypes().size());
        EXPECT_EQ(*ids.begin(), kFirstTypeId);
        EXPECT_EQ(*ids.rbegin(), lastTypeId());
    }
}

TEST(SampleTest, EveryRegistryRowHasBothSamples) {
    const char* const kinds[] = {"with stored faults", "erased"};
    for (size_t set = 0; set < sampleSets().size(); ++set)
        for (const UnitType& type : unitTypes()) {
            size_t found = 0;
            for (const SampleDump& sample : sampleSets()[set])
                found += sample.typeId == type.id ? 1 : 0;
            EXPECT_EQ(found, 1u) << "type " << type.id << " (" << type.decoderClass
                                 << ") needs one sample " << kinds[set]
                                 << ", declared in its unit's tests/core/units/<Unit>Samples.cpp "
                                    "(see CONTRIBUTING.md)";
        }
}

TEST(SampleTest, CommittedSamplesDecodeWithTheFaultsPutIn) {
    for (const std::vector<SampleDump>& samples : sampleSets())
        for (const SampleDump& sample : samples) {
            SCOPED_TRACE(sample.fileName);
            const Dump committed = readSample(sample.fileName);
            EXPECT_TRUE(committed == sample.bytes)
                << "samples/ is stale: rebuild it with cmake --build build --target samples";
            EXPECT_EQ(decode(sample.typeId, committed), sample.report);
        }
}

TEST(SampleTest, ReadmeListsEverySample) {
    std::ifstream file(std::string(FAULTWISE_SAMPLES_DIR) + "/README.md", std::ios::binary);
    const std::string readme((std::istreambuf_iterator<char>(file)),
                             std::istreambuf_iterator<char>());
    EXPECT_TRUE(withSampleTables(readme) == readme)
        << "samples/README.md is stale: rebuild it with cmake --build build --target samples";
}

} // namespace
