// SPDX-License-Identifier: GPL-3.0-or-later
// kia1H000: its sample dumps (one with stored faults and one erased per type id).
#include "UnitFixtures.h"

namespace {

SampleDump kia1H000() {
    Image dump(0x2000, 0xFF);
    dump.be16(0x200, 0x9346)
        .be16(0x20C, 0x9101)
        .be16(0x218, 0x1200) // top bit clear: no catalogue row
        .be16(0x224, 0x0000) // end of the list
        .be16(0x230, 0xA505) // erased: behind the end mark
        .cstring(0x400, "SAMPLE 95910-1H000");
    return sample(5, "kia1H000", "KIA", "95910-1H000",
                  "codes 9346, 9101 and 1200 (no catalogue row), an erased record behind the end "
                  "mark",
                  std::move(dump),
                  {"ECU identifier2:\n\tSAMPLE 95910-1H000", "Error codes:",
                   "\tError code [9346] = B1346 Stage Driver airbag resistance too high",
                   "\tError code [9101] = B1101 Ignition voltage high",
                   "\tError code [1200] = Undefined error code [FFFF9200]"});
}

SampleDump erasedKia1H000() {
    // FFFF is no end mark: all twenty records are read, each key 0xFFFF - 0x8000 without a row.
    std::vector<std::string> report = {"ECU identifier2:\n\t" + erasedText(59), "Error codes:"};
    report.insert(report.end(), 20, "\tError code [FFFF] = Undefined error code [7FFF]");
    return erased(5, "kia1H000", "KIA", "95910-1H000", 0x2000,
                  "59 0xFF bytes of identifier, twenty codes FFFF (no end mark), none in the "
                  "catalogue",
                  std::move(report));
}

} // namespace

UnitFixtures Kia1h000Fixtures() {
    UnitFixtures unit{"kia1H000", {}, {}, nullptr};
    unit.samples.push_back(kia1H000());
    unit.erasedSamples.push_back(erasedKia1H000());
    return unit;
}
