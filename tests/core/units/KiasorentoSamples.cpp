// SPDX-License-Identifier: GPL-3.0-or-later
// kiaSorento: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump kiaSorento() {
    Image dump(0x800, 0xFF);
    dump.text(0xF7, "SMP3E050")
        .put(0x706, {0x01})
        .put(0x710, {0xFF}) // erased record
        .put(0x71A, {0x6F})
        .put(0x724, {0x30}); // not in the code map
    return sample(
        12, "kiaSorento", "KIA", "95910-3E050",
        "codes 01 and 6F (mapped), 30 (not in the code map), an erased record", std::move(dump),
        {identifier("SMP3E050"),
         "Error codes:", numbered(1, "B1346 Stage Driver airbag resistance too high"),
         numbered(2, "B1102 Ignitionvoltage low"), numbered(3, "Undefined error code [30]")});
}

} // namespace

UnitFixtures KiasorentoFixtures() {
    UnitFixtures unit{"kiaSorento", {}, {}, nullptr};
    unit.samples.push_back(kiaSorento());
    unit.erasedSamples.push_back(erased(12, "kiaSorento", "KIA", "95910-3E050", 0x800,
                                        "identifier of eight 0xFF bytes, no DTC (every code FF)",
                                        thenNoDtc(erasedIdentifiers({8}))));
    return unit;
}
