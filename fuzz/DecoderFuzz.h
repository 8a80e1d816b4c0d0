// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder fuzz target and how its inputs are laid out, for the seed generator and the replay.
#pragma once

#include "Registry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

/// Every unit type, in registry order. An input's first byte, modulo their count,
/// selects one; the following bytes are its dump.
const std::vector<const UnitType*>& fuzzedTypes();

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
