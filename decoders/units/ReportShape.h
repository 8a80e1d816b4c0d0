// The report shape most decoders share: identifier lines, "Error codes:", one line per fault, and
// "\tNo DTC" when there was none.
#pragma once

#include "DumpReader.h"
#include "PrintLog.h"

constexpr char kErrorCodesHeading[] = "Error codes:";
constexpr char kNoDtc[] = "\tNo DTC";

/// Prints "ECU identifier:" and the text field of `length` bytes at `field` as stored: the text
/// ends at its first NUL, after `length` bytes or at the dump's end.
inline void printTextIdentifier(const DumpReader& dump, int64_t field, int64_t length) {
    const std::string_view text = dump.text(field, length);
    printLog("ECU identifier:\n\t%.*s", int(text.size()), text.data());
}

/// The fault lines of one list: prints and counts them, and ends the list with "\tNo DTC" when
/// it counted none.
class FaultLines {
public:
    /// "\tError code %d) = %s", numbered from 1.
    void numbered(const char* description);
    /// "\tError code [%02X] = %s" with the stored code itself.
    void coded(unsigned storedCode, const char* description);
    /// A fault line of the unit's own shape, printf-style.
    void print(const char* fmt, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    /// Counts a fault that prints no line of its own.
    void countWithoutLine() {
        ++m_count;
    }

    /// The number that the next fault line gets, counting from 1.
    int next() const {
        return m_count + 1;
    }

    void printNoDtcIfNone() const;

private:
    int m_count = 0;
};
