// SPDX-License-Identifier: GPL-3.0-or-later
// hyundaiGetz: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump hyundaiGetz() {
    Image dump(0x200, 0xFF);
    dump.put(0, {0x01, 0x11})
        .put(5, {0x00, 0x0C})  // erased: status 0
        .put(10, {0x01, 0x33}) // not in the catalogue
        .text(0xC8, "SAMPLE 95910-1C010\x08");
    const std::string raw = identifier(dump.hex(0xC8, 19));
    return sample(8, "hyundaiGetz", "Hyundai", "95910-1C010",
                  "codes 11 and 33 (not in the catalogue), an erased record that still holds 0C",
                  std::move(dump),
                  {raw, "Error codes:", "\tError code [11] = B1346 - Driver Airbag Resistance High",
                   std::string("\tError code [33] = Undefined error code [33]") + kReportTo});
}

} // namespace

UnitFixtures HyundaigetzFixtures() {
    UnitFixtures unit{"hyundaiGetz", {}, {}, nullptr};
    unit.samples.push_back(hyundaiGetz());
    unit.erasedSamples.push_back(erased(8, "hyundaiGetz", "Hyundai", "95910-1C010", 0x200,
                                        "38 F digits, no DTC (every status 0xFF)",
                                        thenNoDtc({identifier(std::string(38, 'F'))})));
    return unit;
}
