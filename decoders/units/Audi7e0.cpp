// SPDX-License-Identifier: GPL-3.0-or-later
// audi7E0: 12-byte fault records ended by a record whose first byte is 0xFF; only code 0 has a
// (blank) description.
#include "Audi7e0.h"

#include "Dtc.h"
#include "DumpReader.h"
#include "RecordTable.h"

#include <array>

namespace {

constexpr DumpField kIdentifiers[] = {{0x48, 77}, {0xFB4, 43}};

// 24 records of 12 bytes with a big-endian code at 4; a first byte of 0xFF ends the table.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x5CC).stride(0xC).count(24).code(wordAt(0x4)).endIf(byteAt(0x0), 0xFF);
static_assert(kErrorRecords.fitsIn(audi7E0::kDumpSize));

// Searched by its own loop rather than lookupDTC, for which a code-0 row ends the catalogue.
constexpr std::array<DtcRecord, 1> dtcAudi7E0 = {{
    {0x0000, ""},
}};

} // namespace

void audi7E0::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);
    printTextIdentifiers(dump, kIdentifiers);

    printFaultTable(dump, kErrorRecords, FaultLine::Numbered,
                    fromRows(dtcAudi7E0, kUndefinedFourDigits));
}
