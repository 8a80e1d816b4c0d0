// SPDX-License-Identifier: GPL-3.0-or-later
// The page's state and every answer it shows, kept in C++ so that the page itself only displays.
#pragma once

#include "CompareDumps.h"
#include "PrintLog.h"
#include "Ranking.h"
#include "ReadRecorder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// What a check ended with; the page shows the matching message.
enum class CheckOutcome { Decoded, NoDecoder, SizeMismatch };

/// One row of the hex view: offset, up to 16 bytes and their Windows-1252 text column.
struct HexRow {
    size_t offset = 0;
    std::vector<uint8_t> bytes;
    /// The text column in UTF-8, one character per byte, '.' for control characters.
    std::string text;
};

/// The page's counterpart of the main window: the loaded dump, the report that accumulates
/// until the next open with the dump bytes behind each line, and the error log built from it.
/// Texts printed into it directly have no bytes behind them. Texts handed out are UTF-8, the
/// log is Windows-1252.
class WebSession : public ReportSink {
public:
    /// Why a file of `size` bytes cannot be opened as a dump (the loader's limit), or an empty
    /// text when it can.
    static std::string refusalForFileSize(double size);

    /// Makes `bytes` the loaded dump, remembers `fileName` for the log's name, clears the report
    /// and runs the read check on the bytes alone.
    void open(const std::string& fileName, std::vector<uint8_t> bytes);

    bool hasDump() const { return !m_dump.empty(); }
    size_t dumpSize() const { return m_dump.size(); }
    const std::vector<uint8_t>& dump() const { return m_dump; }

    /// Checks the dump with the decoder of `typeId`; a report is appended only when it decodes,
    /// and then the read check also looks at the areas that the type's layout reads.
    CheckOutcome check(int32_t typeId);

    /// The read check's findings as the warning bar shows them, one "Warning: ...." line each;
    /// kept until the next open or decoded check.
    const std::vector<std::string>& warnings() const { return m_warnings; }

    /// The leaves that the ranking by content puts first, ties included; none when no leaf
    /// scores above zero.
    std::vector<RankedLeaf> bestLeaves() const;

    /// The report's lines, Windows-1252; an entry with "\n" in it gives several lines.
    const std::vector<std::string>& reportLines() const { return m_lines; }

    /// The dump bytes that the decoder read for report line `line` (every line of one entry
    /// shares the entry's ranges); none for a line past the report.
    std::vector<DumpRange> lineRanges(size_t line) const;

    /// The report lines whose ranges hold dump offset `offset`, ascending.
    std::vector<size_t> linesReading(size_t offset) const;

    /// The report as the pane shows it: its lines in UTF-8, joined by "\n".
    std::string reportText() const;

    /// The error log's bytes: every line ended by CR LF, Windows-1252, no byte-order mark.
    std::string logBytes() const;

    /// The name to save the log under: the dump's base name and "_error_log.txt"; a dump whose
    /// base name is "0" keeps the name proposed last (at first "error_log.txt").
    std::string proposedLogName();

    /// The loaded dump compared with another read of the chip.
    DumpComparison compareWith(const std::vector<uint8_t>& other) const;

    /// The status text for a byte clicked in the hex view: its offset and value.
    std::string describeByte(size_t offset) const;

    /// Rows of the hex view from row `first` on, at most `count`.
    std::vector<HexRow> hexRows(size_t first, size_t count) const;

private:
    void append(std::string_view entry) override;
    void appendEntry(std::string_view entry, const std::vector<DumpRange>& ranges);

    std::vector<uint8_t> m_dump;
    std::string m_dumpFileName = "dump.bin";
    std::string m_logFileName = "error_log.txt";
    std::vector<std::string> m_lines;
    std::vector<std::vector<DumpRange>> m_lineRanges;
    std::vector<std::string> m_warnings;
};

/// Whether a dump of `size` bytes fits the unit type `typeId`.
bool typeTakesSize(int32_t typeId, size_t size);

/// The info text of `typeId` in UTF-8, or an empty text when the id names no decoder.
std::string infoTextOf(int32_t typeId);
