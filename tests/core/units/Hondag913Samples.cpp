// SPDX-License-Identifier: GPL-3.0-or-later
// ecuG913: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump ecuG913() {
    Image dump(0x2000, 0x00);
    dump.be16(0x200, 0x0083)
        .be16(0x20A, 0x1234) // not in the code map
        .be16(0x214, 0x0000) // end of the table
        .be16(0x21E, 0x007F) // erased: behind the end mark
        .cstring(0x320, "SAMPLE-G913")
        .cstring(0x330, "M1-0003")
        .text(0x370, "SAMPLE0000000003")
        .put(0x380, {0x01});
    const std::string raw = identifier(dump.hex(0x370, 16));
    return sample(3, "ecuG913", "Honda", "77960-TL0-G914-M1",
                  "codes 83 (mapped) and 1234 (not in the code map), an erased record behind the "
                  "end mark, a crash record flag",
                  std::move(dump),
                  {raw, "ECU identifier2:\n\tSAMPLE-G913 M1-0003", "Error codes:",
                   "\tError code [83] = open circuited Or high Resistance In Driver Air Bag First "
                   "Module",
                   "\tError code [1234] = Undefined error code [1234]", "Crash data block found"});
}

SampleDump erasedEcuG913() {
    // Both texts hold no NUL and run to the end of the dump; FFFF is no end mark, so all sixteen
    // records are read; the crash flag is not 0.
    std::vector<std::string> report = {
        identifier(std::string(32, 'F')),
        cut("ECU identifier2:\n\t" + erasedText(0x2000 - 0x320) + " " + erasedText(0x2000 - 0x330)),
        "Error codes:"};
    report.insert(report.end(), 16, "\tError code [FFFF] = Undefined error code [FFFF]");
    report.push_back("Crash data block found");
    return erased(3, "ecuG913", "Honda", "77960-TL0-G914-M1", 0x2000,
                  "identifier of 32 F digits, both texts run on to the end of the dump (cut at the "
                  "longest report entry), sixteen codes FFFF and the crash record flag",
                  std::move(report));
}

} // namespace

UnitFixtures Hondag913Fixtures() {
    UnitFixtures unit{"ecuG913", {}, {}, nullptr};
    unit.samples.push_back(ecuG913());
    unit.erasedSamples.push_back(erasedEcuG913());
    return unit;
}
