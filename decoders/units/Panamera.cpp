// SPDX-License-Identifier: GPL-3.0-or-later
// panamera: three identifiers, then 27 fault records of 32 bytes, free ones anywhere among them;
// a mapped fault's state line comes before its error line.
#include "Panamera.h"

#include "Catalogues.h"
#include "Dtc.h"
#include "DumpReader.h"
#include "PrintLog.h"
#include "RecordTable.h"

#include <array>
#include <optional>

namespace {

constexpr DumpField kIdentifiers[] = {{0x100, 9}, {0x10E, 67}, {0x209, 21}};

// 27 records of 32 bytes, free ones (fault 0xFF) anywhere among them: the fault, then its state.
constexpr RecordTable kErrorRecords =
    RecordTable::from(0x1C80).stride(0x20).count(27).code(byteAt(0x0)).skip(0xFF);
static_assert(kErrorRecords.fitsIn(panamera::kDumpSize));
constexpr int32_t kStateInRecord = 0x1;

constexpr std::array<CodeMapEntry, 19> panameraCodeMap = {{
    {0x00, 0x024C}, {0x01, 0x024D}, {0x02, 0x0633}, {0x03, 0x024E}, {0x04, 0x06CE},
    {0x05, 0x06CF}, {0x06, 0x04C1}, {0x07, 0x04C2}, {0x10, 0x04BB}, {0x11, 0x04BC},
    {0x12, 0x0C23}, {0x13, 0x0C24}, {0x15, 0x0C1E}, {0x16, 0x0C1F}, {0x0C, 0x028E},
    {0x0D, 0x028F}, {0x1A, 0x0636}, {0x4B, 0x06CA}, {0x4C, 0x06CB},
}};
static_assert(storedCodesUnique(panameraCodeMap));

// Indexed by the state byte; states from 10 on have no text and print no state line.
constexpr std::array<const char*, 10> panameraStateNames = {
    "No communication", "Short to ground", "Short",     "Open",      "Config",
    "Undefined",        "Undefined",       "Undefined", "Undefined", "Undefined",
};

// Describes a record's fault into `out`, printing the state line of a mapped fault on the way.
void describeRecord(uint8_t fault, uint8_t state, char* out) {
    const std::optional<int32_t> mapped = mapCode(panameraCodeMap, fault);
    if (!mapped) {
        describeUndefined(fault, kUndefinedFourDigits, out);
        return;
    }
    lookupDTC(dtcVag, *mapped, out);
    if (state < panameraStateNames.size())
        printLog("\t\tState: %s", panameraStateNames[state]);
}

} // namespace

void panamera::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);
    printTextIdentifiers(dump, kIdentifiers);

    printFaultTable(dump, kErrorRecords, FaultLine::Numbered,
                    [&dump](int32_t fault, int32_t record, char* out) {
                        describeRecord(uint8_t(fault),
                                       dump.u8(record + kStateInRecord).value_or(0xFF), out);
                    });
}
