// SPDX-License-Identifier: GPL-3.0-or-later
// Nissan 2007> units with an LR56 EEPROM: active-low fault flags in adjacent pairs behind a marker.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class nissan56 : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x100;
    static constexpr char kInfo[] = "Vehicles: Nissan Qashqai, Pathfinder etc. 2007>\n"
                                    "IC: EEPROM LR56\n"
                                    "Not all error codes are decoded!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
