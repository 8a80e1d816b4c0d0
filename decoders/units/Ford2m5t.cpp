// SPDX-License-Identifier: GPL-3.0-or-later
// ford2m5t: one identifier, then 10-byte fault records whose one-byte code 0xFF ends the table.
#include "Ford2m5t.h"

#include "Catalogues.h"
#include "Dtc.h"
#include "DumpReader.h"
#include "RecordTable.h"

#include <array>

namespace {

constexpr DumpField kIdentifier = {0x27E, 8};

// Eleven 10-byte records, the code in the fourth byte; code 0xFF ends the table.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x1FC).stride(0xA).count(11).code(byteAt(0x3)).endAt(0xFF);
static_assert(kErrorRecords.fitsIn(ford2m5t::kDumpSize));

constexpr std::array<CodeMapEntry, 13> ford2m5tCodeMap = {{
    {0xA8, 0x1462},
    {0x26, 0x1885},
    {0x0D, 0x2232},
    {0x35, 0x1881},
    {0x15, 0x1933},
    {0x1D, 0x2233},
    {0x6D, 0x2477},
    {0x25, 0x1877},
    {0x23, 0x1876},
    {0x69, 0x1318},
    {0x8B, 0x2227},
    {0x05, 0x1932},
    {0x71, 0x1869},
}};
static_assert(storedCodesUnique(ford2m5tCodeMap));

} // namespace

void ford2m5t::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);
    printTextIdentifier(dump, kIdentifier);

    printFaultTable(dump, kErrorRecords, FaultLine::Numbered,
                    throughMap(ford2m5tCodeMap, dtcGenericB, kUndefinedFourDigits));
}
