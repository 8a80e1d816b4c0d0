// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue record, the catalogue type and the checks that catalogues run at compile time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

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
