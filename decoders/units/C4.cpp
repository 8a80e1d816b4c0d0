// SPDX-License-Identifier: GPL-3.0-or-later
// cc4: the VIN, then 32-byte fault records ended by a first byte of 0xFF; the code map routes
// no stored code to a catalogue row, so every code prints as undefined.
#include "C4.h"

#include "Dtc.h"
#include "DumpReader.h"
#include "PrintLog.h"
#include "RecordTable.h"

#include <array>

namespace {

// The VIN's local buffer holds 1024 characters with the NUL: an erased EEPROM has no NUL to end
// the text, so it stops after 1023 or at the dump's end, whichever comes first.
constexpr DumpField kVin = {0x406, 1023};

// 25 records of 32 bytes led by a big-endian code. A first byte of 0xFF ends the table: that is
// the code's high byte, so no code above 0xFEFF is ever stored.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x000).stride(0x20).count(25).code(wordAt(0x0)).endIf(byteAt(0x0), 0xFF);
static_assert(kErrorRecords.fitsIn(cc4::kDumpSize));

constexpr std::array<CodeMapEntry, 1> cc4CodeMap = {{
    {0, 0},
}};

// The maker's four-digit codes. Only the rows whose texts are known are listed; the map reaches
// none of them.
constexpr std::array dtcCc4 = {
    DtcRecord{0x7150, "7150 Vehicle speed data fault : Not characterised"},
    DtcRecord{0xF6E0, "F6E0 Rear impact detection fault : Not characterised"},
};
static_assert(codesAscend(dtcCc4));

} // namespace

void cc4::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);
    printTextIdentifier(dump, kVin, "ECU identifier (VIN):");

    printFaultTable(dump, kErrorRecords, FaultLine::Numbered,
                    throughMap(cc4CodeMap, dtcCc4, kUndefinedFourDigits));
}
