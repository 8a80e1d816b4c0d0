// SPDX-License-Identifier: GPL-3.0-or-later
// --identify and the read-check warnings that come before a report.
#include "Identify.h"

#include "Cli.h"
#include "DumpFile.h"
#include "QuotedName.h"
#include "Ranking.h"
#include "ReadCheck.h"
#include "Registry.h"

namespace {

constexpr char kProgram[] = "faultwise-cli";

} // namespace

void warnAboutRead(const std::string& path, const std::vector<uint8_t>& dump, int32_t typeId,
                   std::ostream& err) {
    for (const ReadFinding& finding : checkRead(dump.data(), dump.size(), typeId))
        err << kProgram << ": " << quotedName(path) << ": warning: " << finding.text << '\n';
}

int identifyDumps(const std::vector<std::string>& paths, std::ostream& out, std::ostream& err) {
    int status = kCliOk;
    for (const std::string& path : paths) {
        std::vector<uint8_t> dump;
        std::string reason;
        if (!loadDumpFile(path, dump, reason)) {
            err << kProgram << ": " << quotedName(path) << ": " << reason << '\n';
            status = kCliSomeDumpFailed;
            continue;
        }
        const std::vector<RankedLeaf> ranked = rankLeaves(dump.data(), dump.size());
        if (ranked.empty()) {
            err << kProgram << ": " << quotedName(path) << ": no unit type takes a dump of "
                << dump.size() << " bytes\n";
            status = kCliSomeDumpFailed;
            continue;
        }
        warnAboutRead(path, dump, 0, err);
        if (paths.size() > 1)
            out << "==> " << quotedName(path) << " <==\n";
        for (const RankedLeaf& candidate : ranked) {
            const UnitTreeLeaf& leaf = unitTree()[candidate.leaf];
            const UnitType& type = *findUnitType(candidate.typeId);
            out << leaf.typeId << '\t' << leaf.make << '\t' << leaf.partNumber << '\t'
                << type.decoderClass << '\t' << type.dumpSize << '\t' << candidate.score << '\t'
                << joinReasons(candidate) << '\n';
        }
    }
    out.flush();
    return status;
}
