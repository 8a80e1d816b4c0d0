// Decode time per dump for every registered decoder, on erased, zeroed and random dumps.
#include "PrintLog.h"
#include "Registry.h"
#include "RunDecoder.h"

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

} // namespace

int main(int argc, char** argv) {
    const std::pair<const char*, int> fills[] = {
        {"erased", 0xFF}, {"zeroed", 0x00}, {"random", -1}};
    for (const UnitType& type : unitTypes()) {
        for (const auto& [name, fill] : fills) {
            const std::string label =
                "decode/" + std::to_string(type.id) + "-" + type.decoderClass + "/" + name;
            benchmark::RegisterBenchmark(label.c_str(), decodeDump, type.id, fill)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
