// The sample dumps of every unit, gathered from the units' fixtures in type id order.
#include "SampleDumps.h"

#include "UnitFixtures.h"

#include <algorithm>

namespace {

std::vector<SampleDump> byTypeId(std::vector<SampleDump> UnitFixtures::*set) {
    std::vector<SampleDump> samples;
    for (const UnitFixtures& unit : allUnitFixtures())
        samples.insert(samples.end(), (unit.*set).begin(), (unit.*set).end());
    std::stable_sort(samples.begin(), samples.end(),
                     [](const SampleDump& a, const SampleDump& b) { return a.typeId < b.typeId; });
    return samples;
}

} // namespace

std::vector<SampleDump> sampleDumps() {
    return byTypeId(&UnitFixtures::samples);
}

std::vector<SampleDump> erasedSampleDumps() {
    return byTypeId(&UnitFixtures::erasedSamples);
}
