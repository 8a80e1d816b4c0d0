// SPDX-License-Identifier: GPL-3.0-or-later
// Toyota units with an LR56 or LR66 EEPROM: active-high fault flags, then a block of their copies.
#pragma once

#include "Ecudtc.h"

class toyota66 : public ecuDTC {
public:
    /// `variant` 1 is the 512-byte LR66, anything else the 256-byte LR56.
    explicit toyota66(int32_t variant)
        : variant(variant) {}

    static constexpr int32_t kVariantLr66 = 1;
    static constexpr int32_t dumpSizeOf(int32_t variant) {
        return variant == kVariantLr66 ? 0x200 : 0x100;
    }

    int32_t getDumpSize() const override { return dumpSizeOf(variant); }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override;

private:
    const int32_t variant;
};
