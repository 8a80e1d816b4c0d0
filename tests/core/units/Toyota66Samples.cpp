// SPDX-License-Identifier: GPL-3.0-or-later
// toyota66: its sample dumps (one with stored faults and one erased per type id) and the markers
// that the fuzzer plants for its searches.
#include "UnitFixtures.h"

#include <cstdio>

namespace {

// Active-high flag bytes and their copies from offset N; the unit stores no identifier.
SampleDump toyota66(int32_t id, const char* part, size_t size, uint8_t mappedByte,
                    uint8_t mappedBit, const char* mappedText) {
    const size_t n = 22; // the byte at 0xFF is not 0xFF: 22 flag bytes, with descriptions
    Image dump(size, 0x00);
    const uint8_t unmapped = 0x01; // byte 0x11, bit 0: fault 1101
    dump.put(mappedByte, {mappedBit})
        .put(n + mappedByte, {mappedBit})
        .put(0x11, {unmapped})
        .put(n + 0x11, {unmapped});
    char code[8];
    std::snprintf(code, sizeof code, "%04x", unsigned(mappedByte * 256 + mappedBit));
    return sample(id, "toyota66", "Toyota", part,
                  "no identifier (the unit stores none); a mapped fault flag and flag 1101 (not "
                  "in the code map), every other flag erased",
                  std::move(dump),
                  {"Error codes:", std::string("\tError 1) ") + mappedText + " [" + code + "]",
                   "\tError 2) Undefined error code [1101]"});
}

SampleDump erasedToyota66(int32_t id, const char* part, size_t size) {
    return erased(id, "toyota66", "Toyota", part, size, "first flag byte 0xFF: no usable data",
                  {"Invalid or unsupported EEPROM Data"});
}

std::vector<Marker> markers(int64_t) {
    return {
        {"data present, short layout", {{{0x00}, 0}, {{0xFF}, 0xFF}}},
        {"data present, long layout", {{{0x00}, 0}, {{0x00}, 0xFF}}},
    };
}

} // namespace

UnitFixtures Toyota66Fixtures() {
    UnitFixtures unit{"toyota66", {}, {}, markers};
    unit.samples.push_back(toyota66(16, "89170-XXXXX (LR56)", 0x100, 0x00, 0x02,
                                    "B1000/31 Center Airbag Sensor Assembly Malfunction"));
    unit.samples.push_back(toyota66(17, "89170-XXXXX (LR66)", 0x200, 0x0A, 0x08,
                                    "B1801/51 Open in Driver Side Squib Circuit"));
    unit.erasedSamples.push_back(erasedToyota66(16, "89170-XXXXX (LR56)", 0x100));
    unit.erasedSamples.push_back(erasedToyota66(17, "89170-XXXXX (LR66)", 0x200));
    return unit;
}
