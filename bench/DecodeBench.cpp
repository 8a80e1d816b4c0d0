// SPDX-License-Identifier: GPL-3.0-or-later
// Decode time per dump for every registered decoder, on erased, zeroed and random dumps made for
// it; and per sample dump and per made dump with the recording of read bytes off and on.
#include "KeptReport.h"
#include "PrintLog.h"
#include "Registry.h"
#include "RunDecoder.h"
#include "SampleDumps.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Counts entries so that the report is produced but not kept.
class CountingSink : public ReportSink {
public:
    void append(std::string_view entry) override { bytes += entry.size(); }
    size_t bytes = 0;
};

std::vector<uint8_t> makeDump(size_t size, int fill) {
    std::vector<uint8_t> dump(size);
    if (fill >= 0) {
        std::fill(dump.begin(), dump.end(), uint8_t(fill));
    } else {
        std::mt19937 random(20261210);
        for (uint8_t& byte : dump)
            byte = uint8_t(random());
    }
    return dump;
}

void decodeDump(benchmark::State& state, int32_t typeId, int fill) {
    const std::vector<uint8_t> dump = makeDump(size_t(findUnitType(typeId)->dumpSize), fill);
    CountingSink sink;
    const ScopedReportSink installed(&sink);
    for (auto _ : state) {
        const std::unique_ptr<ecuDTC> decoder = createDecoder(typeId);
        runDecoder(*decoder, dump.data(), dump.size());
    }
    benchmark::DoNotOptimize(sink.bytes);
}

// A sample decoded with recording off or on, its report kept.
void decodeSample(benchmark::State& state, const SampleDump* sample, bool recording) {
    KeptReport report;
    const ScopedReportSink installed(&report);
    for (auto _ : state)
        report.decode(sample->typeId, sample->bytes, recording);
    benchmark::DoNotOptimize(report.texts.data());
    benchmark::DoNotOptimize(report.explained.data());
}

} // namespace

int main(int argc, char** argv) {
    const std::pair<const char*, int> fills[] = {
        {"erased", 0xFF}, {"zeroed", 0x00}, {"random", -1}};
    // The made dumps are also decoded as the samples are, with recording off and on.
    static std::vector<SampleDump> madeDumps;
    for (const UnitType& type : unitTypes()) {
        for (const auto& [name, fill] : fills) {
            const std::string label =
                std::to_string(type.id) + "-" + type.decoderClass + "/" + name;
            benchmark::RegisterBenchmark(("decode/" + label).c_str(), decodeDump, type.id, fill)
                ->Unit(benchmark::kMicrosecond);
            SampleDump made;
            made.typeId = type.id;
            made.fileName = label;
            made.bytes = makeDump(size_t(type.dumpSize), fill);
            madeDumps.push_back(std::move(made));
        }
    }
    static const std::vector<SampleDump> samples = [] {
        std::vector<SampleDump> all = sampleDumps();
        for (SampleDump& erased : erasedSampleDumps())
            all.push_back(std::move(erased));
        return all;
    }();
    for (const auto& [prefix, dumps] : {std::pair{"sample/", &samples}, {"made/", &madeDumps}})
        for (const SampleDump& dump : *dumps)
            for (const bool recording : {false, true}) {
                const std::string label =
                    prefix + dump.fileName + (recording ? "/recording" : "/plain");
                benchmark::RegisterBenchmark(label.c_str(), decodeSample, &dump, recording)
                    ->Unit(benchmark::kMicrosecond);
            }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
