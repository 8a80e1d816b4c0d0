// The report tails that most EEPROM decoders share: numbered or coded fault lines, then "\tNo DTC".
#pragma once

#include "DumpReader.h"
#include "PrintLog.h"

constexpr char kErrorCodesHeading[] = "Error codes:";

/// Prints "ECU identifier:" and the text field of `length` bytes at `field` as stored: the text
/// ends at its first NUL, after `length` bytes or at the dump's end.
inline void printTextIdentifier(const DumpReader& dump, int64_t field, int64_t length) {
    const std::string_view text = dump.text(field, length);
    printLog("ECU identifier:\n\t%.*s", int(text.size()), text.data());
}
constexpr char kNoDtc[] = "\tNo DTC";

/// Prints "\tError code %d) = %s" lines numbered from 1, and "\tNo DTC" at the end when there
/// was none.
class NumberedFaults {
public:
    void print(const char* description) {
        printLog("\tError code %d) = %s", ++m_count, description);
    }
    void printNoDtcIfNone() const {
        if (m_count == 0)
            printLog(kNoDtc);
    }

private:
    int m_count = 0;
};

/// Prints "\tError code [%02X] = %s" lines that show the stored code itself (at least two hex
/// digits), and "\tNo DTC" at the end when there was none.
class CodedFaults {
public:
    void print(unsigned storedCode, const char* description) {
        printLog("\tError code [%02X] = %s", storedCode, description);
        ++m_count;
    }
    void printNoDtcIfNone() const {
        if (m_count == 0)
            printLog(kNoDtc);
    }

private:
    int m_count = 0;
};
