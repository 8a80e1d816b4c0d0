// SPDX-License-Identifier: GPL-3.0-or-later
// The report sink and its 1024-byte line buffer.
#include "PrintLog.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {
ReportSink* currentSink = nullptr;
char lineBuffer[kMaxReportEntry + 1];
} // namespace

ScopedReportSink::ScopedReportSink(ReportSink* sink)
    : m_previous(currentSink) {
    currentSink = sink;
}

ScopedReportSink::~ScopedReportSink() {
    currentSink = m_previous;
}

int32_t printLog(const char* fmt, ...) {
    if (!currentSink)
        return -1;
    std::memset(lineBuffer, 0, sizeof lineBuffer);
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(lineBuffer, sizeof lineBuffer, fmt, args);
    va_end(args);
    const size_t length = std::strlen(lineBuffer);
    currentSink->append({lineBuffer, length});
    return int32_t(length);
}
