// SPDX-License-Identifier: GPL-3.0-or-later
// ford2m5t: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump ford2m5t() {
    Image dump(0x400, 0xFF);
    const size_t table = 0x1FC;
    dump.put(table + 3, {0x05})
        .put(table + 10 + 3, {0x0D})
        .put(table + 20 + 3, {0x01}) // not in the code map
        .put(table + 30 + 3, {0xFF}) // end of the table
        .put(table + 40 + 3, {0x15}) // erased: behind the end mark
        .text(0x27E, "SMPL2M5T");
    return sample(23, "ford2m5t", "Ford", "2M5T 14B056 BE",
                  "codes 05 and 0D (mapped), 01 (not in the code map), an erased record behind "
                  "the end mark",
                  std::move(dump),
                  {identifier("SMPL2M5T"),
                   "Error codes:", numbered(1, "B1932 Air Bag Driver Circuit Open"),
                   numbered(2, "B2232 Air Bag Driver Circuit Open " CP1252_NDASH " Loop #2"),
                   numbered(3, "Undefined error code [0001]")});
}

} // namespace

UnitFixtures Ford2m5tFixtures() {
    UnitFixtures unit{"ford2m5t", {}, {}, nullptr};
    unit.samples.push_back(ford2m5t());
    unit.erasedSamples.push_back(erased(23, "ford2m5t", "Ford", "2M5T 14B056 BE", 0x400,
                                        "identifier of eight 0xFF bytes, no DTC (first code FF)",
                                        thenNoDtc(erasedIdentifiers({8}))));
    return unit;
}
