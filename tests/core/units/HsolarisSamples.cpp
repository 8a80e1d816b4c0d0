// SPDX-License-Identifier: GPL-3.0-or-later
// hSolaris: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump hSolaris() {
    Image dump(0x1000, 0xFF);
    dump.cstring(0x20, "SAMPLE 95910-1R000")
        .put(0xF0 + 3, {0x1A})
        .put(0xF8 + 3, {0xA4})
        .put(0x100 + 3, {0x13})  // not in the code map
        .put(0x108 + 3, {0x00})  // end of the list
        .put(0x110 + 3, {0x7F}); // erased: behind the end mark
    return sample(21, "hSolaris", "Hyundai", "95910-1R000",
                  "codes 1A and A4 (mapped), 13 (not in the code map), an erased record behind "
                  "the end mark",
                  std::move(dump),
                  {"ECU identifier :\n\tSAMPLE 95910-1R000",
                   "Error codes:", numbered(1, "B1346 Stage Driver airbag resistance too high"),
                   numbered(2, "B2500 SRS Warning lamp Failure"),
                   numbered(3, "Undefined error code [13]")});
}

SampleDump erasedHSolaris() {
    // 0xFF is no end mark (0x00 is): all eighteen records are read, and FF has no map entry.
    std::vector<std::string> report = {"ECU identifier :\n\t" + erasedText(20), "Error codes:"};
    for (int n = 1; n <= 18; ++n)
        report.push_back(numbered(n, "Undefined error code [FF]"));
    return erased(21, "hSolaris", "Hyundai", "95910-1R000", 0x1000,
                  "20 0xFF bytes of identifier, eighteen codes FF (no end mark), none in the code "
                  "map",
                  std::move(report));
}

} // namespace

UnitFixtures HsolarisFixtures() {
    UnitFixtures unit{"hSolaris", {}, {}, nullptr};
    unit.samples.push_back(hSolaris());
    unit.erasedSamples.push_back(erasedHSolaris());
    return unit;
}
