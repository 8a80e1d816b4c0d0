// SPDX-License-Identifier: GPL-3.0-or-later
// Audi Q7 2006> units with an ST95160 EEPROM.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class audi4L0 : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x800;
    static constexpr char kInfo[] = "Vehicles: Audi Q7 2006>\n"
                                    "IC: EEPROM ST95160\n"
                                    "Codes explanation may be not correct or absent!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
