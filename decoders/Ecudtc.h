// SPDX-License-Identifier: GPL-3.0-or-later
// The interface every unit decoder implements.
#pragma once

#include <cstdint>

/// A decoder for one unit type's memory layout. The registry creates one for a single use.
class ecuDTC {
public:
    virtual ~ecuDTC() = default;

    /// The exact size in bytes that a dump of this unit type must have.
    virtual int32_t getDumpSize() const = 0;

    /// Finds the fault records in `data` (exactly getDumpSize() bytes) and prints the report
    /// through printLog. Never reads outside the dump.
    virtual void calcDTC(const uint8_t* data, int32_t size) = 0;

    /// Copies the unit type's info text, NUL-terminated, into `out` (1024 bytes).
    virtual void getInfo(char* out) const { (void)out; }
};

/// Size of the buffer that callers hand to getInfo.
constexpr int32_t kInfoTextSize = 1024;
