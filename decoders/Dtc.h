// SPDX-License-Identifier: GPL-3.0-or-later
// Code maps and the catalogue lookup; the catalogue types themselves come from catalogues/.
#pragma once

#include "DtcCatalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

/// Writes the text of the first row whose code equals `code` into `out` (at least 256 bytes),
/// or "Undefined error code [%04X]" when the catalogue has no such row.
void lookupDTC(const DtcCatalogue& catalogue, int32_t code, char* out);

/// Writes the text of the first row whose code equals `code` into `out` (256 bytes), every row
/// counting, a row with code 0 too; with no such row, `undefinedFormat` filled with `code`. For the
/// decoders that search a private catalogue by themselves rather than through lookupDTC.
void describeFromRows(const DtcCatalogue& rows, int32_t code, const char* undefinedFormat,
                      char* out);

/// One code-map pair: a code as a dump stores it and the catalogue code it stands for.
struct CodeMapEntry {
    int32_t stored;
    int32_t catalogue;
};

/// The catalogue code of `stored` in `map`, first match winning; none when it is not mapped.
template <size_t N>
constexpr std::optional<int32_t> mapCode(const std::array<CodeMapEntry, N>& map, int32_t stored) {
    for (const CodeMapEntry& entry : map)
        if (entry.stored == stored)
            return entry.catalogue;
    return std::nullopt;
}

/// The text of a stored code that a decoder's map does not cover, as most decoders print it.
constexpr char kUndefinedFourDigits[] = "Undefined error code [%04X]";
constexpr char kUndefinedTwoDigits[] = "Undefined error code [%02X]";

/// Writes `undefinedFormat` (a printf format taking the code as unsigned) with `stored` into
/// `out` (256 bytes).
void describeUndefined(int32_t stored, const char* undefinedFormat, char* out);

/// Describes a stored code the way most decoders do: through `map` into `catalogue` with
/// lookupDTC, or with `undefinedFormat` filled with the stored code when the map lacks it.
template <size_t N>
void describeMapped(const std::array<CodeMapEntry, N>& map, const DtcCatalogue& catalogue,
                    int32_t stored, const char* undefinedFormat, char* out) {
    if (const std::optional<int32_t> mapped = mapCode(map, stored))
        lookupDTC(catalogue, *mapped, out);
    else
        describeUndefined(stored, undefinedFormat, out);
}

/// True when no map sends one stored code to two places (a later pair would never be reached).
template <size_t N>
constexpr bool storedCodesUnique(const std::array<CodeMapEntry, N>& map) {
    for (size_t i = 0; i < N; ++i)
        for (size_t j = i + 1; j < N; ++j)
            if (map[i].stored == map[j].stored)
                return false;
    return true;
}
