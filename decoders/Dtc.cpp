// SPDX-License-Identifier: GPL-3.0-or-later
// The linear catalogue lookup shared by the decoders.
#include "Dtc.h"

#include <cstdio>
#include <cstring>

namespace {
// Catalogues are walked no further than this, whatever their declared size.
constexpr size_t kMaxRowsWalked = 0xFFFF;
} // namespace

void lookupDTC(const DtcCatalogue& catalogue, int32_t code, char* out) {
    size_t walked = 0;
    for (const DtcRecord& row : catalogue) {
        if (row.code == 0 || walked == kMaxRowsWalked)
            break;
        if (row.code == code) {
            std::memcpy(out, row.text, std::strlen(row.text) + 1);
            return;
        }
        ++walked;
    }
    describeUndefined(code, kUndefinedFourDigits, out);
}

void describeFromRows(const DtcCatalogue& rows, int32_t code, const char* undefinedFormat,
                      char* out) {
    for (const DtcRecord& row : rows) {
        if (row.code == code) {
            std::memcpy(out, row.text, std::strlen(row.text) + 1);
            return;
        }
    }
    describeUndefined(code, undefinedFormat, out);
}

void describeUndefined(int32_t stored, const char* undefinedFormat, char* out) {
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
    std::snprintf(out, kDescriptionSize, undefinedFormat, uint32_t(stored));
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
}
