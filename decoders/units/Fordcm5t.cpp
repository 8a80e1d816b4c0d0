// fordCm5t: two identifiers, then 15 fault records of 12 bytes, each active or not by its first
// byte; no code has a description.
#include "Fordcm5t.h"

#include "Dtc.h"
#include "DumpReader.h"
#include "InfoText.h"
#include "PrintLog.h"
#include "ReportShape.h"

#include <optional>
#include <string_view>

namespace {

constexpr char kInfo[] =
    "Vehicles: Ford Focus 2012>\nIC: EEPROM ST95640\nNot all error codes are completed!";

constexpr int32_t kIdentifier1 = 0x210;
constexpr int32_t kIdentifier2 = 0x130;
constexpr int kIdentifierLength = 17;

constexpr int32_t kRecords = 0x1B14;
constexpr int32_t kRecordStride = 12;
constexpr int32_t kRecordCount = 15;
constexpr uint8_t kActive = 0x00;
constexpr int32_t kCodeInRecord = 4;

} // namespace

int32_t fordCm5t::getDumpSize() const {
    return kDumpSize;
}

void fordCm5t::getInfo(char* out) const {
    copyInfoText(out, kInfo);
}

void fordCm5t::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);
    printTextIdentifier(dump, kIdentifier1, kIdentifierLength);
    printTextIdentifier(dump, kIdentifier2, kIdentifierLength);

    printLog(kErrorCodesHeading);
    NumberedFaults faults;
    // Inactive records may lie between active ones: every record is examined.
    for (int32_t j = 0; j < kRecordCount; ++j) {
        const int32_t record = kRecords + j * kRecordStride;
        if (dump.u8(record) != kActive)
            continue;
        const std::optional<uint16_t> code = dump.u16be(record + kCodeInRecord);
        if (!code)
            continue;
        char description[kDescriptionSize];
        describeUndefined(*code, kUndefinedFourDigits, description);
        faults.print(description);
    }
    faults.printNoDtcIfNone();
}
