// audi7E0: 12-byte fault records ended by a record whose first byte is 0xFF; only code 0 has a
// (blank) description.
#include "Audi7e0.h"

#include "Dtc.h"
#include "DumpReader.h"
#include "InfoText.h"
#include "PrintLog.h"
#include "ReportShape.h"

#include <array>
#include <optional>
#include <string_view>

namespace {

constexpr char kInfo[] =
    "Vehicles: Volkswagen Transporter 2010>\nIC: EEPROM ST95320\nNo codes info!";

constexpr int32_t kIdentifier1 = 0x48;
constexpr int kIdentifier1Length = 77;
constexpr int32_t kIdentifier2 = 0xFB4;
constexpr int kIdentifier2Length = 43;

constexpr int32_t kRecords = 0x5CC;
constexpr int32_t kRecordStride = 12;
constexpr int32_t kRecordCount = 24;
constexpr int32_t kEndMarkInRecord = 0;
constexpr uint8_t kEndMark = 0xFF;
constexpr int32_t kCodeInRecord = 4;

// Searched by its own loop rather than lookupDTC, for which a code-0 row ends the catalogue.
constexpr std::array<DtcRecord, 1> dtcAudi7E0 = {{
    {0x0000, ""},
}};

} // namespace

int32_t audi7E0::getDumpSize() const {
    return kDumpSize;
}

void audi7E0::getInfo(char* out) const {
    copyInfoText(out, kInfo);
}

void audi7E0::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);
    printTextIdentifier(dump, kIdentifier1, kIdentifier1Length);
    printTextIdentifier(dump, kIdentifier2, kIdentifier2Length);

    printLog(kErrorCodesHeading);
    NumberedFaults faults;
    for (int32_t j = 0; j < kRecordCount; ++j) {
        const int32_t record = kRecords + j * kRecordStride;
        const std::optional<uint8_t> mark = dump.u8(record + kEndMarkInRecord);
        const std::optional<uint16_t> code = dump.u16be(record + kCodeInRecord);
        if (!mark || *mark == kEndMark || !code)
            break;
        char description[kDescriptionSize];
        describeFromRows(dtcAudi7E0, *code, kUndefinedFourDigits, description);
        faults.print(description);
    }
    faults.printNoDtcIfNone();
}
