// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing two reads of one chip, byte for byte: the window and the CLI tell the same result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// How many differing offsets a comparison keeps and tells.
constexpr size_t kListedOffsets = 8;

struct DumpComparison {
    size_t sizeA = 0;
    size_t sizeB = 0;
    /// Bytes that differ within the length both reads share.
    size_t differingBytes = 0;
    /// The first differing offsets, ascending, at most kListedOffsets.
    std::vector<size_t> firstOffsets;

    bool identical() const { return sizeA == sizeB && differingBytes == 0; }
};

/// Compares `a` (`sizeA` bytes) with `b` (`sizeB` bytes). Neither is changed.
DumpComparison compareDumps(const uint8_t* a, size_t sizeA, const uint8_t* b, size_t sizeB);

/// The result in a few sentences, one per line, without a final newline.
std::string describeComparison(const DumpComparison& comparison);
