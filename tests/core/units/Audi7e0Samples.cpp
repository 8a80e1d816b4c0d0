// SPDX-License-Identifier: GPL-3.0-or-later
// audi7E0: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

// The unit has no descriptions: code 0000 gets an empty one, every other code shows undefined.
SampleDump audi7E0() {
    Image dump(0x1000, 0xFF);
    const size_t table = 0x5CC;
    dump.cstring(0x48, "SAMPLE 7E0 959 655 C")
        .cstring(0xFB4, "SAMPLEVIN00000026")
        .put(table, {0x00})
        .be16(table + 4, 0x1234)
        .put(table + 12, {0x00})
        .be16(table + 12 + 4, 0x0000)
        .put(table + 24, {0xFF})
        .be16(table + 24 + 4, 0x5678); // erased: end mark
    return sample(26, "audi7E0", "V.A.G.",
                  "7\xD0\x95"
                  "0 959 655 \xD0\xA1",
                  "codes 1234 and 0000 (the unit has no descriptions), an erased record that "
                  "still holds 5678",
                  std::move(dump),
                  {identifier("SAMPLE 7E0 959 655 C"), identifier("SAMPLEVIN00000026"),
                   "Error codes:", numbered(1, "Undefined error code [1234]"), numbered(2, "")});
}

} // namespace

UnitFixtures Audi7e0Fixtures() {
    UnitFixtures unit{"audi7E0", {}, {}, nullptr};
    unit.samples.push_back(audi7E0());
    unit.erasedSamples.push_back(erased(26, "audi7E0", "V.A.G.",
                                        "7\xD0\x95"
                                        "0 959 655 \xD0\xA1",
                                        0x1000,
                                        "identifiers of 77 and 43 0xFF bytes, no DTC (first record "
                                        "ends the table)",
                                        thenNoDtc(erasedIdentifiers({77, 43}))));
    return unit;
}
