// SPDX-License-Identifier: GPL-3.0-or-later
// Time of the read check and of the ranking by content, on a 320 KiB flash and an 8 KiB EEPROM:
// the sample with stored faults, an erased dump and random bytes of each size.
#include "Ranking.h"
#include "ReadCheck.h"
#include "Registry.h"
#include "SampleDumps.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr int32_t kFlashType = 1;  // 320 KiB
constexpr int32_t kEepromType = 4; // 8 KiB, one of ten types of that size

std::vector<uint8_t> makeDump(int32_t typeId, const std::string& kind) {
    const auto size = size_t(findUnitType(typeId)->dumpSize);
    if (kind == "sample")
        for (const SampleDump& sample : sampleDumps())
            if (sample.typeId == typeId)
                return sample.bytes;
    std::vector<uint8_t> dump(size, 0xFF);
    if (kind == "random") {
        std::mt19937 random(20261210);
        for (uint8_t& byte : dump)
            byte = uint8_t(random());
    }
    return dump;
}

void readCheck(benchmark::State& state, int32_t typeId, const std::string& kind) {
    const std::vector<uint8_t> dump = makeDump(typeId, kind);
    for (auto _ : state)
        benchmark::DoNotOptimize(checkRead(dump.data(), dump.size(), typeId));
}

void ranking(benchmark::State& state, int32_t typeId, const std::string& kind) {
    const std::vector<uint8_t> dump = makeDump(typeId, kind);
    for (auto _ : state)
        benchmark::DoNotOptimize(rankLeaves(dump.data(), dump.size()));
}

} // namespace

int main(int argc, char** argv) {
    for (const int32_t typeId : {kFlashType, kEepromType}) {
        const std::string size = std::to_string(findUnitType(typeId)->dumpSize / 1024) + "KiB";
        for (const std::string kind : {"sample", "erased", "random"}) {
            benchmark::RegisterBenchmark(("readCheck/" + size + "/" + kind).c_str(), readCheck,
                                         typeId, kind)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("rankLeaves/" + size + "/" + kind).c_str(), ranking,
                                         typeId, kind)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
