// SPDX-License-Identifier: GPL-3.0-or-later
// Mazda6new: its sample dumps (one with stored faults and one erased per type id) and the markers
// that the fuzzer plants for its searches.
#include "UnitFixtures.h"

namespace {

// Tagged 128-byte pages; a kind-4 error block has 32-byte records, code at 8, type at 14.
SampleDump mazda6new() {
    Image dump(0x10000, 0x00);
    const size_t payload = 0x0204;
    dump.put(0x0080, {0x02, 0x01, 0x01, 0xFF})
        .cstring(0x0080 + 88, "SAMPLE KD45-57K30B")
        .put(0x0200, {0x00, 0x01, 0x04, 0xFF})
        .put(payload + 4 + 8, {0x88})
        .put(payload + 4 + 14, {0x2A})
        .put(payload + 36 + 8, {0xFF}) // erased record
        .put(payload + 36 + 14, {0x11})
        .put(payload + 68 + 8, {0x40}) // not in the code map
        .put(payload + 68 + 14, {0x01});
    return sample(22, "Mazda6new", "Mazda", "KD45-57K30B",
                  "an identifier page and a kind-4 error block: code 88 (mapped), 40 (not in the "
                  "code map), an erased record",
                  std::move(dump),
                  {"ECU identifier block:\n\tSAMPLE KD45-57K30B", "Error block found",
                   "\tError type (2A) code B0020 Left Side Airbag Deployment Control",
                   "\tError type (01) code Undefined error code [40]"});
}

std::vector<Marker> markers(int64_t) {
    std::vector<Marker> markers = {
        {"identifier tag on every page", {{be32(0x020101FF), 0, 0x80}}},
        {"a different tag on every page", {{be32(0x00010001), 0, 0x80, -1, 1}}},
    };
    static const char* const kEvery[] = {
        "kind 3 error tag on every page", "kind 4 error tag on every page",
        "kind 5 error tag on every page", "kind 6 error tag on every page"};
    static const char* const kChain[] = {
        "kind 3 error block chained over the flash", "kind 4 error block chained over the flash",
        "kind 5 error block chained over the flash", "kind 6 error block chained over the flash"};
    for (uint32_t kind = 3; kind <= 6; ++kind) {
        const uint32_t tag = 0x000100FF | kind << 8;
        markers.push_back({kEvery[kind - 3], {{be32(tag), 0, 0x80}}});
        markers.push_back({kChain[kind - 3], {{be32(tag), 0, 0x80, -1, 0x10000}}});
    }
    return markers;
}

} // namespace

UnitFixtures Mazda6newFixtures() {
    UnitFixtures unit{"Mazda6new", {}, {}, markers};
    unit.samples.push_back(mazda6new());
    unit.erasedSamples.push_back(
        erased(22, "Mazda6new", "Mazda", "KD45-57K30B", 0x10000,
               "512 pages tagged FFFFFFFF, none of the searched tags: an empty "
               "report",
               {}));
    return unit;
}
