// SPDX-License-Identifier: GPL-3.0-or-later
// elantra13: fifteen 24-byte error records, erased ones skipped, and a text identifier.
#include "Elantra13.h"

#include "Catalogues.h"
#include "DumpReader.h"
#include "Hyundaikia.h"
#include "RecordTable.h"

namespace {

// Fifteen 24-byte records; a record's first byte is its code, 0xFF when erased.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x110).stride(0x18).count(15).code(byteAt(0x0)).skip(0xFF);
static_assert(kErrorRecords.fitsIn(elantra13::kDumpSize));

constexpr DumpField kIdentifier = {0x2200, 14};

} // namespace

void elantra13::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    printTextIdentifier(dump, kIdentifier);

    printFaultTable(dump, kErrorRecords, FaultLine::Numbered,
                    throughMap(hyundaiKiaByteCodeMap, dtcHyundaiKia, kUndefinedTwoDigits));
}
