// SPDX-License-Identifier: GPL-3.0-or-later
// The read check over a dump's bytes; thresholds are tuned so that no sample and no random dump
// gives a finding.
#include "ReadCheck.h"

#include "FoldedText.h"
#include "PartNumber.h"
#include "Registry.h"
#include "UnitLayouts.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace {

constexpr uint8_t kErased = 0xFF;
constexpr size_t kLongestTextSearch = 0x100000;
constexpr uint8_t kBlank = 0x00;

std::string hex(int64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string byteValue(uint8_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", unsigned(value));
    return text;
}

std::string meaningOf(uint8_t value) {
    if (value == kErased)
        return "the chip reads as erased or blank";
    if (value == kBlank)
        return "no contact with the chip, or a zero-filled read";
    return "not the contents of a chip";
}

std::optional<ReadFinding> oneValue(const uint8_t* data, size_t size) {
    std::array<size_t, 256> counts{};
    for (size_t i = 0; i < size; ++i)
        ++counts[data[i]];
    const auto top = std::max_element(counts.begin(), counts.end());
    const auto value = uint8_t(top - counts.begin());
    const double share = double(*top) / double(size);
    if (*top == size)
        return ReadFinding{ReadFindingKind::AllOneValue,
                           "every byte is " + byteValue(value) + ": " + meaningOf(value),
                           value,
                           1.0,
                           0,
                           int64_t(size)};
    if (share < kNearlyOneShare)
        return std::nullopt;
    const size_t others = size - *top;
    // A byte of another value next to one more of them belongs to a field or a record.
    size_t lone = 0;
    for (size_t i = 0; i < size; ++i)
        if (data[i] != value && (i == 0 || data[i - 1] == value) &&
            (i + 1 == size || data[i + 1] == value))
            ++lone;
    if (2 * lone <= others || lone < kFewestLoneBytes ||
        double(lone) < kLeastLoneShare * double(size))
        return std::nullopt;
    char percent[16];
    std::snprintf(percent, sizeof percent, "%.1f %%", 100.0 * share);
    return ReadFinding{ReadFindingKind::NearlyOneValue,
                       std::string(percent) + " of the bytes are " + byteValue(value) +
                           " and the others are scattered: a bad contact, or " + meaningOf(value),
                       value,
                       share,
                       0,
                       int64_t(size)};
}

// The shortest period p (a divisor of the size, at least two copies) with which the dump repeats
// its first p bytes.
std::optional<ReadFinding> repeatedImage(const uint8_t* data, size_t size) {
    for (size_t period = 2; 2 * period <= size; ++period) {
        if (size % period != 0 || std::memcmp(data, data + period, size - period) != 0)
            continue;
        return ReadFinding{ReadFindingKind::RepeatedImage,
                           "the dump is " + std::to_string(size / period) +
                               " identical copies of its first " + hex(int64_t(period)) +
                               " bytes: a smaller chip read as a larger one, or an address line "
                               "without contact",
                           0,
                           0,
                           0,
                           int64_t(period)};
    }
    return std::nullopt;
}

// A part number of the tree that reads correctly only with each byte pair swapped.
std::optional<ReadFinding> swappedText(const uint8_t* data, size_t size) {
    // Folded as read only when a swapped match asks for it: most dumps have none.
    std::optional<FoldedText> asRead;
    const FoldedText swapped(data, size, true);
    for (const UnitTreeLeaf& leaf : unitTree()) {
        const std::string key = foldPartNumber(leaf.partNumber);
        const std::optional<FoldedText::Match> at = swapped.find(key);
        if (!at)
            continue;
        if (!asRead)
            asRead.emplace(data, size);
        if (asRead->find(key))
            continue;
        const int64_t word = at->offset & ~int64_t(1);
        return ReadFinding{ReadFindingKind::SwappedText,
                           "the part number " + std::string(leaf.partNumber) + " at " + hex(word) +
                               " reads correctly only with each byte pair swapped: the dump was "
                               "saved with its 16-bit words byte-swapped",
                           0,
                           0,
                           word,
                           at->offset + at->length - word};
    }
    return std::nullopt;
}

} // namespace

std::vector<ReadFinding> erasedAreas(const uint8_t* data, size_t size, int32_t typeId) {
    std::vector<ReadFinding> findings;
    for (const LayoutArea& area : unitLayout(typeId).areas) {
        if (area.length <= 0 || size_t(area.offset) > size ||
            size - size_t(area.offset) < size_t(area.length))
            continue;
        const uint8_t* first = data + area.offset;
        const uint8_t value = *first;
        if ((value != kErased && value != kBlank) ||
            !std::all_of(first, first + area.length, [&](uint8_t byte) { return byte == value; }))
            continue;
        findings.push_back({ReadFindingKind::ErasedArea,
                            std::string("the ") + area.name + " " + hex(area.offset) + "-" +
                                hex(area.offset + area.length - 1) + " is " +
                                (value == kErased ? "erased (all 0xFF)" : "blank (all 0x00)"),
                            value, 0, area.offset, area.length});
    }
    return findings;
}

std::vector<ReadFinding> checkRead(const uint8_t* data, size_t size, int32_t typeId) {
    std::vector<ReadFinding> findings;
    if (!data || size == 0)
        return findings;
    const std::optional<ReadFinding> filled = oneValue(data, size);
    if (filled)
        findings.push_back(*filled);
    if (filled && filled->kind == ReadFindingKind::AllOneValue)
        return findings;
    if (const std::optional<ReadFinding> repeated = repeatedImage(data, size))
        findings.push_back(*repeated);
    // The largest unit holds 320 KiB; a far larger file is no dump, and folding it whole would
    // cost memory to no purpose.
    const std::optional<ReadFinding> swapped =
        size <= kLongestTextSearch ? swappedText(data, size) : std::nullopt;
    if (swapped)
        findings.push_back(*swapped);
    const UnitType* type = findUnitType(typeId);
    if (type && size_t(type->dumpSize) == size)
        for (ReadFinding& area : erasedAreas(data, size, typeId))
            findings.push_back(std::move(area));
    return findings;
}
