// SPDX-License-Identifier: GPL-3.0-or-later
// Ranking the unit types that take a dump's size by what the dump holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// One leaf of the unit-type tree as a candidate for a dump.
struct RankedLeaf {
    /// Index into unitTree().
    size_t leaf;
    int32_t typeId;
    int score;
    /// Why, one short phrase each, in the order they were weighed.
    std::vector<std::string> reasons;
};

/// Points for each kind of evidence; a candidate's score is their sum.
namespace rankingPoints {
constexpr int kPartNumber = 50;
constexpr int kMarkerPerByte = 5;
constexpr int kMarkerMost = 20;
constexpr int kReadableIdentifier = 10;
constexpr int kReadableIdentifiersMost = 3;
constexpr int kUnreadableIdentifier = -5;
constexpr int kKnownCode = 4;
constexpr int kKnownCodesMost = 5;
constexpr int kUndefinedCode = -4;
constexpr int kUndefinedCodesMost = 10;
constexpr int kInvalidData = -30;
constexpr int kErasedArea = -10;
} // namespace rankingPoints

/// Every leaf whose unit type takes a dump of `size` bytes, best first. Equal scores keep the
/// tree's order, so the result depends on the bytes alone.
std::vector<RankedLeaf> rankLeaves(const uint8_t* data, size_t size);

/// The reasons joined with "; ".
std::string joinReasons(const RankedLeaf& candidate);
