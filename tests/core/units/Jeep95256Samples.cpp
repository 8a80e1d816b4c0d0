// SPDX-License-Identifier: GPL-3.0-or-later
// jeep95256: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump jeep95256() {
    Image dump(0x8000, 0xFF);
    dump.text(0x40, "SAMPLE-JEEP-29")
        .text(0xD0, "SW-0000029")
        .text(0x50, "SAMPLEVIN00000029")
        .put(0x400 + 1, {0x58})
        .put(0x410 + 1, {0x64})
        .put(0x420 + 1, {0x01})  // not in the code map
        .put(0x430 + 1, {0xFF})  // end of the table
        .put(0x440 + 1, {0x06}); // erased: behind the end mark
    return sample(29, "jeep95256", "Chrysler", "P68069504AB",
                  "codes 58 and 64 (mapped), 01 (not in the code map), an erased record behind "
                  "the end mark",
                  std::move(dump),
                  {identifier("SAMPLE-JEEP-29"), identifier("SW-0000029"),
                   identifier("SAMPLEVIN00000029"),
                   "Error codes:", numbered(1, "B212C-IGNITION RUN/START INPUT CIRCUIT OPEN"),
                   numbered(2, "U0173-LOST COMMUNICATION W/LEFT SIDE SATELLITE ACCELERATION "
                               "SENSOR 2"),
                   numbered(3, "Undefined error code [0001]")});
}

} // namespace

UnitFixtures Jeep95256Fixtures() {
    UnitFixtures unit{"jeep95256", {}, {}, nullptr};
    unit.samples.push_back(jeep95256());
    unit.erasedSamples.push_back(
        erased(29, "jeep95256", "Chrysler", "P68069504AB", 0x8000,
               "identifiers of 14, 10 and 17 0xFF bytes, no DTC (first code FF)",
               thenNoDtc(erasedIdentifiers({14, 10, 17}))));
    return unit;
}
