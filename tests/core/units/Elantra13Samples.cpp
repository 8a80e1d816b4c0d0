// SPDX-License-Identifier: GPL-3.0-or-later
// elantra13: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump elantra13() {
    Image dump(0x4000, 0xFF);
    dump.put(0x110, {0x04})
        .put(0x110 + 24, {0xFF}) // erased record
        .put(0x110 + 48, {0xBE})
        .put(0x110 + 72, {0x0B}) // not in the code map
        .cstring(0x2200, "SAMPLE 3X200");
    return sample(18, "elantra13", "Hyundai", "95910-3X200",
                  "codes 04 and BE (mapped), 0B (not in the code map), an erased record",
                  std::move(dump),
                  {identifier("SAMPLE 3X200"),
                   "Error codes:", numbered(1, "B1346 Stage Driver airbag resistance too high"),
                   numbered(2, "B1800 Crash side detection for door unlock"),
                   numbered(3, "Undefined error code [0B]")});
}

} // namespace

UnitFixtures Elantra13Fixtures() {
    UnitFixtures unit{"elantra13", {}, {}, nullptr};
    unit.samples.push_back(elantra13());
    unit.erasedSamples.push_back(erased(18, "elantra13", "Hyundai", "95910-3X200", 0x4000,
                                        "identifier of fourteen 0xFF bytes, no DTC (every code FF)",
                                        thenNoDtc(erasedIdentifiers({14}))));
    return unit;
}
