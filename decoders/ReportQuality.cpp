// SPDX-License-Identifier: GPL-3.0-or-later
// Counting what a report says about how well its decoder understood the dump.
#include "ReportQuality.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr size_t kShortestIdentifier = 4;
constexpr int kFewestAlnum = 3;
// A raw identifier printed in hex has at least this many digits.
constexpr size_t kLongestPlainHex = 15;

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool containsNoCase(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
               return std::tolower(uint8_t(a)) == std::tolower(uint8_t(b));
           }) != text.end();
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == '\t' || text.front() == ' ' || text.front() == '['))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == ']' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool isHeading(std::string_view text) {
    return !text.empty() && text.front() != '\t' && trimmed(text).size() > 0 &&
           trimmed(text).back() == ':';
}

} // namespace

bool isRawHex(std::string_view text) {
    text = trimmed(text);
    return text.size() > kLongestPlainHex &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(uint8_t(c)); });
}

bool isReadableIdentifier(std::string_view text) {
    text = trimmed(text);
    if (text.size() < kShortestIdentifier)
        return false;
    int alnum = 0;
    bool allHex = true;
    for (char c : text) {
        const auto byte = uint8_t(c);
        if (byte < 0x20 || byte > 0x7E)
            return false;
        alnum += std::isalnum(byte) ? 1 : 0;
        allHex = allHex && std::isxdigit(byte);
    }
    if (alnum < kFewestAlnum || (allHex && text.size() > kLongestPlainHex))
        return false;
    return std::any_of(text.begin(), text.end(), [&](char c) { return c != text.front(); });
}

void ReportQuality::append(std::string_view entry) {
    bool first = true;
    while (true) {
        const size_t end = entry.find('\n');
        line(entry.substr(0, end), first);
        if (end == std::string_view::npos)
            break;
        entry.remove_prefix(end + 1);
        first = false;
    }
}

void ReportQuality::line(std::string_view text, bool firstOfEntry) {
    if (trimmed(text).empty())
        return;
    if (containsNoCase(text, "invalid"))
        m_invalid = true;
    if (isHeading(text)) {
        if (containsNoCase(text, "identifier") || contains(text, "VIN") || contains(text, "CARID"))
            m_section = Section::Identifier;
        else if (containsNoCase(text, "error"))
            m_section = Section::Errors;
        else
            m_section = Section::Other;
        return;
    }
    const bool indented = text.front() == '\t';
    if (m_section == Section::Identifier && (indented || !firstOfEntry)) {
        identifier(text);
        return;
    }
    if (!indented) {
        m_section = containsNoCase(text, "error") ? Section::Errors : Section::Other;
        return;
    }
    if (m_section == Section::Errors || containsNoCase(text, "error"))
        fault(text);
}

void ReportQuality::identifier(std::string_view text) {
    // A raw identifier printed in hex reads the same whatever its bytes: it tells nothing.
    if (isRawHex(text))
        return;
    if (isReadableIdentifier(text)) {
        if (m_readable++ == 0)
            m_firstReadable = std::string(trimmed(text));
    } else {
        ++m_unreadable;
    }
}

void ReportQuality::fault(std::string_view text) {
    if (contains(text, "No DTC") || text.substr(0, 2) == "\t\t")
        return;
    if (containsNoCase(text, "undefined")) {
        ++m_undefined;
        return;
    }
    // A code whose description is empty tells nothing either way.
    const size_t equals = text.rfind('=');
    if (equals != std::string_view::npos && trimmed(text.substr(equals + 1)).empty())
        return;
    ++m_known;
}
