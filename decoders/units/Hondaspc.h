// SPDX-License-Identifier: GPL-3.0-or-later
// Honda Accord/CR-V 2013> units with an SPC560P50L3: a chain of blocks in the data flash, each
// closed by a header with its length and tag.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class hondaSPC : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x10000;
    static constexpr char kInfo[] = "Vehicles: Honda Accord/CR-V 2013>\n"
                                    "MCU: SPC560P50L3\n"
                                    "No codes info yet!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
