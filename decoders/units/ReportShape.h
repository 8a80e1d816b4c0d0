// SPDX-License-Identifier: GPL-3.0-or-later
// The report shape most decoders share: identifier lines, "Error codes:", one line per fault, and
// "\tNo DTC" when there was none.
#pragma once

#include "Dtc.h"
#include "DumpReader.h"
#include "PrintLog.h"
#include "Product.h"

constexpr char kErrorCodesHeading[] = "Error codes:";
constexpr char kNoDtc[] = "\tNo DTC";

/// The text of a one-byte code that a unit's own catalogue lacks, asking for it to be reported.
constexpr char kUndefinedPleaseReport[] =
    "Undefined error code [%02X]. Please report to " FAULTWISE_CONTACT_EMAIL;
// The code fills "%02X" with two digits, so the text is no longer than the format.
static_assert(sizeof(kUndefinedPleaseReport) <= kDescriptionSize, "undefined text too long");

/// A field of the dump: where it starts and how many bytes it takes at most.
struct DumpField {
    int32_t at;
    int32_t length;
};

/// Prints `label` and, on the next line after a tab, the text in `field` as stored: it ends at
/// its first NUL, at the field's end or at the dump's end.
void printTextIdentifier(const DumpReader& dump, DumpField field,
                         const char* label = "ECU identifier:");

/// Prints `label` and, on the next line after a tab, the texts at `first` and `second` joined by a
/// blank. Neither has a length of its own: each ends at its first NUL or at the dump's end, so a
/// first text without a NUL runs on into the second.
void printJoinedTextIdentifier(const DumpReader& dump, int32_t first, int32_t second,
                               const char* label);

/// printTextIdentifier for each field in turn.
template <size_t N>
void printTextIdentifiers(const DumpReader& dump, const DumpField (&fields)[N]) {
    for (const DumpField& field : fields)
        printTextIdentifier(dump, field);
}

/// Prints "ECU identifier:" and, after a tab, the bytes in `field` as upper-case hex pairs.
void printHexIdentifier(const DumpReader& dump, DumpField field);

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
