// unista: the identifier and record-table routines shared by its subclasses.
#include "Unista.h"

#include "Dtc.h"
#include "PrintLog.h"
#include "ReportShape.h"

#include <optional>

namespace {

// The local text buffer of an identifier, its NUL included.
constexpr int kIdentifierBufferSize = 1024;

} // namespace

void unista::printIdentifier(const DumpReader& dump, int32_t field, int length) const {
    char text[kIdentifierBufferSize];
    int shown = 0;
    const int limit = length < kIdentifierBufferSize - 1 ? length : kIdentifierBufferSize - 1;
    for (; shown < limit; ++shown) {
        const std::optional<uint8_t> byte = dump.u8(int64_t(field) + shown);
        if (!byte)
            break;
        text[shown] = *byte == 0x00 ? ' ' : char(*byte);
    }
    printLog("ECU identifier:\n\t%.*s", shown, text);
}

void unista::decodeRecords(const DumpReader& dump, int32_t records, int stride, unsigned count,
                           int codePosition, bool oneByteCode, int emptyCode,
                           bool stopAtEmpty) const {
    printLog(kErrorCodesHeading);
    NumberedFaults faults;
    for (unsigned j = 0; j < count; ++j) {
        const int64_t at = int64_t(records) + int64_t(j) * stride + codePosition;
        const std::optional<int> code =
            oneByteCode ? std::optional<int>(dump.u8(at)) : std::optional<int>(dump.u16be(at));
        // A table that runs off the dump has no further records.
        if (!code)
            break;
        if (*code == emptyCode) {
            if (stopAtEmpty)
                break;
            continue;
        }
        char description[kDescriptionSize];
        describeCode(*code, description);
        faults.print(description);
    }
    faults.printNoDtcIfNone();
}
