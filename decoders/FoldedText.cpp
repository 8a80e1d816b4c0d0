// SPDX-License-Identifier: GPL-3.0-or-later
// Folding a dump's bytes into searchable text, with the offset of every folded character kept.
#include "FoldedText.h"

#include <algorithm>
#include <limits>

namespace {

constexpr char kSeparator = '\x01';

bool isIgnored(uint8_t byte) {
    switch (byte) {
    case ' ':
    case '-':
    case '.':
    case '/':
    case '(':
    case ')':
    case '_':
        return true;
    default:
        return false;
    }
}

char fold(uint8_t byte) {
    if (byte >= 'a' && byte <= 'z')
        byte = uint8_t(byte - 'a' + 'A');
    if (byte == 'O')
        return '0';
    if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z'))
        return char(byte);
    return kSeparator;
}

} // namespace

FoldedText::FoldedText(const uint8_t* data, size_t size, bool swapPairs) {
    // Offsets are kept in 32 bits; dump files end far below 4 GiB.
    size = std::min<size_t>(size, std::numeric_limits<uint32_t>::max());
    m_text.reserve(size / 4);
    m_offsets.reserve(size / 4);
    for (size_t i = 0; i < size; ++i) {
        const size_t at = swapPairs && (i ^ 1) < size ? i ^ 1 : i;
        const uint8_t byte = data[at];
        if (isIgnored(byte))
            continue;
        const char folded = fold(byte);
        // A run of separators counts as one: erased flash folds to almost nothing.
        if (folded == kSeparator && !m_text.empty() && m_text.back() == kSeparator)
            continue;
        m_text += folded;
        m_offsets.push_back(uint32_t(swapPairs ? i : at));
    }
}

std::optional<FoldedText::Match> FoldedText::find(std::string_view key) const {
    if (key.empty())
        return std::nullopt;
    const size_t at = m_text.find(key);
    if (at == std::string::npos)
        return std::nullopt;
    const int64_t first = m_offsets[at];
    return Match{first, int64_t(m_offsets[at + key.size() - 1]) - first + 1};
}
