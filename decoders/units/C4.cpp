// cc4: the VIN, then 32-byte fault records ended by a first byte of 0xFF; the code map routes
// no stored code to a catalogue row, so every code prints as undefined.
#include "C4.h"

#include "Dtc.h"
#include "DumpReader.h"
#include "InfoText.h"
#include "PrintLog.h"
#include "ReportShape.h"

#include <array>
#include <optional>
#include <string_view>

namespace {

constexpr char kInfo[] = "Vehicles: Citroen C4 2011>\nIC: EEPROM ST95640\nNo codes info yet!";

constexpr int32_t kVin = 0x406;
// The VIN's local buffer holds 1024 characters with the NUL: an erased EEPROM has no NUL to end
// the text, so it stops here or at the dump's end, whichever comes first.
constexpr int32_t kVinMaxLength = 1023;

constexpr int32_t kRecords = 0x000;
constexpr int32_t kRecordStride = 32;
constexpr int32_t kRecordCount = 25;
constexpr uint8_t kEndMark = 0xFF;

constexpr std::array<CodeMapEntry, 1> cc4CodeMap = {{
    {0, 0},
}};

// The maker's four-digit codes. Only the rows whose texts are known are listed; the map reaches
// none of them.
constexpr std::array kDtcCc4Rows = {
    DtcRecord{0x7150, "7150 Vehicle speed data fault : Not characterised"},
    DtcRecord{0xF6E0, "F6E0 Rear impact detection fault : Not characterised"},
};
static_assert(codesAscend(kDtcCc4Rows));

const DtcCatalogue dtcCc4(kDtcCc4Rows);

} // namespace

int32_t cc4::getDumpSize() const {
    return kDumpSize;
}

void cc4::getInfo(char* out) const {
    copyInfoText(out, kInfo);
}

void cc4::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);
    const std::string_view vin = dump.text(kVin, kVinMaxLength);
    printLog("ECU identifier (VIN):\n\t%.*s", int(vin.size()), vin.data());

    printLog(kErrorCodesHeading);
    NumberedFaults faults;
    for (int32_t j = 0; j < kRecordCount; ++j) {
        const int32_t record = kRecords + j * kRecordStride;
        const std::optional<uint16_t> code = dump.u16be(record);
        // The end mark is the code's high byte, so no code above 0xFEFF is ever stored.
        if (!code || *code >> 8 == kEndMark)
            break;
        char description[kDescriptionSize];
        describeMapped(cc4CodeMap, dtcCc4, *code, kUndefinedFourDigits, description);
        faults.print(description);
    }
    faults.printNoDtcIfNone();
}
