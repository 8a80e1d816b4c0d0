// SPDX-License-Identifier: GPL-3.0-or-later
// audi4L0: 6-byte fault records from the dump's first byte, ended by code 0xFFFF, then mapped
// into the VAG fault numbers.
#include "Audi4l0.h"

#include "Catalogues.h"
#include "Dtc.h"
#include "DumpReader.h"
#include "RecordTable.h"

#include <array>

namespace {

constexpr DumpField kIdentifiers[] = {{0x395, 44}, {0x3D3, 22}};

// 26 records of 6 bytes from the dump's first byte, led by a big-endian code; 0xFFFF ends them.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x000).stride(0x6).count(26).code(wordAt(0x0)).endAt(0xFFFF);
static_assert(kErrorRecords.fitsIn(audi4L0::kDumpSize));

constexpr std::array<CodeMapEntry, 8> audi4L0CodeMap = {{
    {0xADA4, 0x0253},
    {0x6C00, 0x0636},
    {0x0F80, 0x028E},
    {0x1080, 0x028F},
    {0x1900, 0x0634},
    {0x1C00, 0x0635},
    {0x0D00, 0x04C1},
    {0x02B7, 0x0003},
}};
static_assert(storedCodesUnique(audi4L0CodeMap));

} // namespace

void audi4L0::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);
    printTextIdentifiers(dump, kIdentifiers);

    printFaultTable(dump, kErrorRecords, FaultLine::Numbered,
                    throughMap(audi4L0CodeMap, dtcVag, kUndefinedFourDigits));
}
