// SPDX-License-Identifier: GPL-3.0-or-later
// Haima-3 unit with an MC68HC912B32: identifier and error records in the internal EEPROM.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class haima3 : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x300;
    static constexpr char kInfo[] = "Vehicles: Haima-3\n"
                                    "IC: MCU MC68HC912B32\n"
                                    "Some errors codes are not decrypted yet.";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
