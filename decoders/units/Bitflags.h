// SPDX-License-Identifier: GPL-3.0-or-later
// Fault flags kept one bit per fault, each flag byte stored twice: the walk and its report lines.
#pragma once

#include "ReportShape.h"

#include <cstdint>
#include <optional>

/// Which bit value marks a stored fault.
enum class ActiveBit { Low, High };

/// Writes the description of fault `code` into `out` (256 bytes).
using DescribeFault = void (*)(int32_t code, char* out);

/// Prints one line per active flag bit, numbered across all bytes, and "\tNo DTC" when none.
/// Without a describe function every line carries an empty description.
class FlagFaults {
public:
    FlagFaults(ActiveBit active, DescribeFault describe)
        : m_active(active)
        , m_describe(describe) {}

    /// Flag byte `index` and its copy. A byte that differs from its copy, or that the dump does
    /// not hold, cannot be trusted: it prints the checksum line and none of its bits.
    void printByte(int32_t index, std::optional<uint8_t> flags, std::optional<uint8_t> copy);

    void printNoDtcIfNone() const;

private:
    ActiveBit m_active;
    DescribeFault m_describe;
    FaultLines m_faults;
};
