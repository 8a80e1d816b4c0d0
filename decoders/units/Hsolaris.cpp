// SPDX-License-Identifier: GPL-3.0-or-later
// hSolaris: up to eighteen 8-byte error records, the list ended by a zero code.
#include "Hsolaris.h"

#include "Catalogues.h"
#include "DumpReader.h"
#include "PrintLog.h"
#include "RecordTable.h"

#include <array>

namespace {

constexpr DumpField kIdentifier = {0x20, 20};

// Up to eighteen 8-byte records, the code in the fourth byte; code 0x00 ends the list.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0xF0).stride(0x8).count(18).code(byteAt(0x3)).endAt(0x00);
static_assert(kErrorRecords.fitsIn(hSolaris::kDumpSize));

constexpr std::array<CodeMapEntry, 10> hSolarisCodeMap = {{
    {0xA4, 0x2500},
    {0x1F, 0x1352},
    {0x24, 0x1361},
    {0x29, 0x1367},
    {0x1A, 0x1346},
    {0x17, 0x1334},
    {0x12, 0x1329},
    {0x7D, 0x1620},
    {0x7F, 0x1650},
    {0xA3, 0x1762},
}};
static_assert(storedCodesUnique(hSolarisCodeMap));

} // namespace

void hSolaris::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    printTextIdentifier(dump, kIdentifier, "ECU identifier :");

    printFaultTable(dump, kErrorRecords, FaultLine::Numbered,
                    throughMap(hSolarisCodeMap, dtcHyundaiKia, kUndefinedTwoDigits));
}
