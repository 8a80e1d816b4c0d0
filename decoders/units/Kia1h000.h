// SPDX-License-Identifier: GPL-3.0-or-later
// Kia Ceed 2006> units: an error list in an AT25640 EEPROM whose codes are catalogue codes
// offset by 0x8000.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class kia1H000 : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x2000;
    static constexpr char kInfo[] = "Vehicles: Kia Ceed 2006>\n"
                                    "IC: EEPROM AT25640\n"
                                    "Not all error codes are completed!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
