// SPDX-License-Identifier: GPL-3.0-or-later
// hyundaiGetz: a status byte decides each error record; codes come from the unit's own
// catalogue, and an unknown one asks to be reported.
#include "Hyundaigetz.h"

#include "Dtc.h"
#include "DumpReader.h"
#include "PrintLog.h"
#include "RecordTable.h"

#include <array>

namespace {

// Ten 5-byte records: a status byte, 0x00 when the record is empty and 0xFF when erased, then
// the code. The status alone decides: a used record with code 0x00 or 0xFF is still reported.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x00).stride(0x5).count(10).code(byteAt(0x1)).skipIf(byteAt(0x0), 0x00, 0xFF);
static_assert(kErrorRecords.fitsIn(hyundaiGetz::kDumpSize));

constexpr DumpField kIdentifier = {0xC8, 19};

constexpr std::array<DtcRecord, 15> dtcHyundaiGetz = {{
    {0x0C, "B1650 - Crash Recorded"},
    {0x0D, "B1651 - Crash Recorded"},
    {0x0E, "B1652 - Crash Recorded"},
    {0x0F, "B1655 - Crash Recorded ??"},
    {0x10, "B1345 - Driver Airbag Open"},
    {0x11, "B1346 - Driver Airbag Resistance High"},
    {0x12, "B1347 - Driver Airbag Resistance Low"},
    {0x13, "B1348 - Driver Airbag Short to Ground"},
    {0x14, "B1349 - Driver Airbag Short to Battery"},
    {0x1C, "B1351 - Passenger airbag open"},
    {0x4C, "B1360 - P/T driver open"},
    {0x52, "B1366 - P/T passanger open"},
    {0x67, "B2503 - SRS Indicator Fault"},
    {0x76, "B1102 - Low Voltage"},
    {0x7A, "B2600 - SRSCM Installation"},
}};
static_assert(codesUnique(dtcHyundaiGetz));

} // namespace

void hyundaiGetz::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    printHexIdentifier(dump, kIdentifier);

    printFaultTable(dump, kErrorRecords, FaultLine::Coded,
                    fromRows(dtcHyundaiGetz, kUndefinedPleaseReport));
}
