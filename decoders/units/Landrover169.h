// SPDX-License-Identifier: GPL-3.0-or-later
// Land Rover Range Rover 2007> units with an ST95320 EEPROM.
#pragma once

#include "InfoText.h"
#include "Unista.h"

class landrover169 : public unista {
public:
    static constexpr int32_t kDumpSize = 0x1000;
    static constexpr char kInfo[] = "Vehicles: Landrover Rangerover 2007>\n"
                                    "IC: EEPROM ST95320\n"
                                    "No codes info yet!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
