// SPDX-License-Identifier: GPL-3.0-or-later
// The page's state: the dump, the accumulating report and the log, as the window keeps them.
#include "WebSession.h"

#include "Cp1252.h"
#include "DumpFile.h"
#include "ExplainDecoder.h"
#include "ReadCheck.h"
#include "Registry.h"
#include "RunDecoder.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr size_t kHexRowBytes = 0x10;

// A character that shows nothing useful in the text column: C0 and C1 controls, DEL.
bool isControl(char16_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
}

std::vector<std::string> warningLines(const std::vector<ReadFinding>& findings) {
    std::vector<std::string> lines;
    for (const ReadFinding& finding : findings)
        lines.push_back("Warning: " + finding.text + '.');
    return lines;
}

} // namespace

std::string WebSession::refusalForFileSize(double size) {
    if (size <= double(kMaxDumpFileSize))
        return {};
    return "The file has " + std::to_string(uint64_t(size)) + " bytes; dumps are at most " +
           std::to_string(kMaxDumpFileSize >> 20) + " MiB.";
}

void WebSession::open(const std::string& fileName, std::vector<uint8_t> bytes) {
    m_dump = std::move(bytes);
    m_dumpFileName = fileName;
    m_lines.clear();
    m_lineRanges.clear();
    m_warnings = warningLines(checkRead(m_dump.data(), m_dump.size()));
}

CheckOutcome WebSession::check(int32_t typeId) {
    const std::unique_ptr<ecuDTC> decoder = createDecoder(typeId);
    if (!decoder)
        return CheckOutcome::NoDecoder;
    // The reads are recorded so that the hex view can show the bytes behind each line.
    std::vector<ExplainedEntry> entries;
    if (explainDecoder(*decoder, m_dump.data(), m_dump.size(), entries) != DecodeResult::Decoded)
        return CheckOutcome::SizeMismatch;
    for (const ExplainedEntry& entry : entries)
        appendEntry(entry.text, entry.ranges);
    m_warnings = warningLines(checkRead(m_dump.data(), m_dump.size(), typeId));
    return CheckOutcome::Decoded;
}

std::vector<RankedLeaf> WebSession::bestLeaves() const {
    std::vector<RankedLeaf> ranked = rankLeaves(m_dump.data(), m_dump.size());
    if (ranked.empty() || ranked.front().score <= 0)
        return {};
    const int best = ranked.front().score;
    ranked.erase(std::find_if(ranked.begin(), ranked.end(),
                              [best](const RankedLeaf& leaf) { return leaf.score != best; }),
                 ranked.end());
    return ranked;
}

void WebSession::append(std::string_view entry) {
    appendEntry(entry, {});
}

void WebSession::appendEntry(std::string_view entry, const std::vector<DumpRange>& ranges) {
    size_t start = 0;
    for (;;) {
        const size_t end = entry.find('\n', start);
        m_lines.emplace_back(entry.substr(start, end - start));
        m_lineRanges.push_back(ranges);
        if (end == std::string_view::npos)
            return;
        start = end + 1;
    }
}

std::vector<DumpRange> WebSession::lineRanges(size_t line) const {
    return line < m_lineRanges.size() ? m_lineRanges[line] : std::vector<DumpRange>();
}

std::vector<size_t> WebSession::linesReading(size_t offset) const {
    std::vector<size_t> lines;
    for (size_t line = 0; line < m_lineRanges.size(); ++line) {
        for (const DumpRange& range : m_lineRanges[line]) {
            if (size_t(range.first) <= offset && offset <= size_t(range.last)) {
                lines.push_back(line);
                break;
            }
        }
    }
    return lines;
}

std::string WebSession::reportText() const {
    std::string text;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (i)
            text += '\n';
        text += cp1252::toUtf8(m_lines[i]);
    }
    return text;
}

std::string WebSession::logBytes() const {
    std::string bytes;
    for (const std::string& line : m_lines)
        bytes += line + "\r\n";
    return bytes;
}

std::string WebSession::proposedLogName() {
    const size_t slash = m_dumpFileName.find_last_of("/\\");
    const std::string fileName =
        slash == std::string::npos ? m_dumpFileName : m_dumpFileName.substr(slash + 1);
    const std::string baseName = fileName.substr(0, fileName.rfind('.'));
    if (baseName != "0")
        m_logFileName = baseName + "_error_log.txt";
    return m_logFileName;
}

DumpComparison WebSession::compareWith(const std::vector<uint8_t>& other) const {
    return compareDumps(m_dump.data(), m_dump.size(), other.data(), other.size());
}

std::string WebSession::describeByte(size_t offset) const {
    if (offset >= m_dump.size())
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "Offset 0x%zX: 0x%02X", offset, unsigned(m_dump[offset]));
    return text;
}

std::vector<HexRow> WebSession::hexRows(size_t first, size_t count) const {
    std::vector<HexRow> rows;
    for (size_t offset = first * kHexRowBytes; offset < m_dump.size() && rows.size() < count;
         offset += kHexRowBytes) {
        HexRow row;
        row.offset = offset;
        const size_t end = std::min(offset + kHexRowBytes, m_dump.size());
        row.bytes.assign(m_dump.begin() + long(offset), m_dump.begin() + long(end));
        std::string text;
        for (uint8_t byte : row.bytes)
            text += isControl(cp1252::toUnicode(byte)) ? '.' : char(byte);
        row.text = cp1252::toUtf8(text);
        rows.push_back(std::move(row));
    }
    return rows;
}

bool typeTakesSize(int32_t typeId, size_t size) {
    const UnitType* type = findUnitType(typeId);
    return type && size_t(type->dumpSize) == size;
}

std::string infoTextOf(int32_t typeId) {
    const std::unique_ptr<ecuDTC> decoder = createDecoder(typeId);
    if (!decoder)
        return {};
    char info[kInfoTextSize] = {};
    decoder->getInfo(info);
    return cp1252::toUtf8(info);
}
