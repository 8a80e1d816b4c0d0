// SPDX-License-Identifier: GPL-3.0-or-later
// panamera: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump panamera() {
    Image dump(0x2000, 0xFF);
    const size_t table = 0x1C80;
    dump.text(0x100, "970618201")
        .cstring(0x10E, "SAMPLE PANAMERA AIRBAG UNIT")
        .cstring(0x209, "SAMPLEVIN00000024")
        .put(table, {0x03, 0x02})
        .put(table + 32, {0xFF, 0x03}) // erased: a free record
        .put(table + 64, {0x08, 0x01}) // not in the code map
        .put(table + 26 * 32, {0x06, 0x0A});
    return sample(24, "panamera", "Porsche", "970.618.201.05",
                  "codes 03 and 06 (mapped), 08 (not in the code map), a free record between "
                  "them",
                  std::move(dump),
                  {identifier("970618201"), identifier("SAMPLE PANAMERA AIRBAG UNIT"),
                   identifier("SAMPLEVIN00000024"), "Error codes:", "\t\tState: Short",
                   numbered(1, "Airbag Igniter 2; Passenger Side (N132)"),
                   numbered(2, "Undefined error code [0008]"),
                   numbered(3, "Side Airbag Igniter; Driver Side (N199)")});
}

} // namespace

UnitFixtures PanameraFixtures() {
    UnitFixtures unit{"panamera", {}, {}, nullptr};
    unit.samples.push_back(panamera());
    unit.erasedSamples.push_back(
        erased(24, "panamera", "Porsche", "970.618.201.05", 0x2000,
               "identifiers of 9, 67 and 21 0xFF bytes, no DTC (every record free)",
               thenNoDtc(erasedIdentifiers({9, 67, 21}))));
    return unit;
}
