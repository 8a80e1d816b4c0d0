// SPDX-License-Identifier: GPL-3.0-or-later
// The helpers that the units' sample recipes share.
#include "SampleRecipe.h"

#include "PrintLog.h"

#include <algorithm>
#include <cstdio>

std::string Image::hex(size_t at, size_t length) const {
    std::string out;
    char pair[3];
    for (size_t i = 0; i < length; ++i) {
        std::snprintf(pair, sizeof pair, "%02X", m_bytes.at(at + i));
        out += pair;
    }
    return out;
}

std::string identifier(const std::string& text) {
    return "ECU identifier:\n\t" + text;
}

std::string numbered(int n, const std::string& description) {
    return "\tError code " + std::to_string(n) + ") = " + description;
}

SampleDump sample(int32_t id, const char* decoder, const char* make, const char* part,
                  const char* contents, Image image, std::vector<std::string> report) {
    char name[64];
    std::snprintf(name, sizeof name, "%02d_%s.bin", int(id), decoder);
    return {id, name, make, part, contents, image.take(), std::move(report)};
}

SampleDump erased(int32_t id, const char* decoder, const char* make, const char* part, size_t size,
                  const char* contents, std::vector<std::string> report) {
    char name[64];
    std::snprintf(name, sizeof name, "%02d_%s_erased.bin", int(id), decoder);
    return {id, name, make, part, contents, std::vector<uint8_t>(size, 0xFF), std::move(report)};
}

std::string erasedText(size_t length) {
    return std::string(length, '\xFF');
}

std::string cut(std::string entry) {
    entry.resize(std::min(entry.size(), size_t(kMaxReportEntry)));
    return entry;
}

std::vector<std::string> thenNoDtc(std::vector<std::string> identifiers) {
    identifiers.push_back("Error codes:");
    identifiers.push_back("\tNo DTC");
    return identifiers;
}

std::vector<std::string> erasedIdentifiers(std::initializer_list<size_t> lengths) {
    std::vector<std::string> lines;
    for (size_t length : lengths)
        lines.push_back(identifier(erasedText(length)));
    return lines;
}
