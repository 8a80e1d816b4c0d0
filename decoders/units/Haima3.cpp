// SPDX-License-Identifier: GPL-3.0-or-later
// haima3: a raw identifier and ten error records, each occupied one marked 0x40.
#include "Haima3.h"

#include "Dtc.h"
#include "DumpReader.h"
#include "PrintLog.h"
#include "RecordTable.h"

#include <array>

namespace {

constexpr DumpField kIdentifier = {0x000, 19};

// Ten 10-byte records, each occupied one marked 0x40 in its first byte, then its code.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x230).stride(0xA).count(10).code(byteAt(0x1)).skipUnless(byteAt(0x0), 0x40);
static_assert(kErrorRecords.fitsIn(haima3::kDumpSize));
// Occupied records with these codes print no line, but still count: they suppress "No DTC".
constexpr uint8_t kEndOfList = 0xAA;
constexpr uint8_t kEmptyEntry = 0xFF;

constexpr std::array<DtcRecord, 7> dtcHaima3 = {{
    {0x55, "ECU internal error"},
    {0x07, "driver airbag fault"},
    {0x0F, "passenger airbag fault"},
    {0x17, "driver pretensioner fault"},
    {0x1F, "passenger pretensioner fault"},
    {0x5B, "passenger airbag off indicator fault"},
    {0x5F, "passenger airbag off switch fault"},
}};
static_assert(codesUnique(dtcHaima3));

} // namespace

void haima3::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    printHexIdentifier(dump, kIdentifier);

    printLog(kErrorCodesHeading);
    FaultLines faults;
    forEachFault(dump, kErrorRecords, [&faults](uint16_t code, int32_t) {
        if (code == kEndOfList || code == kEmptyEntry) {
            faults.countWithoutLine();
            return code != kEndOfList;
        }
        char description[kDescriptionSize];
        describeFromRows(dtcHaima3, code, kUndefinedPleaseReport, description);
        // Decimal here on purpose; the undefined-code text shows the same code in hexadecimal.
        faults.print("\tError code [%02d] = %s", int(code), description);
        return true;
    });
    faults.printNoDtcIfNone();
}
