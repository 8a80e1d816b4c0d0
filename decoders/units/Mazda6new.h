// SPDX-License-Identifier: GPL-3.0-or-later
// Mazda 6/CX-5 2011> units with an Infineon XC2361A: blocks chained over tagged flash pages.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class Mazda6new : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x10000;
    static constexpr char kInfo[] = "Vehicles: Mazda 6/CX-5 2011>\n"
                                    "IC: Infineon XC2361A\n"
                                    "Flash-03 used";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
