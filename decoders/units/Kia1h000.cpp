// SPDX-License-Identifier: GPL-3.0-or-later
// kia1H000: up to twenty 12-byte records with big-endian codes, the list ended by a zero code.
#include "Kia1h000.h"

#include "Catalogues.h"
#include "DumpReader.h"
#include "PrintLog.h"
#include "RecordTable.h"

namespace {

// Up to twenty 12-byte records led by a big-endian code; code 0x0000 ends the list.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x200).stride(0xC).count(20).code(wordAt(0x0)).endAt(0x0000);
static_assert(kErrorRecords.fitsIn(kia1H000::kDumpSize));
// Stored codes carry the catalogue code plus this; a code below it gives a negative key that
// no catalogue row matches.
constexpr int32_t kCodeOffset = 0x8000;

constexpr DumpField kIdentifier = {0x400, 59};

} // namespace

void kia1H000::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    printTextIdentifier(dump, kIdentifier, "ECU identifier2:");

    printFaultTable(dump, kErrorRecords, FaultLine::Coded, [](int32_t stored, char* out) {
        lookupDTC(dtcHyundaiKia, stored - kCodeOffset, out);
    });
}
