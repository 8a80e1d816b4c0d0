// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252 report text to Unicode and back, losslessly for every byte value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cp1252 {

/// The Unicode code point of a Windows-1252 byte. The five bytes the code page leaves undefined
/// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so that every byte
/// survives a round trip.
char16_t toUnicode(uint8_t byte);

/// The byte that toUnicode maps to `codePoint`, or none when no byte does.
std::optional<uint8_t> fromUnicode(char16_t codePoint);

/// `text` converted to UTF-8.
std::string toUtf8(std::string_view text);

} // namespace cp1252
