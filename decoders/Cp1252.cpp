// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-1252 code page, with its undefined bytes kept as C1 controls.
#include "Cp1252.h"

#include <array>

namespace cp1252 {
namespace {

// 0x80 to 0x9F; every other byte equals its code point.
constexpr std::array<char16_t, 32> kHighControls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

} // namespace

char16_t toUnicode(uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

std::optional<uint8_t> fromUnicode(char16_t codePoint) {
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == codePoint)
            return uint8_t(0x80 + i);
    if (codePoint <= 0xFF && (codePoint < 0x80 || codePoint > 0x9F))
        return uint8_t(codePoint);
    return std::nullopt;
}

std::string toUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (char c : text) {
        const char16_t u = toUnicode(uint8_t(c));
        if (u < 0x80) {
            utf8 += char(u);
        } else if (u < 0x800) {
            utf8 += char(0xC0 | (u >> 6));
            utf8 += char(0x80 | (u & 0x3F));
        } else {
            utf8 += char(0xE0 | (u >> 12));
            utf8 += char(0x80 | ((u >> 6) & 0x3F));
            utf8 += char(0x80 | (u & 0x3F));
        }
    }
    return utf8;
}

} // namespace cp1252
