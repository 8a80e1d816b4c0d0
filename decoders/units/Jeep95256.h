// SPDX-License-Identifier: GPL-3.0-or-later
// Jeep/Dodge/Chrysler 2010> units with an ST95256 EEPROM.
#pragma once

#include "InfoText.h"
#include "Unista.h"

class jeep95256 : public unista {
public:
    static constexpr int32_t kDumpSize = 0x8000;
    static constexpr char kInfo[] = "Vehicles: Jeep/Dodge/Chrysler 2010>\n"
                                    "IC: EEPROM ST95256\n"
                                    "No codes info yet!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
