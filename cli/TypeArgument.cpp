// SPDX-License-Identifier: GPL-3.0-or-later
// Resolving the <type> argument through the part-number lookup, and telling why one is refused.
#include "TypeArgument.h"

#include "Cli.h"
#include "PartNumber.h"
#include "QuotedName.h"
#include "Registry.h"

namespace {

constexpr size_t kLongestTypeId = 3;

bool isNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

TypeArgument typeById(int32_t id) {
    TypeArgument argument;
    argument.typeId = id;
    argument.kind = createDecoder(id) ? TypeArgument::WithDecoder : TypeArgument::WithoutDecoder;
    return argument;
}

} // namespace

TypeArgument resolveTypeArgument(const std::string& text) {
    if (isNumber(text) && text.size() <= kLongestTypeId)
        return typeById(std::stoi(text));
    const PartNumberLookup lookup = lookupPartNumber(text);
    if (lookup.found())
        return typeById(unitTree()[lookup.leaf].typeId);
    if (isNumber(text) || isMakeName(text))
        return typeById(0);
    TypeArgument unknown;
    for (size_t leaf : lookup.candidates)
        unknown.nearMatches.emplace_back(unitTree()[leaf].partNumber);
    return unknown;
}

int refuseTypeArgument(const TypeArgument& argument, const std::string& text, std::ostream& err) {
    if (argument.kind != TypeArgument::Unknown) {
        err << "faultwise-cli: Sorry. No DTC calc for this item.\n";
        return kCliUsage;
    }
    err << "faultwise-cli: unknown unit type '" << quotedName(text) << "'\n";
    if (!argument.nearMatches.empty()) {
        err << "faultwise-cli: near matches:";
        for (size_t i = 0; i < argument.nearMatches.size(); ++i)
            err << (i == 0 ? " " : ", ") << argument.nearMatches[i];
        err << '\n';
    }
    return kCliUsage;
}
