// SPDX-License-Identifier: GPL-3.0-or-later
// Citroen C4 2011> units with an ST95640 EEPROM.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class cc4 : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x2000;
    static constexpr char kInfo[] = "Vehicles: Citroen C4 2011>\n"
                                    "IC: EEPROM ST95640\n"
                                    "No codes info yet!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
