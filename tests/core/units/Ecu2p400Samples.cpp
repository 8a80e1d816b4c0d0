// SPDX-License-Identifier: GPL-3.0-or-later
// ecu2p400: its sample dumps (one with stored faults and one erased per type id) and the markers
// that the fuzzer plants for its searches.
#include "UnitFixtures.h"

namespace {

// Flash of 0x50000 bytes: one error block in area A, the identifier behind the areas.
SampleDump ecu2p400() {
    Image dump(0x50000, 0xFF);
    const size_t records = 0x40004;
    dump.put(0x40000, {0x00, 0x25, 0x06, 0x06})
        .be16(records + 0 + 8, 0x1346)
        .be16(records + 16 + 8, 0x0000) // erased record
        .be16(records + 32 + 8, 0x2505)
        .be16(records + 200 + 8, 0x1200) // no catalogue row
        .put(0x48030, {0x00, 0x04})
        .cstring(0x48034, "SAMPLE 95910-2P400");
    return sample(1, "ecu2p400", "KIA", "95910-2P400",
                  "one error block: B1346, B2505 and code 1200 (not in the catalogue), one erased "
                  "record",
                  std::move(dump),
                  {"ECU error block:", "\tB1346 Stage Driver airbag resistance too high",
                   "\tB2505 Passenger airbag disable lamp failure", "\tUndefined error code [1200]",
                   "ECU identifier block:\nSAMPLE 95910-2P400"});
}

std::vector<Marker> markers(int64_t) {
    const std::vector<uint8_t> block = {0x00, 0x25, 0x06, 0x06};
    return {
        {"block marker on every 16-byte step", {{block, 0, 16}}},
        {"area A unused, block marker on every step of area B",
         {{block, 0x44000, 16}, {{0x00, 0x00, 0xFF, 0xFF}, 0x40000}}},
        {"block marker everywhere, identifier tag", {{block, 0, 16}, {{0x00, 0x04}, 0x48030}}},
        {"identifier tag alone", {{{0x00, 0x04}, 0x48030}}},
    };
}

} // namespace

UnitFixtures Ecu2p400Fixtures() {
    UnitFixtures unit{"ecu2p400", {}, {}, markers};
    unit.samples.push_back(ecu2p400());
    unit.erasedSamples.push_back(erased(1, "ecu2p400", "KIA", "95910-2P400", 0x50000,
                                        "no error block marker, no identifier tag: an empty report",
                                        {}));
    return unit;
}
