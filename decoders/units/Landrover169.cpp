// SPDX-License-Identifier: GPL-3.0-or-later
// landrover169: two identifiers, then 12-byte fault records with a big-endian code word.
#include "Landrover169.h"

#include "Catalogues.h"
#include "Dtc.h"

#include <array>

namespace {

constexpr DumpField kIdentifiers[] = {{0x4CA, 60}, {0x19, 17}};

// 25 records of 12 bytes with a big-endian code at 4; code 0xFFFF ends the table.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x318).stride(0xC).count(25).code(wordAt(0x4)).endAt(0xFFFF);
static_assert(kErrorRecords.fitsIn(landrover169::kDumpSize));

constexpr std::array<CodeMapEntry, 2> landrover169CodeMap = {{
    {0x016E, 0x1193},
    {0x0191, 0x1A55},
}};
static_assert(storedCodesUnique(landrover169CodeMap));

} // namespace

void landrover169::calcDTC(const uint8_t* data, int32_t size) {
    decodeDump(data, size, kIdentifiers, kErrorRecords,
               throughMap(landrover169CodeMap, dtcGenericB, kUndefinedFourDigits));
}
