// SPDX-License-Identifier: GPL-3.0-or-later
// Hyundai Genesis/Kia Mohave, Starex and Grandeur units: fault slots in an ST95640/ST95320 EEPROM.
#pragma once

#include "Ecudtc.h"

#include <array>
#include <cstddef>

class hyundaiGen : public ecuDTC {
public:
    /// `variant` 0 to 4 picks the family member; any other value decodes as variant 0.
    explicit hyundaiGen(int32_t variant)
        : variant(variant) {}

    /// Dump sizes by variant: the ST95640 units, then the ST95320 ones.
    static constexpr std::array<int32_t, 5> kDumpSizes = {0x2000, 0x2000, 0x2000, 0x1000, 0x1000};
    static constexpr int32_t dumpSizeOf(int32_t variant) {
        return variant >= 0 && variant < int32_t(kDumpSizes.size()) ? kDumpSizes[size_t(variant)]
                                                                    : kDumpSizes[0];
    }

    int32_t getDumpSize() const override { return dumpSizeOf(variant); }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override;

private:
    const int32_t variant;
};
