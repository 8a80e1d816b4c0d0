// SPDX-License-Identifier: GPL-3.0-or-later
// toyota66: N flag bytes from offset 0 and their copies right behind them; one layout byte
// chooses N and whether faults are described. Both chip sizes keep the data in the first 256.
#include "Toyota66.h"

#include "Bitflags.h"
#include "Dtc.h"
#include "DumpReader.h"
#include "InfoText.h"
#include "PrintLog.h"
#include "ReportShape.h"

#include <array>
#include <cstring>

namespace {

constexpr char kInfoLr56[] = "Vehicles: Toyota (lots of models) 2001>\n"
                             "IC: EEPROM LR56\n"
                             "Not all error codes are decoded!";
constexpr char kInfoLr66[] = "Vehicles: Toyota (lots of models, but not all of them match!) 2006>\n"
                             "IC: EEPROM LR66\n"
                             "Not all error codes are decoded!";

constexpr int32_t kFirstFlagByte = 0x00;
constexpr uint8_t kNoData = 0xFF;
constexpr int32_t kLayoutByte = 0xFF;
constexpr uint8_t kShortLayout = 0xFF;
constexpr int32_t kFlagBytesShort = 0x14;
constexpr int32_t kFlagBytesLong = 0x16;

constexpr std::array<CodeMapEntry, 20> toyota66CodeMap = {{
    {0x0002, 0x1000}, {0x0240, 0x1603}, {0x0301, 0x1608}, {0x0510, 0x1643}, {0x0540, 0x1648},
    {0x0601, 0x1651}, {0x0602, 0x1653}, {0x0608, 0x1655}, {0x0620, 0x1660}, {0x0A08, 0x1801},
    {0x0A80, 0x1806}, {0x0B08, 0x1811}, {0x0B80, 0x1816}, {0x0C08, 0x1821}, {0x0C80, 0x1826},
    {0x0D08, 0x1831}, {0x0D80, 0x1846}, {0x1008, 0x1861}, {0x1108, 0x1901}, {0x1180, 0x1906},
}};
static_assert(storedCodesUnique(toyota66CodeMap));

// Only rows the map reaches, and the catalogue's last row, are held: no other row can be reported.
constexpr std::array<DtcRecord, 21> dtcToyota66 = {{
    {0x1000, "B1000/31 Center Airbag Sensor Assembly Malfunction"},
    {0x1603, "B1603/83 Front Satellite Sensor Bus D Initialization Incomplete"},
    {0x1608, "B1608/84 Front Satellite Sensor Bus P Initialization Incomplete"},
    {0x1643, "B1643/81 Front Driver Side Satellite Sensor Bus"},
    {0x1648, "B1648/82 Front Passenger Side Satellite Sensor Bus Initialization Incomplete"},
    {0x1651, "B1651/33 Manual Cut off Switch Trouble"},
    {0x1653, "B1653/35 Seat Position Airbag Sensor Circuit Malfunction"},
    {0x1655, "B1655/37 Driver Side Seat Belt Buckle Switch Circuit Malfunction"},
    {0x1660, "B1660/43 Passenger Airbag OFF Indicator Circuit Malfunction"},
    {0x1801, "B1801/51 Open in Driver Side Squib Circuit"},
    {0x1806, "B1806/52 Open in Front Passenger Side Squib Circuit"},
    {0x1811, "B1811/53 Open in Driver Side Squib 2nd Step Circuit"},
    {0x1816, "B1816/54 Open in Front Passenger Side Squib 2nd Step Circuit"},
    {0x1821, "B1821/55 Open in Side Squib D Circuit"},
    {0x1826, "B1826/56 Open in Side Squib P Circuit"},
    {0x1831, "B1831/57 Open in Curtain Shield Squib D Circuit"},
    {0x1846, "B1846/61 Open in Curtain Shield Squib P 2nd Step Circuit"},
    {0x1861, "B1861/64 Open in Driver Side Knee Airbag Squib Circuit"},
    {0x1901, "B1901/73 Open in Front Driver Side Pretensioner Squib Circuit"},
    {0x1906, "B1906/74 Open in Front Passenger Side Pretensioner Squib Circuit"},
    {0x1908, "B1908/74 Short to B+ in Front Passenger Side Front Pretensioner Squib Circuit"},
}};
static_assert(codesUnique(dtcToyota66));

// Every text begins with its B-code and the slash before the blink code.
template <size_t N>
constexpr bool textsStartWithBlinkCode(const std::array<DtcRecord, N>& rows) {
    constexpr char kHex[] = "0123456789ABCDEF";
    for (const DtcRecord& row : rows) {
        if (row.text[0] != 'B' || row.text[5] != '/')
            return false;
        for (int digit = 0; digit < 4; ++digit)
            if (row.text[1 + digit] != kHex[(row.code >> (12 - 4 * digit)) & 0xF])
                return false;
    }
    return true;
}
static_assert(textsStartWithBlinkCode(dtcToyota66));

void describe(int32_t code, char* out) {
    if (const std::optional<int32_t> mapped = mapCode(toyota66CodeMap, code)) {
        lookupDTC(dtcToyota66, *mapped, out);
        return;
    }
    constexpr char kUndefined[] = "Undefined error code";
    std::memcpy(out, kUndefined, sizeof kUndefined);
}

} // namespace

void toyota66::getInfo(char* out) const {
    if (variant == kVariantLr66)
        copyInfoText(out, kInfoLr66);
    else
        copyInfoText(out, kInfoLr56);
}

void toyota66::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    if (dump.u8(kFirstFlagByte) == kNoData) {
        printLog("Invalid or unsupported EEPROM Data");
        return;
    }
    const bool shortLayout = dump.u8(kLayoutByte) == kShortLayout;
    const int32_t flagBytes = shortLayout ? kFlagBytesShort : kFlagBytesLong;

    printLog(kErrorCodesHeading);
    FlagFaults faults(ActiveBit::High, shortLayout ? nullptr : describe);
    for (int32_t j = 0; j < flagBytes; ++j)
        faults.printByte(j, dump.u8(kFirstFlagByte + j), dump.u8(kFirstFlagByte + flagBytes + j));
    faults.printNoDtcIfNone();
}
