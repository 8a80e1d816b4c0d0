// SPDX-License-Identifier: GPL-3.0-or-later
// nissan56: format byte, the first 5A A5 marker, a version byte near the end, and five flag
// bytes each followed by its copy.
#include "Nissan56.h"

#include "Bitflags.h"
#include "Dtc.h"
#include "DumpReader.h"
#include "PrintLog.h"
#include "Product.h"
#include "ReportShape.h"

#include <array>

namespace {

constexpr int32_t kFormatByte = 0x00;
constexpr uint8_t kFormat = 0x30;
constexpr uint8_t kMarker0 = 0x5A;
constexpr uint8_t kMarker1 = 0xA5;
constexpr int32_t kMarkerSize = 2;
// Counted back from the end, so that it follows the dump's size.
constexpr int32_t kVersionFromEnd = 3;
constexpr uint8_t kVersion1 = 0x00;
// Fault area relative to the byte after the marker.
constexpr int32_t kFaultAreaVersion1 = 0x50;
constexpr int32_t kFaultAreaVersion2 = 0x3C;
constexpr int32_t kFlagPairs = 5;
constexpr int32_t kFaultAreaSize = 2 * kFlagPairs;

constexpr std::array<DtcRecord, 14> dtcNissan56 = {{
    {0x0101, "B1049 Driver airbag open circuit"},
    {0x0102, "B1065 Passenger airbag open circuit"},
    {0x0104, "B1081 P/T Front RH Open"},
    {0x0108, "B1086 P/T Front LH Open"},
    {0x0201, "B1134 Side LH Open"},
    {0x0202, "B1129 Side RH Open"},
    {0x0208, "B1182 P/T 2 Front LH Open"},
    {0x0210, "B1145 Curtain RH Open"},
    {0x0220, "B1150 Curtain LH Open"},
    {0x0304, "B1035 Crash Zone Sens Comm Fail ??"},
    {0x0002, "B1115 Satellite Sens RH Comm Fail ??"},
    {0x0004, "B1120 Satellite Sens LH Comm Fail ??"},
    {0x0020, "B1023 Pass A/B Ind ??"},
    {0x0040, "B1024 Pass A/B Deact SW ??"},
}};
static_assert(codesUnique(dtcNissan56));

constexpr char kUndefined[] = "Undefined error code. Please report to " FAULTWISE_CONTACT_EMAIL;

void describe(int32_t code, char* out) {
    describeFromRows(dtcNissan56, code, kUndefined, out);
}

// Offset of the byte after the first marker, or none.
std::optional<int32_t> findMarkerEnd(const DumpReader& dump) {
    if (const std::optional<int32_t> marker = dump.find({kMarker0, kMarker1}))
        return *marker + kMarkerSize;
    return std::nullopt;
}

} // namespace

void nissan56::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    const std::optional<int32_t> markerEnd = findMarkerEnd(dump);
    if (dump.u8(kFormatByte) != kFormat || !markerEnd) {
        printLog("Invalid EEPROM data");
        return;
    }

    int32_t faultArea = *markerEnd;
    if (dump.u8(dump.size() - kVersionFromEnd) == kVersion1) {
        printLog("Version 1.0 found");
        faultArea += kFaultAreaVersion1;
    } else {
        printLog("Version 2.0 found");
        faultArea += kFaultAreaVersion2;
    }
    // A marker this late cannot be the unit's: its fault flags would lie past the end.
    if (!dump.contains(faultArea, kFaultAreaSize)) {
        printLog("Invalid EEPROM error data. Fault area past the end of the dump");
        return;
    }

    printLog(kErrorCodesHeading);
    FlagFaults faults(ActiveBit::Low, describe);
    for (int32_t j = 0; j < kFlagPairs; ++j)
        faults.printByte(j, dump.u8(faultArea + 2 * j), dump.u8(faultArea + 2 * j + 1));
    faults.printNoDtcIfNone();
}
