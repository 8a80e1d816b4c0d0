// SPDX-License-Identifier: GPL-3.0-or-later
// Ford Focus 2005-2008 units: the internal EEPROM of an HC912D60.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class ford2m5t : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x400;
    static constexpr char kInfo[] = "Vehicles: Ford Focus 2005-2008\n"
                                    "IC: MCU HC912D60\n"
                                    "Not all error codes are completed!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
