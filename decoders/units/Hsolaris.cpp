// hSolaris: up to eighteen 8-byte error records, the list ended by a zero code.
#include "Hsolaris.h"

#include "Catalogues.h"
#include "DumpReader.h"
#include "InfoText.h"
#include "PrintLog.h"
#include "ReportShape.h"

#include <array>

namespace {

constexpr char kInfo[] =
    "Vehicles: Hyunadi Accent/Solaris 2012>\nIC: EEPROM ST95320\nNot all error codes are "
    "completed!";

constexpr int32_t kIdentifier = 0x20;
constexpr int32_t kIdentifierLength = 20;

constexpr int32_t kRecords = 0xF0;
constexpr int32_t kMaxRecords = 18;
constexpr int32_t kRecordSize = 8;
constexpr int32_t kCodeInRecord = 3;
constexpr uint8_t kEndOfList = 0x00;

constexpr std::array<CodeMapEntry, 10> hSolarisCodeMap = {{
    {0xA4, 0x2500},
    {0x1F, 0x1352},
    {0x24, 0x1361},
    {0x29, 0x1367},
    {0x1A, 0x1346},
    {0x17, 0x1334},
    {0x12, 0x1329},
    {0x7D, 0x1620},
    {0x7F, 0x1650},
    {0xA3, 0x1762},
}};
static_assert(storedCodesUnique(hSolarisCodeMap));

} // namespace

int32_t hSolaris::getDumpSize() const {
    return kDumpSize;
}

void hSolaris::getInfo(char* out) const {
    copyInfoText(out, kInfo);
}

void hSolaris::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    const std::string_view identifier = dump.text(kIdentifier, kIdentifierLength);
    printLog("ECU identifier :\n\t%.*s", int(identifier.size()), identifier.data());

    printLog(kErrorCodesHeading);
    NumberedFaults faults;
    for (int32_t j = 0; j < kMaxRecords; ++j) {
        const uint8_t code =
            dump.u8(kRecords + j * kRecordSize + kCodeInRecord).value_or(kEndOfList);
        if (code == kEndOfList)
            break;
        char description[kDescriptionSize];
        describeMapped(hSolarisCodeMap, dtcHyundaiKia, code, kUndefinedTwoDigits, description);
        faults.print(description);
    }
    faults.printNoDtcIfNone();
}
