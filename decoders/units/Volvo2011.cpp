// SPDX-License-Identifier: GPL-3.0-or-later
// volvo2011: two identifiers, then 12-byte fault records with a big-endian code word.
#include "Volvo2011.h"

#include "Catalogues.h"
#include "Dtc.h"

#include <array>

namespace {

constexpr DumpField kIdentifiers[] = {{0xC60, 18}, {0x2970, 11}};

// 25 records of 12 bytes with a big-endian code at 4; code 0xFFFF ends the table.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0xE10).stride(0xC).count(25).code(wordAt(0x4)).endAt(0xFFFF);
static_assert(kErrorRecords.fitsIn(volvo2011::kDumpSize));

constexpr std::array<CodeMapEntry, 8> volvo2011CodeMap = {{
    {0xE900, 0x1193},
    {0x1901, 0x0020},
    {0x9701, 0x1205},
    {0xD900, 0x0021},
    {0xD901, 0x0072},
    {0xF100, 0x0070},
    {0x1101, 0x0080},
    {0x0901, 0x0082},
}};
static_assert(storedCodesUnique(volvo2011CodeMap));

} // namespace

void volvo2011::calcDTC(const uint8_t* data, int32_t size) {
    decodeDump(data, size, kIdentifiers, kErrorRecords,
               throughMap(volvo2011CodeMap, dtcGenericB, kUndefinedTwoDigits));
}
