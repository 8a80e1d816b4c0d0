// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the read check and the ranking by content: the first byte picks a type id
// (0 for none), the rest is the dump, checked as it is and, cut or padded with erased bytes to
// the size that type takes, ranked over every unit type of that size.
#include "Ranking.h"
#include "ReadCheck.h"
#include "Registry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void expect(bool holds) {
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const auto typeId = int32_t(data[0] % (lastTypeId() + 1));
    for (const ReadFinding& finding : checkRead(data + 1, size - 1, typeId))
        expect(!finding.text.empty() && finding.offset >= 0 && finding.length >= 0 &&
               size_t(finding.offset) <= size - 1);

    const UnitType* type = findUnitType(typeId);
    if (!type)
        return 0;
    std::vector<uint8_t> dump(size_t(type->dumpSize), 0xFF);
    std::memcpy(dump.data(), data + 1, std::min(size - 1, dump.size()));
    const std::vector<RankedLeaf> ranked = rankLeaves(dump.data(), dump.size());
    expect(!ranked.empty());
    for (size_t i = 0; i < ranked.size(); ++i) {
        expect(findUnitType(ranked[i].typeId)->dumpSize == type->dumpSize);
        expect(i == 0 || ranked[i - 1].score >= ranked[i].score);
    }
    return 0;
}
