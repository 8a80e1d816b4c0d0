// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing two reads: counts every differing byte but keeps only the first offsets, so that two
// unrelated 320 KiB files give a short answer.
#include "CompareDumps.h"

#include <algorithm>
#include <cstdio>

DumpComparison compareDumps(const uint8_t* a, size_t sizeA, const uint8_t* b, size_t sizeB) {
    DumpComparison result;
    result.sizeA = sizeA;
    result.sizeB = sizeB;
    const size_t common = std::min(sizeA, sizeB);
    for (size_t offset = 0; offset < common; ++offset) {
        if (a[offset] == b[offset])
            continue;
        if (result.differingBytes++ < kListedOffsets)
            result.firstOffsets.push_back(offset);
    }
    return result;
}

namespace {

std::string bytes(size_t count) {
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

std::string offsets(const DumpComparison& comparison) {
    std::string text = comparison.firstOffsets.size() == 1 ? "First differing offset: "
                                                           : "First differing offsets: ";
    char hex[24];
    for (size_t i = 0; i < comparison.firstOffsets.size(); ++i) {
        std::snprintf(hex, sizeof hex, "%s0x%04zX", i ? ", " : "", comparison.firstOffsets[i]);
        text += hex;
    }
    if (comparison.differingBytes > comparison.firstOffsets.size())
        text += ", ...";
    return text;
}

} // namespace

std::string describeComparison(const DumpComparison& comparison) {
    if (comparison.identical())
        return "The reads are identical (" + bytes(comparison.sizeA) + ").";
    std::string text;
    if (comparison.sizeA == comparison.sizeB) {
        text = "The reads differ in " + std::to_string(comparison.differingBytes) + " of " +
               bytes(comparison.sizeA) + ".";
    } else {
        const size_t common = std::min(comparison.sizeA, comparison.sizeB);
        text = "The reads differ in size: " + bytes(comparison.sizeA) + " and " +
               bytes(comparison.sizeB) + ".";
        if (common == 0)
            return text;
        text += "\nOf the first " + bytes(common) + ", ";
        if (comparison.differingBytes == 0)
            return text + "none differ.";
        text += std::to_string(comparison.differingBytes) +
                (comparison.differingBytes == 1 ? " differs." : " differ.");
    }
    return text + "\n" + offsets(comparison);
}
