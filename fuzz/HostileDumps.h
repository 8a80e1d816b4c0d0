// Dumps built to break decoders: blank, erased, random, NUL-free and full of the byte patterns
// that the searching layouts look for. Shared by the hostile-dump test and the fuzz seed corpus.
#pragma once

#include "Registry.h"

#include <cstdint>
#include <string>
#include <vector>

struct HostileDump {
    std::string name;
    std::vector<uint8_t> bytes;
};

/// Every hostile dump for `type`, each exactly `type.dumpSize` bytes. Blank, erased, random and
/// NUL-free dumps come for every type; a layout that searches for tags, markers or headers also
/// gets each of them at every position where it can stand.
std::vector<HostileDump> hostileDumps(const UnitType& type);
