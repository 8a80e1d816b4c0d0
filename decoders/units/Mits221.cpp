// SPDX-License-Identifier: GPL-3.0-or-later
// mits221: identifier and VIN after a run of leading NUL bytes, and twenty error slots that may
// be used in any order.
#include "Mits221.h"

#include "Dtc.h"
#include "DumpReader.h"
#include "PrintLog.h"
#include "RecordTable.h"

#include <array>
#include <optional>

namespace {

// Twenty 12-byte slots, used in any order: a status byte at 3, 0x00 when the slot is empty and
// 0xFF when erased, and the code at 5.
constexpr RecordTable kErrorRecords = RecordTable::from(0x9F4)
                                          .stride(0xC)
                                          .count(20)
                                          .code(byteAt(0x5))
                                          .skipIf(byteAt(0x3), 0x00, 0xFF);
static_assert(kErrorRecords.fitsIn(mits221::kDumpSize));

// Both areas may begin with up to this many NUL bytes before their data.
constexpr int32_t kLeadingArea = 33;
constexpr int32_t kIdentifierArea = 0x1A90;
// The first text runs on into the second when it has no NUL.
constexpr int32_t kIdentifierText1 = 10;
constexpr int32_t kIdentifierText2 = 22;
constexpr int32_t kVinArea = 0x1B30;
constexpr int32_t kVinLength = 18;

constexpr std::array<DtcRecord, 30> dtcMits221 = {{
    {0x5F, "B1557 SRS-ECU Application Integrated Circuit"},
    {0x02, "Internal Error"},
    {0x03, "B1498 RAM or ROM abnormal"},
    {0xEB, "seatbelt switch driver open"},
    {0xEC, "seatbelt switch driver short"},
    {0xF1, "seatbelt switch passenger open"},
    {0xF2, "seatbelt switch passenger short"},
    {0x33, "front left sensor no communication"},
    {0x39, "front right sensor no communication"},
    {0x45, "sensor no communication"},
    {0x3E, "left side sensor open"},
    {0x3F, "left side sensor short"},
    {0x51, "sensor no communication"},
    {0x4B, "left rear sensor no communication"},
    {0x65, "left rear sensor shorted"},
    {0x68, "b1481 - driver airbag open"},
    {0x69, "driver airbag short"},
    {0x70, "b1401 - "},
    {0x78, "B1411 - passenger airbag inf 1 open"},
    {0x79, "passenger airbag inf 1 short"},
    {0x80, "passenger airbag inf 2 open"},
    {0x81, "passenger airbag inf 2 short"},
    {0x88, "B1608 - left pretensioner open"},
    {0x89, "left pretensioner short"},
    {0x90, "B1614 - right pretensioner open"},
    {0x91, "right pretensioner short"},
    {0xA8, "side left airbag open"},
    {0xB0, "side right airbag open"},
    {0xB8, "curtain left side open"},
    {0xC0, "curtain right side open"},
}};
static_assert(codesUnique(dtcMits221));

// Offset of the first non-zero byte of the area at `area`, or none when it is all NUL.
std::optional<int32_t> firstData(const DumpReader& dump, int32_t area) {
    for (int32_t i = area; i < area + kLeadingArea; ++i)
        if (dump.u8(i).value_or(0) != 0)
            return i;
    return std::nullopt;
}

} // namespace

void mits221::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    if (const std::optional<int32_t> record = firstData(dump, kIdentifierArea))
        printJoinedTextIdentifier(dump, *record + kIdentifierText1, *record + kIdentifierText2,
                                  "ECU identifier:");

    if (const std::optional<int32_t> vin = firstData(dump, kVinArea))
        printTextIdentifier(dump, {*vin, kVinLength}, "ECU VIN:");

    printFaultTable(dump, kErrorRecords, FaultLine::Coded,
                    fromRows(dtcMits221, kUndefinedPleaseReport));
}
