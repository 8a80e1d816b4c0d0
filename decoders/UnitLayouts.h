// SPDX-License-Identifier: GPL-3.0-or-later
// What each unit type's layout holds where: the identifier areas it reads and the markers, tags
// and format bytes it looks for. The read check and the ranking by content use these.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

/// A stretch of the dump that a layout reads for identifier text, which a working unit fills.
struct LayoutArea {
    const char* name;
    int32_t offset;
    int32_t length;
};

/// Bytes a layout expects at `from`, `from + stride`, ... below `to`; a fixed marker has a single
/// position (to = from + 1).
struct LayoutMarker {
    const char* name;
    std::string_view bytes;
    int32_t from;
    int32_t to;
    int32_t stride;
};

/// The layout description of one unit type.
struct UnitLayout {
    std::vector<LayoutArea> areas;
    std::vector<LayoutMarker> markers;
};

/// The layout of type `id`; empty for an id without one.
const UnitLayout& unitLayout(int32_t id);

/// The first offset at which `marker` stands in the dump, or -1.
int64_t findMarker(const LayoutMarker& marker, const uint8_t* data, size_t size);
