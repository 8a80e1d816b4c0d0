// SPDX-License-Identifier: GPL-3.0-or-later
// ecuG913: raw and text identifiers, an error table ended by code 0, and a crash-record flag.
#include "Hondag913.h"

#include "Dtc.h"
#include "DumpReader.h"
#include "PrintLog.h"
#include "RecordTable.h"

#include <array>

namespace {

// Sixteen 10-byte records led by a big-endian code; code 0x0000 ends the table.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x200).stride(0xA).count(16).code(wordAt(0x0)).endAt(0x0000);
static_assert(kErrorRecords.fitsIn(ecuG913::kDumpSize));

// Neither text has a length of its own: the first runs on into the second when it lacks a NUL.
constexpr int32_t kIdentifierText1 = 0x320;
constexpr int32_t kIdentifierText2 = 0x330;
constexpr DumpField kRawIdentifier = {0x370, 16};
constexpr int32_t kCrashFlag = 0x380;

constexpr std::array<CodeMapEntry, 6> ecuG913CodeMap = {{
    {0x7F, 0x1201},
    {0x83, 0x1101},
    {0xB3, 0x3101},
    {0xA3, 0x2501},
    {0xAB, 0x3301},
    {0xA7, 0x3401},
}};
static_assert(storedCodesUnique(ecuG913CodeMap));

// High byte = circuit, low byte = failure kind. Only rows the map reaches, and the first and
// last row, are held: no other row can be reported.
constexpr std::array<DtcRecord, 8> dtcEcuG913 = {{
    {0xA101, "Faulty 12 volt power or VSS supply or 12 volt power or VSS feed (VA Line)"},
    {0x1101, "open circuited Or high Resistance In Driver Air Bag First Module"},
    {0x1201, "open circuited Or high Resistance In Passenger Air Bag First Module"},
    {0x2501, "open or increased resistance in outer Lap Tensioner"},
    {0x3101, "open circuited Or high Resistance In Driver Side Impact Inflatable Air Bag Module"},
    {0x3301, "open circuited Or high Resistance In Driver Roof Panel Air Bag Module"},
    {0x3401, "open circuited Or high Resistance In Passenger Roof Panel Air Bag Module"},
    {0x9202, "short circuited In Passenger Air Bag Cutoff Indicator"},
}};
static_assert(codesUnique(dtcEcuG913));

} // namespace

void ecuG913::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    printHexIdentifier(dump, kRawIdentifier);

    printJoinedTextIdentifier(dump, kIdentifierText1, kIdentifierText2, "ECU identifier2:");

    printFaultTable(dump, kErrorRecords, FaultLine::Coded,
                    throughMap(ecuG913CodeMap, dtcEcuG913, kUndefinedFourDigits));

    if (dump.u8(kCrashFlag).value_or(0) != 0)
        printLog("Crash data block found");
}
