// SPDX-License-Identifier: GPL-3.0-or-later
// hondaSPC: its sample dumps (one with stored faults and one erased per type id) and the markers
// that the fuzzer plants for its searches.
#include "UnitFixtures.h"

namespace {

// Blocks found from the top of the flash down by the length and tag before their end.
SampleDump hondaSPC() {
    Image dump(0x10000, 0xFF);
    const size_t records = 0xFFC0;
    dump.cstring(0xC1F0, "SAMPLE-T1G")
        .put(0x10000 - 22, {0x00, 0x40, 0x01, 0x80}) // error block [0xFFC0, 0x10000)
        .put(records + 2, {0x11, 0x13})
        .put(records + 6 + 2, {0x13, 0x00})         // not in the code map
        .put(records + 12 + 2, {0x00, 0x00})        // end of the list
        .put(records + 18 + 2, {0x21, 0x13})        // erased: behind the end mark
        .put(0x8000 - 22, {0x00, 0x40, 0x01, 0xE0}) // identifier block [0x7FC0, 0x8000)
        .text(0x8000 - 62, "SAMPLE-R920-M4");
    return sample(19, "hondaSPC", "Honda", "77960-T1G-R920-M4",
                  "CARID, an identifier block and an error block: code 11 (mapped), 13 (not in "
                  "the code map), an erased record behind the end mark",
                  std::move(dump),
                  {"ECU identifier (CARID):\n\tSAMPLE-T1G", "Found 2 number of blocks",
                   "Found ECU identifier (ECU modif):", "\tSAMPLE-R920-M4",
                   "Searching for error codes blocks:", "found error block 1)",
                   "Error codes (spec-code in braces determines additional info, such as "
                   "short/open/etc):",
                   "\tError 1) code (13) = B0001-13: Open or Increased Resistance in the "
                   "Driver" CP1252_RSQUO "s Airbag 1st Inflator",
                   "\tError 2) code (00) = Undefined error code [0013]", "Done"});
}

std::vector<Marker> markers(int64_t size) {
    // A block's length and tag stand 22 and 20 bytes before its end, which ends on a row.
    return {
        {"one-row identifier blocks throughout", {{{0x00, 0x10, 0x01, 0xE0}, 10, 16}}},
        {"one-row error blocks throughout", {{{0x00, 0x10, 0x01, 0x80}, 10, 16}}},
        {"four-row error blocks throughout", {{{0x00, 0x40, 0x01, 0x80}, 10, 16}}},
        {"one error block as long as the flash", {{{0xFF, 0xF0, 0x01, 0x80}, size - 22}}},
        {"one identifier block as long as the flash", {{{0xFF, 0xF0, 0x01, 0xE0}, size - 22}}},
    };
}

} // namespace

UnitFixtures HondaspcFixtures() {
    UnitFixtures unit{"hondaSPC", {}, {}, markers};
    unit.samples.push_back(hondaSPC());
    unit.erasedSamples.push_back(
        erased(19, "hondaSPC", "Honda", "77960-T1G-R920-M4", 0x10000,
               "CARID of twelve 0xFF bytes, no block (every length FFFF)",
               {"ECU identifier (CARID):\n\t" + erasedText(12), "Found 0 number of blocks",
                "Searching for error codes blocks:", "Done"}));
    return unit;
}
