// SPDX-License-Identifier: GPL-3.0-or-later
// The <type> argument: a type id, or a part number as printed on the unit's label.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct TypeArgument {
    enum Kind {
        /// A type id with a decoder, given as a number or through a leaf's part number.
        WithDecoder,
        /// A number or a make's name: the registry has no decoder for it.
        WithoutDecoder,
        /// Neither a number nor a make or leaf of the tree.
        Unknown,
    };
    Kind kind = Unknown;
    int32_t typeId = 0;
    /// For an unknown text: the part numbers it may have meant, in tree order.
    std::vector<std::string> nearMatches;
};

/// What `text` names: a number of up to three digits is a type id; anything else goes through
/// the part-number lookup (case, blanks, dashes and look-alike letters do not matter), and a
/// longer number that names no leaf is taken as a type id too.
TypeArgument resolveTypeArgument(const std::string& text);

/// Tells on `err` why `argument` (resolved from `text`) cannot be used, and returns the CLI's
/// usage status.
int refuseTypeArgument(const TypeArgument& argument, const std::string& text, std::ostream& err);
