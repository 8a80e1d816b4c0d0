// SPDX-License-Identifier: GPL-3.0-or-later
// What each unit declares beside its test (tests/core/units/<Unit>Samples.cpp): its sample dumps
// and the markers that the fuzzer plants for the layouts it searches.
#pragma once

#include "HostileDumps.h"
#include "SampleRecipe.h"

#include <cstdint>
#include <vector>

struct UnitFixtures {
    /// The decoder class, as its registry rows name it.
    const char* decoderClass;
    /// One sample with stored faults per type id of the class.
    std::vector<SampleDump> samples;
    /// One erased sample per type id of the class, under the same leaf as its sample.
    std::vector<SampleDump> erasedSamples;
    /// The marker dumps for a dump of `size` bytes; null when the layout searches for nothing.
    std::vector<Marker> (*markers)(int64_t size);
};

/// Every unit's fixtures, in the order of the unit list (decoders/units/CMakeLists.txt).
const std::vector<UnitFixtures>& allUnitFixtures();
