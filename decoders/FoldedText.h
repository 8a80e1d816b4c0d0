// SPDX-License-Identifier: GPL-3.0-or-later
// Searching a dump for texts such as part numbers, the way a person would read them off it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The dump's bytes folded like foldPartNumber folds a typed text: letters in upper case, the
/// letter O as the digit 0, blanks, dashes, dots, slashes and brackets left out. Every other byte
/// (NUL, 0xFF, control and 8-bit bytes) separates texts, so that no match runs across it.
class FoldedText {
public:
    /// Folds `size` bytes at `data`; with `swapPairs` each 16-bit word is read with its two bytes
    /// swapped (a lone last byte is kept as it is).
    FoldedText(const uint8_t* data, size_t size, bool swapPairs = false);

    struct Match {
        /// Dump offset of the match's first byte.
        int64_t offset;
        /// Bytes from there to its last byte, separators included.
        int64_t length;
    };

    /// Where the first match of the folded `key` lies, or none.
    std::optional<Match> find(std::string_view key) const;

private:
    std::string m_text;
    std::vector<uint32_t> m_offsets;
};
