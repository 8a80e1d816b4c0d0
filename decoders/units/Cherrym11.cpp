// SPDX-License-Identifier: GPL-3.0-or-later
// cherrym11: fixed-length identifier fields, then error records up to the first empty one; the
// unit's one-byte codes map onto Kia/Hyundai body codes.
#include "Cherrym11.h"

#include "Catalogues.h"
#include "Dtc.h"
#include "DumpReader.h"
#include "Hyundaikia.h"
#include "RecordTable.h"

namespace {

// A NUL inside a field ends its text early.
constexpr DumpField kIdentifiers[] = {{0x80, 3}, {0x86, 9}, {0x91, 17}, {0xA5, 8}};

// Twenty 16-byte records, the code in the second byte; 0xFF in either of the first two bytes
// marks an empty record, which ends the list.
constexpr RecordTable kErrorRecords = RecordTable::from(0xF0)
                                          .stride(0x10)
                                          .count(20)
                                          .code(byteAt(0x1))
                                          .endIf(byteAt(0x0), 0xFF)
                                          .endAt(0xFF);
static_assert(kErrorRecords.fitsIn(cherrym11::kDumpSize));

} // namespace

void cherrym11::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    printTextIdentifiers(dump, kIdentifiers);

    printFaultTable(dump, kErrorRecords, FaultLine::Numbered,
                    throughMap(hyundaiKiaByteCodeMap, dtcHyundaiKia, kUndefinedFourDigits));
}
