// SPDX-License-Identifier: GPL-3.0-or-later
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

/// `bytes` written from `first` on, every `step` bytes while it fits below `last` (-1: the dump's
/// end); `step` 0 writes it once. With `bump`, the big-endian word in the first four bytes grows
/// by that much at each placement, as chained flash pages carry growing tags.
struct Placement {
    std::vector<uint8_t> bytes;
    int64_t first;
    int64_t step = 0;
    int64_t last = -1;
    uint32_t bump = 0;
};

/// The four bytes of a big-endian word, as tags are stored.
inline std::vector<uint8_t> be32(uint32_t value) {
    return {uint8_t(value >> 24), uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)};
}

/// One marker dump: all placements applied in order. With `eachPosition`, the first placement
/// is not written everywhere at once but gives one dump per position it can take.
struct Marker {
    const char* name;
    std::vector<Placement> placements;
    bool eachPosition = false;
};

/// Every hostile dump for `type`, each exactly `type.dumpSize` bytes. Blank, erased, random and
/// NUL-free dumps come for every type; a layout that searches for tags, markers or headers also
/// gets the markers that its unit declares beside its test (UnitFixtures).
std::vector<HostileDump> hostileDumps(const UnitType& type);
