// SPDX-License-Identifier: GPL-3.0-or-later
// kiaSorento: a text identifier, then ten 10-byte error records, erased ones skipped.
#include "Kiasorento.h"

#include "Catalogues.h"
#include "DumpReader.h"
#include "RecordTable.h"

#include <array>

namespace {

constexpr DumpField kIdentifier = {0xF7, 8};

// Ten 10-byte records; a record's first byte is its code, 0xFF when erased.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x706).stride(0xA).count(10).code(byteAt(0x0)).skip(0xFF);
static_assert(kErrorRecords.fitsIn(kiaSorento::kDumpSize));

constexpr std::array<CodeMapEntry, 15> kiaSorentoCodeMap = {{
    {0x6C, 0x2500},
    {0x6E, 0x2505},
    {0x6F, 0x1102},
    {0x71, 0x1527},
    {0x48, 0x1328},
    {0x46, 0x1326},
    {0x01, 0x1346},
    {0x05, 0x1352},
    {0x09, 0x1361},
    {0x0A, 0x1362},
    {0x0D, 0x1367},
    {0x0F, 0x1369},
    {0x47, 0x1327},
    {0x4B, 0x1331},
    {0x4C, 0x1332},
}};
static_assert(storedCodesUnique(kiaSorentoCodeMap));

} // namespace

void kiaSorento::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    printTextIdentifier(dump, kIdentifier);

    printFaultTable(dump, kErrorRecords, FaultLine::Numbered,
                    throughMap(kiaSorentoCodeMap, dtcHyundaiKia, kUndefinedTwoDigits));
}
