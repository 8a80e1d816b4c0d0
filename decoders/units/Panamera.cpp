// panamera: three identifiers, then 27 fault records of 32 bytes, free ones anywhere among them;
// a mapped fault's state line comes before its error line.
#include "Panamera.h"

#include "Catalogues.h"
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
    "Vehicles: Porsche Panamera 2013>\nIC: EEPROM ST95640\nNo codes are decrypted yet!";

constexpr int32_t kIdentifier1 = 0x100;
constexpr int kIdentifier1Length = 9;
constexpr int32_t kIdentifier2 = 0x10E;
constexpr int kIdentifier2Length = 67;
constexpr int32_t kIdentifier3 = 0x209;
constexpr int kIdentifier3Length = 21;

constexpr int32_t kRecords = 0x1C80;
constexpr int32_t kRecordStride = 32;
constexpr int32_t kRecordCount = 27;
constexpr int32_t kFaultInRecord = 0;
constexpr int32_t kStateInRecord = 1;
constexpr uint8_t kFreeRecord = 0xFF;

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

int32_t panamera::getDumpSize() const {
    return kDumpSize;
}

void panamera::getInfo(char* out) const {
    copyInfoText(out, kInfo);
}

void panamera::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);
    printTextIdentifier(dump, kIdentifier1, kIdentifier1Length);
    printTextIdentifier(dump, kIdentifier2, kIdentifier2Length);
    printTextIdentifier(dump, kIdentifier3, kIdentifier3Length);

    printLog(kErrorCodesHeading);
    NumberedFaults faults;
    for (int32_t j = 0; j < kRecordCount; ++j) {
        const int32_t record = kRecords + j * kRecordStride;
        const std::optional<uint8_t> fault = dump.u8(record + kFaultInRecord);
        const std::optional<uint8_t> state = dump.u8(record + kStateInRecord);
        if (!fault || !state || *fault == kFreeRecord)
            continue;
        char description[kDescriptionSize];
        describeRecord(*fault, *state, description);
        faults.print(description);
    }
    faults.printNoDtcIfNone();
}
