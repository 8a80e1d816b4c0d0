// SPDX-License-Identifier: GPL-3.0-or-later
// Volkswagen Transporter 2010> units with an ST95320 EEPROM.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class audi7E0 : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x1000;
    static constexpr char kInfo[] = "Vehicles: Volkswagen Transporter 2010>\n"
                                    "IC: EEPROM ST95320\n"
                                    "No codes info!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
