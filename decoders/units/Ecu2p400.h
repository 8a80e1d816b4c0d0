// SPDX-License-Identifier: GPL-3.0-or-later
// Kia/Hyundai 2007> units with a Freescale MAC7242: fault blocks in the full flash image.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class ecu2p400 : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x50000;
    static constexpr char kInfo[] = "Vehicles: Kia-Hyundai 2007>\n"
                                    "IC: Freescale MAC7242VAF64\n"
                                    "Full flash used";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
