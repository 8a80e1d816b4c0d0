// The shared fault lines.
#include "ReportShape.h"

#include <cstdarg>
#include <cstdio>

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
