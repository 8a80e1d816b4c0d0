// SPDX-License-Identifier: GPL-3.0-or-later
// --identify: the unit types that may have made a dump, best first, and read-check warnings.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

/// Prints the read check's findings for the dump at `path` on `err`, one
/// "faultwise-cli: <dump>: warning: <finding>" line each. `typeId` 0 leaves out the checks that
/// need the unit type.
void warnAboutRead(const std::string& path, const std::vector<uint8_t>& dump, int32_t typeId,
                   std::ostream& err);

/// Ranks the leaves that may fit each dump: the five --list columns, the score and the reasons,
/// separated by tabs, best first. Several dumps get a "==> <dump> <==" line each. Returns 1 when
/// a dump could not be read or no unit type takes its size, else 0.
int identifyDumps(const std::vector<std::string>& paths, std::ostream& out, std::ostream& err);
