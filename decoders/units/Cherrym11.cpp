// cherrym11: fixed-length identifier fields, then error records up to the first empty one; the
// unit's one-byte codes map onto Kia/Hyundai body codes.
#include "Cherrym11.h"

#include "Catalogues.h"
#include "Dtc.h"
#include "DumpReader.h"
#include "InfoText.h"
#include "PrintLog.h"
#include "ReportShape.h"

#include <array>

namespace {

constexpr char kInfo[] =
    "Vehicles: Cherry M11 2008-2014\nIC: EEPROM AT25640\nNot all error codes are completed!";

struct Field {
    int32_t offset;
    int32_t length;
};
// A NUL inside a field ends its text early.
constexpr std::array<Field, 4> kIdentifierFields = {{
    {0x80, 3},
    {0x86, 9},
    {0x91, 17},
    {0xA5, 8},
}};

constexpr int32_t kErrorRecords = 0xF0;
constexpr int32_t kRecordSize = 16;
constexpr int32_t kRecords = 20;
constexpr int32_t kCodeInRecord = 1;
// 0xFF in either of the first two bytes marks an empty record, which ends the list.
constexpr uint8_t kEmpty = 0xFF;

constexpr std::array<CodeMapEntry, 14> cherrym11CodeMap = {{
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
static_assert(storedCodesUnique(cherrym11CodeMap));

} // namespace

int32_t cherrym11::getDumpSize() const {
    return kDumpSize;
}

void cherrym11::getInfo(char* out) const {
    copyInfoText(out, kInfo);
}

void cherrym11::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    for (const Field& field : kIdentifierFields)
        printTextIdentifier(dump, field.offset, field.length);

    printLog(kErrorCodesHeading);
    NumberedFaults faults;
    for (int32_t j = 0; j < kRecords; ++j) {
        const int32_t record = kErrorRecords + kRecordSize * j;
        const uint8_t marker = dump.u8(record).value_or(kEmpty);
        const uint8_t code = dump.u8(record + kCodeInRecord).value_or(kEmpty);
        if (marker == kEmpty || code == kEmpty)
            break;
        char description[kDescriptionSize];
        describeMapped(cherrym11CodeMap, dtcHyundaiKia, code, kUndefinedFourDigits, description);
        faults.print(description);
    }
    faults.printNoDtcIfNone();
}
