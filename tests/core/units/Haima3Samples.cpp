// SPDX-License-Identifier: GPL-3.0-or-later
// haima3: its sample dumps (one with stored faults and one erased per type id) and the markers that
// the fuzzer plants for its searches.
#include "UnitFixtures.h"

namespace {

SampleDump haima3() {
    Image dump(0x300, 0xFF);
    dump.text(0x000, "SAMPLE 0285010105\x01\x02")
        .put(0x230, {0x40, 0x07})
        .put(0x23A, {0x00, 0x0F})  // erased: no occupied marker
        .put(0x244, {0x40, 0x20})  // not in the catalogue
        .put(0x24E, {0x40, 0xAA}); // end of the list
    const std::string raw = identifier(dump.hex(0x000, 19));
    return sample(6, "haima3", "Haima", "0 285 010 105",
                  "codes 07 and 20 (not in the catalogue), an erased record that still holds 0F",
                  std::move(dump),
                  {raw, "Error codes:", "\tError code [07] = driver airbag fault",
                   std::string("\tError code [32] = Undefined error code [20]") + kReportTo});
}

std::vector<Marker> markers(int64_t) {
    return {
        {"every record occupied", {{{0x40}, 0x230, 10, 0x230 + 100}}},
        {"every record occupied, end of list codes", {{{0x40, 0xAA}, 0x230, 10, 0x230 + 100}}},
    };
}

} // namespace

UnitFixtures Haima3Fixtures() {
    UnitFixtures unit{"haima3", {}, {}, markers};
    unit.samples.push_back(haima3());
    unit.erasedSamples.push_back(
        erased(6, "haima3", "Haima", "0 285 010 105", 0x300,
               "38 F digits, no DTC (no record carries the occupied marker)",
               thenNoDtc({identifier(std::string(38, 'F'))})));
    return unit;
}
