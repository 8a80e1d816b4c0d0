// SPDX-License-Identifier: GPL-3.0-or-later
// fordCm5t: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump fordCm5t() {
    Image dump(0x2000, 0xFF);
    const size_t table = 0x1B14;
    dump.cstring(0x210, "SAMPLE CM5T-14B32")
        .cstring(0x130, "SAMPLEVIN00000020")
        .put(table, {0x00})
        .be16(table + 4, 0x1234)
        .put(table + 12, {0x01})
        .be16(table + 12 + 4, 0x5678) // erased: not active
        .put(table + 48, {0x00})
        .be16(table + 48 + 4, 0xB001);
    return sample(20, "fordCm5t", "Ford", "CM5T 14B321 AF",
                  "active records with codes 1234 and B001 (the unit has no descriptions), an "
                  "inactive record that still holds 5678",
                  std::move(dump),
                  {identifier("SAMPLE CM5T-14B32"), identifier("SAMPLEVIN00000020"),
                   "Error codes:", numbered(1, "Undefined error code [1234]"),
                   numbered(2, "Undefined error code [B001]")});
}

} // namespace

UnitFixtures Fordcm5tFixtures() {
    UnitFixtures unit{"fordCm5t", {}, {}, nullptr};
    unit.samples.push_back(fordCm5t());
    unit.erasedSamples.push_back(
        erased(20, "fordCm5t", "Ford", "CM5T 14B321 AF", 0x2000,
               "identifiers of 17 and 17 0xFF bytes, no DTC (no record active)",
               thenNoDtc(erasedIdentifiers({17, 17}))));
    return unit;
}
