// SPDX-License-Identifier: GPL-3.0-or-later
// landrover169: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump landrover169() {
    Image dump(0x1000, 0xFF);
    const std::string name = "SAMPLE RANGE ROVER 0 285 010 169";
    dump.text(0x4CA, name)
        .text(0x4CA + name.size(), std::string(60 - name.size(), '\0')) // shown as blanks
        .text(0x19, "SAMPLEVIN00000028")
        .be16(0x318 + 4, 0x016E)
        .be16(0x318 + 12 + 4, 0x0200)  // not in the code map
        .be16(0x318 + 24 + 4, 0xFFFF)  // end of the table
        .be16(0x318 + 36 + 4, 0x0191); // erased: behind the end mark
    return sample(28, "landrover169", "LandRover", "0 285 010 169",
                  "codes 016E (mapped) and 0200 (not in the code map), an erased record behind "
                  "the end mark",
                  std::move(dump),
                  {identifier(name + std::string(60 - name.size(), ' ')),
                   identifier("SAMPLEVIN00000028"),
                   "Error codes:", numbered(1, "B1193 Crash Event Storage Full and Locked"),
                   numbered(2, "Undefined error code [0200]")});
}

} // namespace

UnitFixtures Landrover169Fixtures() {
    UnitFixtures unit{"landrover169", {}, {}, nullptr};
    unit.samples.push_back(landrover169());
    unit.erasedSamples.push_back(
        erased(28, "landrover169", "LandRover", "0 285 010 169", 0x1000,
               "identifiers of 60 and 17 0xFF bytes, no DTC (first code FFFF)",
               thenNoDtc(erasedIdentifiers({60, 17}))));
    return unit;
}
