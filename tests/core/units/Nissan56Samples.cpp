// SPDX-License-Identifier: GPL-3.0-or-later
// nissan56: its sample dumps (one with stored faults and one erased per type id) and the markers
// that the fuzzer plants for its searches.
#include "UnitFixtures.h"

namespace {

// Active-low flag pairs behind the marker; the unit stores no identifier.
SampleDump nissan56() {
    Image dump(0x100, 0xFF);
    const size_t faults = 0x12 + 0x3C; // version 2.0: the byte at 0xFD is not 0
    dump.put(0x00, {0x30})
        .put(0x10, {0x5A, 0xA5})
        .put(faults + 0, {0xEF, 0xEF})  // pair 0, bit 4: code 0010, not in the catalogue
        .put(faults + 2, {0xFE, 0xFE}); // pair 1, bit 0: code 0101
    return sample(7, "nissan56", "Nissan", "98820XXXXX (LR56)",
                  "no identifier (the unit stores none); fault flags 0010 (not in the catalogue) "
                  "and 0101, every other flag erased",
                  std::move(dump),
                  {"Version 2.0 found", "Error codes:",
                   std::string("\tError 1) Undefined error code") + kReportTo + " [0010]",
                   "\tError 2) B1049 Driver airbag open circuit [0101]"});
}

std::vector<Marker> markers(int64_t size) {
    return {
        {"format byte, marker at each position, version 1",
         {{{0x5A, 0xA5}, 1, 1}, {{0x30}, 0}, {{0x00}, size - 3}},
         true},
        {"format byte, marker at each position, version 2",
         {{{0x5A, 0xA5}, 1, 1}, {{0x30}, 0}, {{0x01}, size - 3}},
         true},
        {"format byte and markers everywhere",
         {{{0x5A, 0xA5}, 0, 2}, {{0x30}, 0}, {{0x00}, size - 3}}},
    };
}

} // namespace

UnitFixtures Nissan56Fixtures() {
    UnitFixtures unit{"nissan56", {}, {}, markers};
    unit.samples.push_back(nissan56());
    unit.erasedSamples.push_back(erased(7, "nissan56", "Nissan", "98820XXXXX (LR56)", 0x100,
                                        "no format byte: invalid data", {"Invalid EEPROM data"}));
    return unit;
}
