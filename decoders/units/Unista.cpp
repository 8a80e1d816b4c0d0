// SPDX-License-Identifier: GPL-3.0-or-later
// unista: the blank-padded identifier that its subclasses print.
#include "Unista.h"

#include "PrintLog.h"

#include <optional>

namespace {

// The local text buffer of an identifier, its NUL included.
constexpr int kIdentifierBufferSize = 1024;

} // namespace

void unista::printIdentifier(const DumpReader& dump, DumpField field) {
    char text[kIdentifierBufferSize];
    int shown = 0;
    const int limit =
        field.length < kIdentifierBufferSize - 1 ? field.length : kIdentifierBufferSize - 1;
    for (; shown < limit; ++shown) {
        const std::optional<uint8_t> byte = dump.u8(int64_t(field.at) + shown);
        if (!byte)
            break;
        text[shown] = *byte == 0x00 ? ' ' : char(*byte);
    }
    printLog("ECU identifier:\n\t%.*s", shown, text);
}
