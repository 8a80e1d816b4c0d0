// SPDX-License-Identifier: GPL-3.0-or-later
// Kia/Hyundai 2012> units with an Infineon XC2361A: tagged 128-byte pages in the data flash.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class ecu2w300 : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x10000;
    static constexpr char kInfo[] = "Vehicles: Kia-Hyundai 2012>\n"
                                    "IC: Infineon XC2361A\n"
                                    "Flash-03 used";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
