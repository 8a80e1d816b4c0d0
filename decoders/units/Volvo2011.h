// SPDX-License-Identifier: GPL-3.0-or-later
// Volvo S60/S80 2011> units with an ST95128 EEPROM.
#pragma once

#include "InfoText.h"
#include "Unista.h"

class volvo2011 : public unista {
public:
    static constexpr int32_t kDumpSize = 0x4000;
    static constexpr char kInfo[] = "Vehicles: Volvo S60/S80 2011>\n"
                                    "IC: EEPROM ST95128\n"
                                    "No codes info yet!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
