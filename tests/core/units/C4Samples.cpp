// SPDX-License-Identifier: GPL-3.0-or-later
// cc4: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

// The unit's code map routes no stored code to its catalogue: every code shows as undefined.
SampleDump cc4() {
    Image dump(0x2000, 0xFF);
    dump.be16(0x00, 0x7150)
        .be16(0x20, 0x0001)
        .put(0x40, {0xFF, 0x12}) // end of the table
        .be16(0x60, 0x1234)      // erased: behind the end mark
        .cstring(0x406, "SAMPLEVIN0000015C4");
    return sample(15, "cc4", "Citroen", "96 779 092 80",
                  "VIN, codes 7150 and 0001 (the unit's map describes none), an erased record "
                  "behind the end mark",
                  std::move(dump),
                  {"ECU identifier (VIN):\n\tSAMPLEVIN0000015C4",
                   "Error codes:", numbered(1, "Undefined error code [7150]"),
                   numbered(2, "Undefined error code [0001]")});
}

} // namespace

UnitFixtures C4Fixtures() {
    UnitFixtures unit{"cc4", {}, {}, nullptr};
    unit.samples.push_back(cc4());
    // The VIN holds no NUL; wherever the decoder stops copying it, the entry reaches the sink's
    // maximum length.
    unit.erasedSamples.push_back(
        erased(15, "cc4", "Citroen", "96 779 092 80", 0x2000,
               "a VIN without a NUL byte (cut at the longest report entry), no DTC (first record "
               "starts FF)",
               thenNoDtc({cut("ECU identifier (VIN):\n\t" + erasedText(0x2000 - 0x406))})));
    return unit;
}
