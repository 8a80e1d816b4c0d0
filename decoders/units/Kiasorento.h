// SPDX-License-Identifier: GPL-3.0-or-later
// Kia Sorento 2007 units: ten 10-byte error records in an ST95160 EEPROM.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class kiaSorento : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x800;
    static constexpr char kInfo[] = "Vehicles: Kia Sorento 2007\n"
                                    "IC: EEPROM ST95160\n"
                                    "Not all error codes are completed!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
