// SPDX-License-Identifier: GPL-3.0-or-later
// Judging a decoder's report without knowing its unit: identifiers that read as text, codes its
// tables know, and lines that call the data invalid.
#pragma once

#include "PrintLog.h"

#include <string>

/// A report sink that keeps only counts. Identifier values are the lines after a heading that
/// names an identifier, VIN or CARID; fault lines are tab-indented lines that name an error code
/// or follow an error heading.
class ReportQuality : public ReportSink {
public:
    void append(std::string_view entry) override;

    int readableIdentifiers() const { return m_readable; }
    int unreadableIdentifiers() const { return m_unreadable; }
    int knownCodes() const { return m_known; }
    int undefinedCodes() const { return m_undefined; }
    bool invalidData() const { return m_invalid; }
    /// The first readable identifier text, without its indent and brackets.
    const std::string& firstReadableIdentifier() const { return m_firstReadable; }

private:
    enum class Section { Other, Identifier, Errors };

    void line(std::string_view text, bool firstOfEntry);
    void identifier(std::string_view text);
    void fault(std::string_view text);

    Section m_section = Section::Other;
    int m_readable = 0;
    int m_unreadable = 0;
    int m_known = 0;
    int m_undefined = 0;
    bool m_invalid = false;
    std::string m_firstReadable;
};

/// True when `text` is a long run of hex digits: a raw identifier printed in hex.
bool isRawHex(std::string_view text);

/// True when `text` reads as an identifier: at least four printable ASCII characters, three of
/// them letters or digits, not one character repeated, and not a long run of hex digits (a raw
/// identifier shown in hex reads the same whatever the bytes).
bool isReadableIdentifier(std::string_view text);
