// SPDX-License-Identifier: GPL-3.0-or-later
// fordCm5t: two identifiers, then 15 fault records of 12 bytes, each active or not by its first
// byte; no code has a description.
#include "Fordcm5t.h"

#include "Dtc.h"
#include "DumpReader.h"
#include "RecordTable.h"

namespace {

constexpr DumpField kIdentifiers[] = {{0x210, 17}, {0x130, 17}};

// Fifteen 12-byte records, each active when its first byte is 0x00, with a big-endian code at 4.
// Inactive records may lie between active ones: every record is examined.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x1B14).stride(0xC).count(15).code(wordAt(0x4)).skipUnless(byteAt(0x0), 0x00);
static_assert(kErrorRecords.fitsIn(fordCm5t::kDumpSize));

} // namespace

void fordCm5t::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);
    printTextIdentifiers(dump, kIdentifiers);

    printFaultTable(dump, kErrorRecords, FaultLine::Numbered, [](int32_t code, char* out) {
        describeUndefined(code, kUndefinedFourDigits, out);
    });
}
