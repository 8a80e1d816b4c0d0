// SPDX-License-Identifier: GPL-3.0-or-later
// volvo2011: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump volvo2011() {
    Image dump(0x4000, 0xFF);
    const size_t table = 0xE10;
    dump.text(0xC60, "SAMPLE-P31334278-A")
        .text(0x2970, "SW-0013-001")
        .be16(table + 4, 0xE900)
        .be16(table + 12 + 4, 0x1901)
        .be16(table + 24 + 4, 0x1234)  // not in the code map
        .be16(table + 36 + 4, 0xFFFF)  // end of the table
        .be16(table + 48 + 4, 0xF100); // erased: behind the end mark
    return sample(13, "volvo2011", "Volvo", "P31334278",
                  "codes E900 and 1901 (mapped), 1234 (not in the code map), an erased record "
                  "behind the end mark",
                  std::move(dump),
                  {identifier("SAMPLE-P31334278-A"), identifier("SW-0013-001"),
                   "Error codes:", numbered(1, "B1193 Crash Event Storage Full and Locked"),
                   numbered(2, "B0020 Left Side Airbag Deployment Control"),
                   numbered(3, "Undefined error code [1234]")});
}

} // namespace

UnitFixtures Volvo2011Fixtures() {
    UnitFixtures unit{"volvo2011", {}, {}, nullptr};
    unit.samples.push_back(volvo2011());
    unit.erasedSamples.push_back(
        erased(13, "volvo2011", "Volvo", "P31334278", 0x4000,
               "identifiers of 18 and 11 0xFF bytes, no DTC (first record FFFF)",
               thenNoDtc(erasedIdentifiers({18, 11}))));
    return unit;
}
