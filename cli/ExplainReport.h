// SPDX-License-Identifier: GPL-3.0-or-later
// --explain and --json: each report entry together with the dump bytes that led to it.
#pragma once

#include "ExplainDecoder.h"
#include "Registry.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

/// `--explain <type> <dump>`: prints every report entry (UTF-8) followed by a line "\t@ " with
/// its ranges ("0x48030-0x48033, 0x48034-0x4803E", ends included), or "\t@ none". Returns the
/// CLI's exit status.
int explainReport(const std::string& typeArgument, const std::string& path, std::ostream& out,
                  std::ostream& err);

/// `--json <type> <dump>...`: one JSON object per decoded dump, one per line. A dump that cannot
/// be read or has the wrong size gives no object and a message on `err`. Returns the CLI's exit
/// status.
int jsonReports(const std::string& typeArgument, const std::vector<std::string>& paths,
                std::ostream& out, std::ostream& err);

/// The ranges as --explain prints them after "\t@ ".
std::string formatRanges(const std::vector<DumpRange>& ranges);

/// The leaf that a <type> argument of type `typeId` stands for: the leaf of that part number (as
/// the part-number lookup finds it), or for a type id the first leaf of that type in tree order;
/// null when no leaf carries `typeId`.
const UnitTreeLeaf* leafOfArgument(const std::string& typeArgument, int32_t typeId);

/// The JSON object of one decoded dump, on one line without its newline. `file` is the name as
/// given (bytes that are not UTF-8 become U+FFFD); `entries` come from explainDecoder.
std::string jsonReportLine(const std::string& file, const std::vector<uint8_t>& dump,
                           const UnitTreeLeaf& leaf, const std::vector<ExplainedEntry>& entries);
