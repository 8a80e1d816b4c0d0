// SPDX-License-Identifier: GPL-3.0-or-later
// Hyundai Elantra Coupe 2013> units: fifteen 24-byte error records in an ST95128 EEPROM.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class elantra13 : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x4000;
    static constexpr char kInfo[] = "Vehicles: Hyundai Elantra Coupe 2013>\n"
                                    "IC: EEPROM ST95128\n"
                                    "Not all error codes are completed!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
