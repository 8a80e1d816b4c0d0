// SPDX-License-Identifier: GPL-3.0-or-later
// mits221: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump mits221() {
    Image dump(0x2000, 0x00);
    const size_t table = 0x9F4;
    dump.put(0x1A94, {0x01})
        .cstring(0x1A94 + 10, "SAMPLE-ASX")
        .cstring(0x1A94 + 22, "8635A221")
        .cstring(0x1B33, "SAMPLEVIN00000004")
        .put(table + 3, {0x01, 0x00, 0x68})
        .put(table + 12 + 3, {0x00, 0x00, 0x78})  // erased: status 0
        .put(table + 24 + 3, {0x01, 0x00, 0x22}); // not in the catalogue
    return sample(4, "mits221", "Mitsubishi", "8635A221",
                  "identifier, VIN, code 68 and code 22 (not in the catalogue), one erased record "
                  "that still holds code 78",
                  std::move(dump),
                  {identifier("SAMPLE-ASX 8635A221"), "ECU VIN:\n\tSAMPLEVIN00000004",
                   "Error codes:", "\tError code [68] = b1481 - driver airbag open",
                   std::string("\tError code [22] = Undefined error code [22]") + kReportTo});
}

SampleDump erasedMits221() {
    // The record starts at 0x1A90 (its first byte is not 0); its texts at 0x1A9A and 0x1AA6 hold
    // no NUL. Every status byte is 0xFF: no record is used.
    return erased(
        4, "mits221", "Mitsubishi", "8635A221", 0x2000,
        "identifier texts that run on to the end of the dump (cut at the longest report entry), "
        "a VIN of eighteen 0xFF bytes, no DTC (every status 0xFF)",
        thenNoDtc({cut(identifier(erasedText(0x2000 - 0x1A9A) + " " + erasedText(0x2000 - 0x1AA6))),
                   "ECU VIN:\n\t" + erasedText(18)}));
}

} // namespace

UnitFixtures Mits221Fixtures() {
    UnitFixtures unit{"mits221", {}, {}, nullptr};
    unit.samples.push_back(mits221());
    unit.erasedSamples.push_back(erasedMits221());
    return unit;
}
