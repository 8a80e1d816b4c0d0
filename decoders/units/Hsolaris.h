// SPDX-License-Identifier: GPL-3.0-or-later
// Hyundai Accent/Solaris 2012> units: an error list in an ST95320 EEPROM, ended by code 0x00.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class hSolaris : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x1000;
    static constexpr char kInfo[] = "Vehicles: Hyunadi Accent/Solaris 2012>\n"
                                    "IC: EEPROM ST95320\n"
                                    "Not all error codes are completed!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
