// SPDX-License-Identifier: GPL-3.0-or-later
// Shell-style quoting of file names that hold control characters or bytes that are not UTF-8.
#include "QuotedName.h"

#include <cstdint>

namespace {

// Length of the printable UTF-8 character at the start of `text`; 0 when it is a control
// character, an invalid or overlong sequence, a surrogate or past U+10FFFF.
size_t printableLength(std::string_view text) {
    const auto byte = [&](size_t i) { return uint8_t(text[i]); };
    const uint8_t lead = byte(0);
    if (lead < 0x80)
        return lead >= 0x20 && lead != 0x7F ? 1 : 0;
    size_t length = 0;
    uint32_t code = 0;
    uint32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(i) & 0x3F);
    }
    const bool c1Control = code >= 0x80 && code <= 0x9F;
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < lowest || code > 0x10FFFF || surrogate || c1Control)
        return 0;
    return length;
}

// One byte inside $'...': the shell's letter escapes where there is one, octal otherwise.
void appendEscaped(std::string& out, uint8_t byte) {
    switch (byte) {
    case '\a':
        out += "\\a";
        return;
    case '\b':
        out += "\\b";
        return;
    case '\t':
        out += "\\t";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\v':
        out += "\\v";
        return;
    case '\f':
        out += "\\f";
        return;
    case '\r':
        out += "\\r";
        return;
    default:
        out += '\\';
        out += char('0' + (byte >> 6));
        out += char('0' + ((byte >> 3) & 7));
        out += char('0' + (byte & 7));
    }
}

// A run of printable text in single quotes; a quote in it closes them and is escaped.
void appendQuoted(std::string& out, std::string_view run) {
    size_t start = 0;
    while (start < run.size()) {
        const size_t quote = run.find('\'', start);
        const std::string_view part = run.substr(start, quote - start);
        if (!part.empty())
            out.append("'").append(part).append("'");
        if (quote == std::string_view::npos)
            break;
        out += "\\'";
        start = quote + 1;
    }
}

} // namespace

std::string quotedName(std::string_view name) {
    bool allPrintable = true;
    for (size_t i = 0; i < name.size() && allPrintable;) {
        const size_t length = printableLength(name.substr(i));
        allPrintable = length != 0;
        i += length;
    }
    if (allPrintable)
        return std::string(name);

    std::string out;
    size_t i = 0;
    while (i < name.size()) {
        size_t end = i;
        for (size_t length; end < name.size() && (length = printableLength(name.substr(end)));)
            end += length;
        appendQuoted(out, name.substr(i, end - i));
        if (end == name.size())
            break;
        out += "$'";
        for (i = end; i < name.size() && printableLength(name.substr(i)) == 0; ++i)
            appendEscaped(out, uint8_t(name[i]));
        out += '\'';
    }
    return out;
}
