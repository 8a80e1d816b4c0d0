// SPDX-License-Identifier: GPL-3.0-or-later
// cherrym11: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump cherrym11() {
    Image dump(0x2000, 0xFF);
    dump.text(0x80, "M11")
        .text(0x86, "3606010BB")
        .text(0x91, "SAMPLEVIN00000025")
        .text(0xA5, "SW000025")
        .put(0xF0, {0x00, 0x54})
        .put(0x100, {0x00, 0x12})  // not in the code map
        .put(0x110, {0xFF, 0xFF})  // end of the list
        .put(0x120, {0x00, 0x04}); // erased: behind the end mark
    return sample(25, "cherrym11", "Cherry", "3606010BB",
                  "four identifier fields, code 54 (mapped), 12 (not in the code map), an erased "
                  "record behind the end mark",
                  std::move(dump),
                  {identifier("M11"), identifier("3606010BB"), identifier("SAMPLEVIN00000025"),
                   identifier("SW000025"),
                   "Error codes:", numbered(1, "B2500 SRS Warning lamp Failure"),
                   numbered(2, "Undefined error code [0012]")});
}

} // namespace

UnitFixtures Cherrym11Fixtures() {
    UnitFixtures unit{"cherrym11", {}, {}, nullptr};
    unit.samples.push_back(cherrym11());
    unit.erasedSamples.push_back(
        erased(25, "cherrym11", "Cherry", "3606010BB", 0x2000,
               "identifiers of 3, 9, 17 and 8 0xFF bytes, no DTC (first record "
               "empty)",
               thenNoDtc(erasedIdentifiers({3, 9, 17, 8}))));
    return unit;
}
