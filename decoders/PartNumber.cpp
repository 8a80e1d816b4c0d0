// SPDX-License-Identifier: GPL-3.0-or-later
// Part numbers as printed: folding away case, separators and look-alike letters, then matching.
#include "PartNumber.h"

#include "Registry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace {

// Cyrillic capitals and small letters that print like a Latin capital.
constexpr std::array<std::pair<char32_t, char>, 30> kLookAlikes = {{
    {U'\u0405', 'S'}, {U'\u0406', 'I'}, {U'\u0408', 'J'}, {U'\u0410', 'A'}, {U'\u0412', 'B'},
    {U'\u0415', 'E'}, {U'\u041A', 'K'}, {U'\u041C', 'M'}, {U'\u041D', 'H'}, {U'\u041E', 'O'},
    {U'\u0420', 'P'}, {U'\u0421', 'C'}, {U'\u0422', 'T'}, {U'\u0423', 'Y'}, {U'\u0425', 'X'},
    {U'\u0430', 'A'}, {U'\u0432', 'B'}, {U'\u0435', 'E'}, {U'\u043A', 'K'}, {U'\u043C', 'M'},
    {U'\u043D', 'H'}, {U'\u043E', 'O'}, {U'\u0440', 'P'}, {U'\u0441', 'C'}, {U'\u0442', 'T'},
    {U'\u0443', 'Y'}, {U'\u0445', 'X'}, {U'\u0455', 'S'}, {U'\u0456', 'I'}, {U'\u0458', 'J'},
}};

// Near matches lie within this many typed characters too many, too few or wrong.
constexpr size_t kNearDistance = 2;
// Shorter texts are too short to judge by distance.
constexpr size_t kShortestNearText = 4;

// The length of the UTF-8 sequence that starts at `text[at]` and its code point, or 1 and the
// byte itself for a byte that starts no valid sequence.
std::pair<size_t, char32_t> decodeUtf8(std::string_view text, size_t at) {
    const auto byte = [&](size_t i) { return uint8_t(text[i]); };
    const uint8_t lead = byte(at);
    const size_t length = lead < 0x80             ? 1
                          : (lead & 0xE0) == 0xC0 ? 2
                          : (lead & 0xF0) == 0xE0 ? 3
                          : (lead & 0xF8) == 0xF0 ? 4
                                                  : 0;
    if (length <= 1 || text.size() - at < length)
        return {1, lead};
    char32_t codePoint = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return {1, lead};
        codePoint = codePoint << 6 | (byte(at + i) & 0x3F);
    }
    return {length, codePoint};
}

char foldAscii(char c) {
    if (c >= 'a' && c <= 'z')
        c = char(c - 'a' + 'A');
    return c == 'O' ? '0' : c;
}

bool isAsciiAlnum(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Texts whose lengths differ by more than the near distance cannot be near.
bool lengthsWithinReach(std::string_view a, std::string_view b) {
    return (a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) <= kNearDistance;
}

size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t replaced = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({replaced, row[j] + 1, row[j - 1] + 1});
        }
    }
    return row[b.size()];
}

// The folded part numbers and makes of the tree, by leaf index, folded once.
struct FoldedTree {
    std::vector<std::string> parts;
    std::vector<std::string> makes;
};

const FoldedTree& foldedTree() {
    static const FoldedTree tree = [] {
        FoldedTree folded;
        for (const UnitTreeLeaf& leaf : unitTree()) {
            folded.parts.push_back(foldPartNumber(leaf.partNumber));
            folded.makes.push_back(foldPartNumber(leaf.make));
        }
        return folded;
    }();
    return tree;
}

} // namespace

std::string foldPartNumber(std::string_view text) {
    std::string folded;
    for (size_t at = 0; at < text.size();) {
        const auto [length, codePoint] = decodeUtf8(text, at);
        if (codePoint < 0x80) {
            if (isAsciiAlnum(codePoint))
                folded += foldAscii(char(codePoint));
        } else {
            const auto alike =
                std::find_if(kLookAlikes.begin(), kLookAlikes.end(),
                             [code = codePoint](const auto& pair) { return pair.first == code; });
            if (alike != kLookAlikes.end())
                folded += foldAscii(alike->second);
            else
                folded.append(text.substr(at, length));
        }
        at += length;
    }
    return folded;
}

PartNumberLookup lookupPartNumber(std::string_view text) {
    PartNumberLookup result;
    const std::string key = foldPartNumber(text);
    if (key.empty())
        return result;
    const FoldedTree& tree = foldedTree();
    std::vector<size_t> exact;
    for (size_t i = 0; i < tree.parts.size(); ++i) {
        if (tree.parts[i] == key)
            exact.push_back(i);
        else if (tree.parts[i].find(key) != std::string::npos)
            result.candidates.push_back(i);
    }
    if (exact.size() == 1) {
        result.leaf = exact.front();
        result.candidates.clear();
        return result;
    }
    if (!exact.empty()) {
        result.candidates = exact;
        return result;
    }
    if (!result.candidates.empty() || key.size() < kShortestNearText)
        return result;
    for (size_t i = 0; i < tree.parts.size(); ++i)
        if (lengthsWithinReach(key, tree.parts[i]) &&
            editDistance(key, tree.parts[i]) <= kNearDistance)
            result.candidates.push_back(i);
    return result;
}

std::vector<size_t> leavesMatching(std::string_view text) {
    const std::string key = foldPartNumber(text);
    const FoldedTree& tree = foldedTree();
    std::vector<size_t> leaves;
    for (size_t i = 0; i < tree.parts.size(); ++i)
        if (tree.parts[i].find(key) != std::string::npos ||
            tree.makes[i].find(key) != std::string::npos)
            leaves.push_back(i);
    return leaves;
}

bool isMakeName(std::string_view text) {
    const std::string key = foldPartNumber(text);
    const std::vector<std::string>& makes = foldedTree().makes;
    return !key.empty() && std::find(makes.begin(), makes.end(), key) != makes.end();
}
