// SPDX-License-Identifier: GPL-3.0-or-later
// Honda Accord/Civic 2007> units with an ST95640 EEPROM: a table of 16-bit error codes.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class ecuG913 : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x2000;
    static constexpr char kInfo[] = "Vehicles: Honda Accord/Civic 2007>\n"
                                    "IC: EEPROM ST95640\n"
                                    "Not all error codes are completed!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
