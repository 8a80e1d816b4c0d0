// SPDX-License-Identifier: GPL-3.0-or-later
// The report sink: decoders print report entries; whoever shows the report installs the sink.
#pragma once

#include <cstdint>
#include <string_view>

/// Receives each report entry, as Windows-1252 text without its terminating NUL.
class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual void append(std::string_view entry) = 0;
};

/// Installs `sink` for as long as this object lives, then restores the sink that was there.
class ScopedReportSink {
public:
    explicit ScopedReportSink(ReportSink* sink);
    ~ScopedReportSink();
    ScopedReportSink(const ScopedReportSink&) = delete;
    ScopedReportSink& operator=(const ScopedReportSink&) = delete;

private:
    ReportSink* m_previous;
};

/// Longest report entry; a longer formatted text is cut to this many bytes.
constexpr int32_t kMaxReportEntry = 1023;

/// Formats one report entry printf-style and hands it to the installed sink. Returns -1 when no
/// sink is installed (nothing is formatted then), otherwise the length of the entry.
int32_t printLog(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
