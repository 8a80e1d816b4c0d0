// Hyundai Genesis/Kia Mohave, Starex and Grandeur units: fault slots in an ST95640/ST95320 EEPROM.
#pragma once

#include "Ecudtc.h"

class hyundaiGen : public ecuDTC {
public:
    /// `variant` 0 to 4 picks the family member; any other value decodes as variant 0.
    explicit hyundaiGen(int32_t variant)
        : variant(variant) {}

    int32_t getDumpSize() const override;
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override;

private:
    const int32_t variant;
};
