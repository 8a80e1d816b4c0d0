// Honda Accord/CR-V 2013> units with an SPC560P50L3: a chain of blocks in the data flash, each
// closed by a header with its length and tag.
#pragma once

#include "Ecudtc.h"

class DumpReader;

class hondaSPC : public ecuDTC {
public:
    int32_t getDumpSize() const override;
    void calcDTC(const uint8_t* data, int32_t size) override;
    void getInfo(char* out) const override;

    static constexpr int32_t kMaxBlocks = 1024;

private:
    void scanBlocks(const DumpReader& dump);

    // The blocks found by the last scan, from the top of the flash down.
    int32_t m_blockStart[kMaxBlocks] = {};
    int32_t m_blockEnd[kMaxBlocks] = {};
    int32_t m_blockTag[kMaxBlocks] = {};
    int32_t m_blockCount = 0;
};
