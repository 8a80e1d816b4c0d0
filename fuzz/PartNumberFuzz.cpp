// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the part-number lookup: any bytes typed as a part number, the tree filter's
// matching and the make names; every answer must name leaves that exist, in tree order.
#include "PartNumber.h"
#include "Registry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void expect(bool holds) {
    if (!holds)
        std::abort();
}

bool ascendingLeaves(const std::vector<size_t>& leaves) {
    for (size_t i = 0; i < leaves.size(); ++i)
        if (leaves[i] >= unitTree().size() || (i > 0 && leaves[i - 1] >= leaves[i]))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    const std::string folded = foldPartNumber(typed);
    expect(folded.size() <= 2 * typed.size());

    const PartNumberLookup lookup = lookupPartNumber(typed);
    expect(ascendingLeaves(lookup.candidates));
    if (lookup.found()) {
        expect(lookup.leaf < unitTree().size() && lookup.candidates.empty());
        expect(foldPartNumber(unitTree()[lookup.leaf].partNumber) == folded);
    }
    const std::vector<size_t> matching = leavesMatching(typed);
    expect(ascendingLeaves(matching));
    if (lookup.found())
        expect(std::find(matching.begin(), matching.end(), lookup.leaf) != matching.end());
    (void)isMakeName(typed);
    return 0;
}
