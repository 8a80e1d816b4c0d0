// SPDX-License-Identifier: GPL-3.0-or-later
// hyundaiGen: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

#include <cstdio>

namespace {

// The Genesis family: 12-byte slots, a stored code one above the key for variants 1 and 2.
SampleDump hyundaiGen(int32_t id, const char* make, const char* part, size_t size, size_t slots,
                      bool shifted) {
    const uint16_t shift = shifted ? 1 : 0;
    Image dump(size, 0xFF);
    char name[8];
    std::snprintf(name, sizeof name, "SMPL-%02d", int(id));
    dump.text(0x00, name)
        .put(0x0F, {0x01, 0x00, uint8_t(id)})
        .be16(slots + 0 * 12 + 4, uint16_t(0x0050 + shift))
        .be16(slots + 1 * 12 + 4, 0x0023)                   // erased slot
        .be16(slots + 2 * 12 + 4, uint16_t(0x0040 + shift)) // not in the code map
        .be16(slots + 14 * 12 + 4, uint16_t(0x0128 + shift));
    char ident[32];
    std::snprintf(ident, sizeof ident, "%s 01.00.%02X.", name, unsigned(id));
    char contents[160];
    std::snprintf(contents, sizeof contents,
                  "stored codes %04X and %04X (mapped), %04X (not in the code map), an erased "
                  "slot between them",
                  0x50 + shift, 0x128 + shift, 0x40 + shift);
    return sample(id, "hyundaiGen", make, part, contents, std::move(dump),
                  {identifier(ident),
                   "Error codes:", numbered(1, "B1346 Stage Driver airbag resistance too high"),
                   numbered(2, "Undefined error code [40]"),
                   numbered(3, "B2505 Passenger airbag disable lamp failure")});
}

SampleDump erasedHyundaiGen(int32_t id, const char* make, const char* part, size_t size) {
    return erased(id, "hyundaiGen", make, part, size,
                  "identifier of seven 0xFF bytes and FF.FF.FF., no DTC (every slot FFFF)",
                  thenNoDtc({identifier(erasedText(7) + " FF.FF.FF.")}));
}

} // namespace

UnitFixtures HyundaigenFixtures() {
    UnitFixtures unit{"hyundaiGen", {}, {}, nullptr};
    unit.samples.push_back(hyundaiGen(9, "Hyundai", "95910-2M200", 0x2000, 0x9C4, false));
    unit.samples.push_back(hyundaiGen(10, "KIA", "95910-2J580", 0x2000, 0xDBC, true));
    unit.samples.push_back(hyundaiGen(11, "Hyundai", "95910-3M250", 0x2000, 0xA4C, true));
    unit.samples.push_back(hyundaiGen(14, "Hyundai", "95910-4H500", 0x1000, 0x974, false));
    unit.samples.push_back(hyundaiGen(30, "Hyundai", "95910-3L150", 0x1000, 0x968, false));
    unit.erasedSamples.push_back(erasedHyundaiGen(9, "Hyundai", "95910-2M200", 0x2000));
    unit.erasedSamples.push_back(erasedHyundaiGen(10, "KIA", "95910-2J580", 0x2000));
    unit.erasedSamples.push_back(erasedHyundaiGen(11, "Hyundai", "95910-3M250", 0x2000));
    unit.erasedSamples.push_back(erasedHyundaiGen(14, "Hyundai", "95910-4H500", 0x1000));
    unit.erasedSamples.push_back(erasedHyundaiGen(30, "Hyundai", "95910-3L150", 0x1000));
    return unit;
}
