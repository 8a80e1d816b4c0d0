// SPDX-License-Identifier: GPL-3.0-or-later
// Cherry M11 2008-2014 units with an AT25640 EEPROM: four identifier fields and error records.
#pragma once

#include "Ecudtc.h"
#include "InfoText.h"

class cherrym11 : public ecuDTC {
public:
    static constexpr int32_t kDumpSize = 0x2000;
    static constexpr char kInfo[] = "Vehicles: Cherry M11 2008-2014\n"
                                    "IC: EEPROM AT25640\n"
                                    "Not all error codes are completed!";

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override { copyInfoText(out, kInfo); }
};
