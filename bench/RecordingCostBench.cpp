// SPDX-License-Identifier: GPL-3.0-or-later
// What recording the read bytes costs on the hostile dumps: every dump of every type's size is
// decoded with recording off and on, and the dumps whose decode takes the longest with it on,
// relative to off, are listed. Usage: recording_cost_bench [how many to list, 10 by default]
#include "HostileDumps.h"
#include "KeptReport.h"
#include "PrintLog.h"
#include "Registry.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The shortest mean time of one decode, in microseconds, over batches that each run for at
// least kBatch: the least disturbed batch stands for the decode.
double decodeTime(const UnitType& type, const std::vector<uint8_t>& dump, bool recording) {
    using Clock = std::chrono::steady_clock;
    constexpr auto kBatch = std::chrono::microseconds(300);
    constexpr int kBatches = 7;
    KeptReport report;
    const ScopedReportSink installed(&report);
    double best = 1e300;
    for (int batch = 0; batch < kBatches; ++batch) {
        const Clock::time_point start = Clock::now();
        Clock::duration elapsed{};
        int decodes = 0;
        do {
            report.decode(type.id, dump, recording);
            ++decodes;
            elapsed = Clock::now() - start;
        } while (elapsed < kBatch);
        best = std::min(best, std::chrono::duration<double, std::micro>(elapsed).count() / decodes);
    }
    return best;
}

struct Cost {
    double ratio;
    double off;
    double on;
    std::string dump;
};

} // namespace

int main(int argc, char** argv) {
    const size_t listed = argc > 1 ? size_t(std::strtoul(argv[1], nullptr, 10)) : 10;
    std::vector<Cost> costs;
    for (const UnitType& type : unitTypes())
        for (const HostileDump& dump : hostileDumps(type)) {
            if (dump.bytes.size() != size_t(type.dumpSize))
                continue; // refused before any decoding
            const double off = decodeTime(type, dump.bytes, false);
            const double on = decodeTime(type, dump.bytes, true);
            costs.push_back({on / off, off, on,
                             std::to_string(type.id) + "-" + type.decoderClass + ": " + dump.name});
        }
    std::sort(costs.begin(), costs.end(),
              [](const Cost& a, const Cost& b) { return a.ratio > b.ratio; });
    std::printf("%-6s %10s %10s  dump\n", "on/off", "off (us)", "on (us)");
    for (size_t i = 0; i < listed && i < costs.size(); ++i)
        std::printf("%6.2f %10.2f %10.2f  %s\n", costs[i].ratio, costs[i].off, costs[i].on,
                    costs[i].dump.c_str());
    const auto overTwice = std::count_if(costs.begin(), costs.end(),
                                         [](const Cost& cost) { return cost.ratio > 2.0; });
    std::printf("%zu dumps decoded, %ld take more than twice as long with recording on\n",
                costs.size(), long(overTwice));
    return 0;
}
