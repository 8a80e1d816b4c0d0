// SPDX-License-Identifier: GPL-3.0-or-later
// The shared fault lines.
#include "ReportShape.h"

#include <cstdarg>
#include <cstdio>
#include <string>

void printTextIdentifier(const DumpReader& dump, DumpField field, const char* label) {
    const std::string_view text = dump.text(field.at, field.length);
    printLog("%s\n\t%.*s", label, int(text.size()), text.data());
}

void printJoinedTextIdentifier(const DumpReader& dump, int32_t first, int32_t second,
                               const char* label) {
    const std::string_view text1 = dump.text(first, dump.size());
    const std::string_view text2 = dump.text(second, dump.size());
    printLog("%s\n\t%.*s %.*s", label, int(text1.size()), text1.data(), int(text2.size()),
             text2.data());
}

void printHexIdentifier(const DumpReader& dump, DumpField field) {
    std::string hex;
    char pair[3];
    for (const char byte : dump.bytes(field.at, field.length)) {
        std::snprintf(pair, sizeof pair, "%02X", unsigned(uint8_t(byte)));
        hex += pair;
    }
    printLog("ECU identifier:\n\t%s", hex.c_str());
}

void FaultLines::numbered(const char* description) {
    print("\tError code %d) = %s", next(), description);
}

void FaultLines::coded(unsigned storedCode, const char* description) {
    print("\tError code [%02X] = %s", storedCode, description);
}

void FaultLines::print(const char* fmt, ...) {
    // Formatted here and handed on whole: the sink cuts it to the same longest entry.
    char line[kMaxReportEntry + 1];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(line, sizeof line, fmt, args);
    va_end(args);
    printLog("%s", line);
    ++m_count;
}

void FaultLines::printNoDtcIfNone() const {
    if (m_count == 0)
        printLog(kNoDtc);
}
