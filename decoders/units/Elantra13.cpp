// elantra13: fifteen 24-byte error records, erased ones skipped, and a text identifier.
#include "Elantra13.h"

#include "Catalogues.h"
#include "DumpReader.h"
#include "InfoText.h"
#include "PrintLog.h"
#include "ReportShape.h"

#include <array>

namespace {

constexpr char kInfo[] =
    "Vehicles: Hyundai Elantra Coupe 2013>\nIC: EEPROM ST95128\nNot all error codes are "
    "completed!";

constexpr int32_t kRecords = 0x110;
constexpr int32_t kRecordCount = 15;
constexpr int32_t kRecordSize = 24;
constexpr int32_t kCodeInRecord = 0;
constexpr uint8_t kErasedCode = 0xFF;

constexpr int32_t kIdentifier = 0x2200;
constexpr int32_t kIdentifierLength = 14;

constexpr std::array<CodeMapEntry, 14> elantra13CodeMap = {{
    {0x54, 0x2500},
    {0x8D, 0x1329},
    {0x8E, 0x1334},
    {0x90, 0x1409},
    {0x91, 0x1410},
    {0x2C, 0x1378},
    {0x31, 0x1382},
    {0x40, 0x1473},
    {0x45, 0x1477},
    {0x04, 0x1346},
    {0x09, 0x1352},
    {0x18, 0x1361},
    {0x1D, 0x1367},
    {0xBE, 0x1800},
}};
static_assert(storedCodesUnique(elantra13CodeMap));

} // namespace

int32_t elantra13::getDumpSize() const {
    return kDumpSize;
}

void elantra13::getInfo(char* out) const {
    copyInfoText(out, kInfo);
}

void elantra13::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    printTextIdentifier(dump, kIdentifier, kIdentifierLength);

    printLog(kErrorCodesHeading);
    NumberedFaults faults;
    for (int32_t j = 0; j < kRecordCount; ++j) {
        const uint8_t code =
            dump.u8(kRecords + j * kRecordSize + kCodeInRecord).value_or(kErasedCode);
        if (code == kErasedCode)
            continue;
        char description[kDescriptionSize];
        describeMapped(elantra13CodeMap, dtcHyundaiKia, code, kUndefinedTwoDigits, description);
        faults.print(description);
    }
    faults.printNoDtcIfNone();
}
