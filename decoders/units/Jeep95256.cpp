// SPDX-License-Identifier: GPL-3.0-or-later
// jeep95256: three identifiers, then 16-byte fault records whose code is a single byte.
#include "Jeep95256.h"

#include "Dtc.h"

#include <array>

namespace {

constexpr DumpField kIdentifiers[] = {{0x40, 14}, {0xD0, 10}, {0x50, 17}};

// 25 records of 16 bytes, the code in the second byte; code 0xFF ends the table.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x400).stride(0x10).count(25).code(byteAt(0x1)).endAt(0xFF);
static_assert(kErrorRecords.fitsIn(jeep95256::kDumpSize));

constexpr std::array<CodeMapEntry, 17> jeep95256CodeMap = {{
    {0x58, 0x212C},
    {0x82, 0x1C14}, // the catalogue has no row for it: reported undefined with 1C14
    {0x85, 0x1C1A}, // likewise, with 1C1A
    {0x64, 0x0173},
    {0x65, 0x0172},
    {0x69, 0x0176},
    {0x6A, 0x0175},
    {0x66, 0x0171},
    {0x67, 0x0170},
    {0x06, 0x1B01},
    {0x09, 0x1B05},
    {0x0D, 0x1B09},
    {0x11, 0x1B0D},
    {0x19, 0x1B19},
    {0x1D, 0x1B21},
    {0x29, 0x1B29},
    {0x2D, 0x1B2D},
}};
static_assert(storedCodesUnique(jeep95256CodeMap));

// Body codes by their hex part, then network codes by their numeric part. Only the rows whose
// texts are known are listed; the map reaches no other row.
constexpr size_t kBodyRows = 11;
constexpr std::array dtcJeep95256 = {
    DtcRecord{0x1B00, "B1B00-DRIVER AIRBAG SQUIB 1 CIRCUIT LOW"},
    DtcRecord{0x1B01, "B1B01-DRIVER AIRBAG SQUIB 1 CIRCUIT HIGH"},
    DtcRecord{0x1B05, "B1B05-DRIVER AIRBAG SQUIB 2 CIRCUIT HIGH"},
    DtcRecord{0x1B09, "B1B09-PASSENGER AIRBAG SQUIB 1 CIRCUIT HIGH"},
    DtcRecord{0x1B0D, "B1B0D-PASSENGER AIRBAG SQUIB 2 CIRCUIT HIGH"},
    DtcRecord{0x1B19, "B1B19-LEFT SIDE CURTAIN SQUIB 1 CIRCUIT HIGH"},
    DtcRecord{0x1B21, "B1B21-RIGHT SIDE CURTAIN SQUIB 1 CIRCUIT HIGH"},
    DtcRecord{0x1B29, "B1B29-1ST ROW DRIVER SEAT BELT PRETENSIONER CIRCUIT HIGH"},
    DtcRecord{0x1B2D, "B1B2D-1st ROW PASSENGER SEAT BELT PRETENSIONER CIRCUIT HIGH"},
    DtcRecord{0x212C, "B212C-IGNITION RUN/START INPUT CIRCUIT OPEN"},
    DtcRecord{0x2255, "B2255-OCCUPANT RESTRAINT CONTROLLER ROLL OVER FEATURE DISABLE"},
    DtcRecord{0x0001, "U0001-CAN C BUS"},
    DtcRecord{0x0170, "U0170-LOST COMMUNICATION W/UP-FRONT LEFT SATELLITE ACCELERATION SENSOR"},
    DtcRecord{0x0171, "U0171-LOST COMMUNICATION W/UP-FRONT RIGHT SATELLITE ACCELERATION SENSOR"},
    DtcRecord{0x0172, "U0172-LOST COMMUNICATION W/LEFT SIDE SATELLITE ACCELERATION SENSOR 1"},
    DtcRecord{0x0173, "U0173-LOST COMMUNICATION W/LEFT SIDE SATELLITE ACCELERATION SENSOR 2"},
    DtcRecord{0x0175, "U0175-LOST COMMUNICATION W/RIGHT SIDE SATELLITE ACCELERATION SENSOR 1"},
    DtcRecord{0x0176, "U0176-LOST COMMUNICATION W/RIGHT SIDE SATELLITE ACCELERATION SENSOR 2"},
    DtcRecord{0x1415, "U1415-IMPLAUSIBLE/MISSING VEHICLE CONFIGURATION DATA"},
};
static_assert(codesAscend(dtcJeep95256, 0, kBodyRows));
static_assert(codesAscend(dtcJeep95256, kBodyRows));
static_assert(codesUnique(dtcJeep95256));

} // namespace

void jeep95256::calcDTC(const uint8_t* data, int32_t size) {
    decodeDump(data, size, kIdentifiers, kErrorRecords,
               throughMap(jeep95256CodeMap, dtcJeep95256, kUndefinedFourDigits));
}
