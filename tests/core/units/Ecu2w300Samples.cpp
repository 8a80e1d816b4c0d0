// SPDX-License-Identifier: GPL-3.0-or-later
// ecu2w300: its sample dumps (one with stored faults and one erased per type id) and the markers
// that the fuzzer plants for its searches.
#include "UnitFixtures.h"

namespace {

// 128-byte pages: an identifier page and an error block of four pages, codes little-endian.
SampleDump ecu2w300() {
    Image dump(0x10000, 0x00);
    dump.put(0x0080, {0x00, 0x01, 0x01, 0xFF})
        .cstring(0x0088, "SAMPLE 95910-2W300")
        .put(0x0200, {0x00, 0x01, 0x04, 0xFF})
        .le16(0x0200 + 16, 0x1346)
        .le16(0x0200 + 30, 0xFFFF) // erased record
        .le16(0x0200 + 44, 0x1101)
        .le16(0x0200 + 160, 0x1200); // no catalogue row
    return sample(2, "ecu2w300", "Hyundai", "95910-2W300",
                  "an identifier page and an error block at 0x200: B1346, B1101 and code 1200 (not "
                  "in the catalogue), one erased record",
                  std::move(dump),
                  {"ECU identifier block:", "\t[SAMPLE 95910-2W300]\n",
                   "ECU error block 00000200:", "\tB1346 Stage Driver airbag resistance too high",
                   "\tB1101 Ignition voltage high", "\tUndefined error code [1200]"});
}

std::vector<Marker> markers(int64_t) {
    return {
        {"identifier tag on every page", {{be32(0x000101FF), 0, 0x80}}},
        {"error tag on every page", {{be32(0x000104FF), 0, 0x80}}},
        {"identifier and error tags alternating",
         {{be32(0x000101FF), 0, 0x100}, {be32(0x000104FF), 0x80, 0x100}}},
        {"a different tag on every page", {{be32(0x00010001), 0, 0x80, -1, 1}}},
    };
}

} // namespace

UnitFixtures Ecu2w300Fixtures() {
    UnitFixtures unit{"ecu2w300", {}, {}, markers};
    unit.samples.push_back(ecu2w300());
    unit.erasedSamples.push_back(
        erased(2, "ecu2w300", "Hyundai", "95910-2W300", 0x10000,
               "512 pages tagged FFFFFFFF: the twelve beyond 500 overflow the tag's positions, "
               "nothing else is reported",
               std::vector<std::string>(12, "Limit of blocks positions are exhausted\n")));
    return unit;
}
