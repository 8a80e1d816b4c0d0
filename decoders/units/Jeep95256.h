// Jeep/Dodge/Chrysler 2010> units with an ST95256 EEPROM.
#pragma once

#include "Unista.h"

class jeep95256 : public unista {
public:
    static constexpr int32_t kDumpSize = 0x8000;

    int32_t getDumpSize() const override { return kDumpSize; }
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override;
    void describeCode(int code, char* out) const override;
};
