// hyundaiGetz: a status byte decides each error record; codes come from the unit's own
// catalogue, and an unknown one asks to be reported.
#include "Hyundaigetz.h"

#include "Dtc.h"
#include "DumpReader.h"
#include "InfoText.h"
#include "PrintLog.h"
#include "Product.h"
#include "ReportShape.h"

#include <array>
#include <cstdio>

namespace {

constexpr char kInfo[] =
    "Vehicles: Hyundai Getz 2007>\nIC: EEPROM 25LC040 or 24LC040\nNot all error codes are "
    "completed!";

constexpr int32_t kRecords = 0x00;
constexpr int32_t kRecordCount = 10;
constexpr int32_t kRecordSize = 5;
constexpr int32_t kStatusInRecord = 0;
constexpr int32_t kCodeInRecord = 1;
constexpr uint8_t kStatusEmpty = 0x00;
constexpr uint8_t kStatusErased = 0xFF;

constexpr int32_t kIdentifier = 0xC8;
constexpr int32_t kIdentifierLength = 19;

constexpr char kUndefinedReport[] =
    "Undefined error code [%02X]. Please report to " FAULTWISE_CONTACT_EMAIL;
// The one-byte code fills "%02X" with two digits, so the text is no longer than the format.
static_assert(sizeof(kUndefinedReport) <= kDescriptionSize, "undefined text too long");

constexpr std::array<DtcRecord, 15> kDtcHyundaiGetzRows = {{
    {0x0C, "B1650 - Crash Recorded"},
    {0x0D, "B1651 - Crash Recorded"},
    {0x0E, "B1652 - Crash Recorded"},
    {0x0F, "B1655 - Crash Recorded ??"},
    {0x10, "B1345 - Driver Airbag Open"},
    {0x11, "B1346 - Driver Airbag Resistance High"},
    {0x12, "B1347 - Driver Airbag Resistance Low"},
    {0x13, "B1348 - Driver Airbag Short to Ground"},
    {0x14, "B1349 - Driver Airbag Short to Battery"},
    {0x1C, "B1351 - Passenger airbag open"},
    {0x4C, "B1360 - P/T driver open"},
    {0x52, "B1366 - P/T passanger open"},
    {0x67, "B2503 - SRS Indicator Fault"},
    {0x76, "B1102 - Low Voltage"},
    {0x7A, "B2600 - SRSCM Installation"},
}};
static_assert(codesUnique(kDtcHyundaiGetzRows));
constexpr DtcCatalogue dtcHyundaiGetz(kDtcHyundaiGetzRows);

// Searched by its row count: the catalogue has no end row.

} // namespace

int32_t hyundaiGetz::getDumpSize() const {
    return kDumpSize;
}

void hyundaiGetz::getInfo(char* out) const {
    copyInfoText(out, kInfo);
}

void hyundaiGetz::calcDTC(const uint8_t* data, int32_t size) {
    const DumpReader dump(data, size);

    char identifier[2 * kIdentifierLength + 1] = {};
    for (int32_t i = 0; i < kIdentifierLength; ++i)
        std::snprintf(identifier + 2 * i, 3, "%02X",
                      unsigned(dump.u8(kIdentifier + i).value_or(0)));
    printLog("ECU identifier:\n\t%s", identifier);

    printLog(kErrorCodesHeading);
    CodedFaults faults;
    for (int32_t j = 0; j < kRecordCount; ++j) {
        const int32_t record = kRecords + j * kRecordSize;
        const uint8_t status = dump.u8(record + kStatusInRecord).value_or(kStatusEmpty);
        if (status == kStatusEmpty || status == kStatusErased)
            continue;
        // The status alone decides: a used record with code 0x00 or 0xFF is still reported.
        const uint8_t code = dump.u8(record + kCodeInRecord).value_or(0);
        char description[kDescriptionSize];
        describeFromRows(dtcHyundaiGetz, code, kUndefinedReport, description);
        faults.print(code, description);
    }
    faults.printNoDtcIfNone();
}
