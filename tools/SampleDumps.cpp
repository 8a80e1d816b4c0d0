// SPDX-License-Identifier: GPL-3.0-or-later
// The sample dumps of every unit, gathered from the units' fixtures in type id order.
#include "SampleDumps.h"

#include "UnitFixtures.h"

#include <algorithm>
#include <sstream>

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

std::string readmeRow(const SampleDump& sample) {
    return "| `" + sample.fileName + "` | " + std::to_string(sample.typeId) + " | " + sample.make +
           ": " + sample.partNumber + " | " + sample.contents + " |";
}

std::string withSampleTables(const std::string& readme) {
    const std::vector<SampleDump> tables[] = {sampleDumps(), erasedSampleDumps()};
    std::istringstream lines(readme);
    std::string out;
    std::string line;
    size_t table = 0;
    bool inTable = false;
    while (std::getline(lines, line)) {
        const bool isRow = line.rfind("| `", 0) == 0;
        if (isRow && !inTable && table < 2) {
            for (const SampleDump& sample : tables[table])
                out += readmeRow(sample) + "\n";
            ++table;
        }
        inTable = isRow;
        if (!isRow)
            out += line + "\n";
    }
    return table == 2 ? out : readme;
}
