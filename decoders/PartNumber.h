// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a leaf of the unit-type tree from a part number as a person types it off the label.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// `text` (UTF-8) reduced to what tells part numbers apart: letters in upper case, Cyrillic
/// letters that look like Latin ones written as those, the letter O written as the digit 0, and
/// every ASCII character other than a letter or digit (blanks, dashes, dots, brackets) left out.
/// Other characters stay as they are, so that they match only themselves.
std::string foldPartNumber(std::string_view text);

/// What a typed part number names.
struct PartNumberLookup {
    /// Index into unitTree() of the one leaf named, or kNoLeaf.
    static constexpr size_t kNoLeaf = size_t(-1);
    size_t leaf = kNoLeaf;
    /// The leaves it could mean when it names none exactly (tree order): those whose part number
    /// contains it, or else those within a small typing distance of it.
    std::vector<size_t> candidates;

    bool found() const { return leaf != kNoLeaf; }
};

/// Looks `text` up among the tree's part numbers, after folding both.
PartNumberLookup lookupPartNumber(std::string_view text);

/// Indices into unitTree() of the leaves whose folded part number or make contains the folded
/// `text`, in tree order; every leaf for a text that folds to nothing.
std::vector<size_t> leavesMatching(std::string_view text);

/// True when `text` names a make of the tree (after folding), such as "kia" or "VAG".
bool isMakeName(std::string_view text);
