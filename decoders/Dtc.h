// Fault-code catalogues, code maps and the catalogue lookup.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

/// Size of the buffer that receives a description.
constexpr size_t kDescriptionSize = 256;

/// One catalogue row: a fault code and its Windows-1252 description. A text longer than 255
/// bytes does not compile.
struct DtcRecord {
    int32_t code;
    char text[kDescriptionSize];
};

/// A constant catalogue: its rows and their count. A row with code 0 ends it early.
class DtcCatalogue {
public:
    template <size_t N>
    constexpr DtcCatalogue(const std::array<DtcRecord, N>& rows)
        : m_rows(rows.data())
        , m_count(N) {}

    constexpr const DtcRecord* begin() const { return m_rows; }
    constexpr const DtcRecord* end() const { return m_rows + m_count; }
    constexpr size_t size() const { return m_count; }

private:
    const DtcRecord* m_rows;
    size_t m_count;
};

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

/// True when the row codes of `rows[first, last)` strictly ascend; catalogues check this at
/// compile time where their order is promised.
template <size_t N>
constexpr bool codesAscend(const std::array<DtcRecord, N>& rows, size_t first = 0,
                           size_t last = N) {
    for (size_t i = first + 1; i < last; ++i)
        if (rows[i - 1].code >= rows[i].code)
            return false;
    return true;
}

/// True when every text begins with "B", the row's code as four upper-case hex digits and a
/// blank, as the body-code catalogues promise.
template <size_t N>
constexpr bool textsStartWithBodyCode(const std::array<DtcRecord, N>& rows, size_t last = N) {
    constexpr char kHex[] = "0123456789ABCDEF";
    for (size_t i = 0; i < last; ++i) {
        const DtcRecord& row = rows[i];
        if (row.text[0] != 'B' || row.text[5] != ' ')
            return false;
        for (int digit = 0; digit < 4; ++digit)
            if (row.text[1 + digit] != kHex[(row.code >> (12 - 4 * digit)) & 0xF])
                return false;
    }
    return true;
}

/// True when no two rows share a code.
template <size_t N>
constexpr bool codesUnique(const std::array<DtcRecord, N>& rows) {
    for (size_t i = 0; i < N; ++i)
        for (size_t j = i + 1; j < N; ++j)
            if (rows[i].code == rows[j].code)
                return false;
    return true;
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
