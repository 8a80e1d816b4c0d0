// SPDX-License-Identifier: GPL-3.0-or-later
// audi4L0: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump audi4L0() {
    Image dump(0x800, 0xFF);
    dump.be16(0, 0xADA4)
        .be16(6, 0x0D00)
        .be16(12, 0x1234) // not in the code map
        .be16(18, 0xFFFF) // end of the table
        .be16(24, 0x1900) // erased: behind the end mark
        .cstring(0x395, "SAMPLE 4L0 959 655 C")
        .cstring(0x3D3, "SAMPLEVIN00000027");
    return sample(27, "audi4L0", "V.A.G.", "4L0 959 655 C",
                  "codes ADA4 and 0D00 (mapped), 1234 (not in the code map), an erased record "
                  "behind the end mark",
                  std::move(dump),
                  {identifier("SAMPLE 4L0 959 655 C"), identifier("SAMPLEVIN00000027"),
                   "Error codes:", numbered(1, "Crash Data Stored"),
                   numbered(2, "Side Airbag Igniter; Driver Side (N199)"),
                   numbered(3, "Undefined error code [1234]")});
}

} // namespace

UnitFixtures Audi4l0Fixtures() {
    UnitFixtures unit{"audi4L0", {}, {}, nullptr};
    unit.samples.push_back(audi4L0());
    unit.erasedSamples.push_back(
        erased(27, "audi4L0", "V.A.G.", "4L0 959 655 C", 0x800,
               "identifiers of 44 and 22 0xFF bytes, no DTC (first code FFFF)",
               thenNoDtc(erasedIdentifiers({44, 22}))));
    return unit;
}
