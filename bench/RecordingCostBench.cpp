// SPDX-License-Identifier: GPL-3.0-or-later
// What recording the read bytes costs on the hostile dumps: every dump of every type's size is
// decoded with recording off and on, and the dumps whose decode takes the longest with it on,
// relative to off, are listed. Usage: recording_cost_bench [how many to list, 10 by default]
#include "HostileDumps.h"
#include "KeptReport.h"
#include "PrintLog.h"
#include "Registry.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The shortest mean time of one decode, in microseconds, with recording off and on, over
// batches that each run for at least kBatch: the least disturbed batch stands for the decode.
// Batches off and on take turns, each keeping its own report, so that a change in the machine's
// pace weighs on both alike; measured one after the other, decodes of well under a microsecond
// came out up to twice as slow in one round as in the next.
std::array<double, 2> decodeTimes(const UnitType& type, const std::vector<uint8_t>& dump,
                                  int batches) {
    using Clock = std::chrono::steady_clock;
    constexpr auto kBatch = std::chrono::microseconds(300);
    std::array<KeptReport, 2> reports;
    std::array<double, 2> best = {1e300, 1e300};
    for (int batch = 0; batch < batches; ++batch) {
        for (const bool recording : {false, true}) {
            KeptReport& report = reports[recording];
            const ScopedReportSink installed(&report);
            const Clock::time_point start = Clock::now();
            Clock::duration elapsed{};
            int decodes = 0;
            do {
                report.decode(type.id, dump, recording);
                ++decodes;
                elapsed = Clock::now() - start;
            } while (elapsed < kBatch);
            const double mean =
                std::chrono::duration<double, std::micro>(elapsed).count() / decodes;
            best[recording] = std::min(best[recording], mean);
        }
    }
    return best;
}

// Every dump is measured over kBatches batches; those that come out slower than kRecheckAbove
// times with recording on are measured again over kRecheckBatches, and keep the shortest times
// of both rounds: a decode of well under a microsecond is easily disturbed.
constexpr int kBatches = 7;
constexpr int kRecheckBatches = 28;
constexpr double kRecheckAbove = 1.8;

struct Cost {
    double ratio;
    double off;
    double on;
    std::string dump;
    int typeId;
    std::vector<uint8_t> bytes; // kept only for a dump to measure again
};

} // namespace

int main(int argc, char** argv) {
    const size_t listed = argc > 1 ? size_t(std::strtoul(argv[1], nullptr, 10)) : 10;
    std::vector<Cost> costs;
    for (const UnitType& type : unitTypes())
        for (const HostileDump& dump : hostileDumps(type)) {
            if (dump.bytes.size() != size_t(type.dumpSize))
                continue; // refused before any decoding
            const auto [off, on] = decodeTimes(type, dump.bytes, kBatches);
            costs.push_back({on / off, off, on,
                             std::to_string(type.id) + "-" + type.decoderClass + ": " + dump.name,
                             type.id,
                             on / off > kRecheckAbove ? dump.bytes : std::vector<uint8_t>{}});
        }
    size_t rechecked = 0;
    for (Cost& cost : costs) {
        if (cost.bytes.empty())
            continue;
        const auto [off, on] = decodeTimes(*findUnitType(cost.typeId), cost.bytes, kRecheckBatches);
        cost.off = std::min(cost.off, off);
        cost.on = std::min(cost.on, on);
        cost.ratio = cost.on / cost.off;
        ++rechecked;
    }
    std::sort(costs.begin(), costs.end(),
              [](const Cost& a, const Cost& b) { return a.ratio > b.ratio; });
    std::printf("%-6s %10s %10s  dump\n", "on/off", "off (us)", "on (us)");
    for (size_t i = 0; i < listed && i < costs.size(); ++i)
        std::printf("%6.2f %10.2f %10.2f  %s\n", costs[i].ratio, costs[i].off, costs[i].on,
                    costs[i].dump.c_str());
    const auto overTwice = std::count_if(costs.begin(), costs.end(),
                                         [](const Cost& cost) { return cost.ratio > 2.0; });
    std::printf("%zu dumps decoded, %zu of them measured again; %ld take more than twice as long "
                "with recording on\n",
                costs.size(), rechecked, long(overTwice));
    return 0;
}
