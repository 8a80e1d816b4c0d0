// kia1H000: up to twenty 12-byte records with big-endian codes, the list ended by a zero code.
#include "Kia1h000.h"

#include "Catalogues.h"
#include "DumpReader.h"
#include "InfoText.h"
#include "PrintLog.h"
#include "ReportShape.h"

namespace {

constexpr char kInfo[] =
    "Vehicles: Kia Ceed 2006>\nIC: EEPROM AT25640\nNot all error codes are completed!";

constexpr int32_t kRecords = 0x200;
constexpr int32_t kMaxRecords = 20;
constexpr int32_t kRecordSize = 12;
constexpr int32_t kCodeInRecord = 0;
constexpr uint16_t kEndOfList = 0x0000;
// Stored codes carry the catalogue code plus this; a code below it gives a negative key that
// no catalogue row matches.
constexpr int32_t kCodeOffset = 0x8000;

constexpr int32_t kIdentifier = 0x400;
constexpr int32_t kIdentifierLength = 59;

} // namespace

int32_t kia1H000::getDumpSize() const {
    return kDumpSize;
}

void kia1H000::getInfo(char* out) const {
    copyInfoText(out, kInfo);
}

void kia1H000::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    const std::string_view identifier = dump.text(kIdentifier, kIdentifierLength);
    printLog("ECU identifier2:\n\t%.*s", int(identifier.size()), identifier.data());

    printLog(kErrorCodesHeading);
    CodedFaults faults;
    for (int32_t j = 0; j < kMaxRecords; ++j) {
        const uint16_t stored =
            dump.u16be(kRecords + j * kRecordSize + kCodeInRecord).value_or(kEndOfList);
        if (stored == kEndOfList)
            break;
        char description[kDescriptionSize];
        lookupDTC(dtcHyundaiKia, int32_t(stored) - kCodeOffset, description);
        faults.print(stored, description);
    }
    faults.printNoDtcIfNone();
}
