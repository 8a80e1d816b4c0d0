// SPDX-License-Identifier: GPL-3.0-or-later
// Hyundai Getz 2007> units: ten 5-byte error records in a 25LC040/24LC040 EEPROM.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class hyundaiGetz : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x200;
    static constexpr char kInfo[] = "Vehicles: Hyundai Getz 2007>\n"
                                    "IC: EEPROM 25LC040 or 24LC040\n"
                                    "Not all error codes are completed!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
