// SPDX-License-Identifier: GPL-3.0-or-later
// The report pane as the hex view's link sees it: numbered lines that can be marked and whose
// current line can be watched, whatever widget shows them.
#pragma once

#include <functional>
#include <memory>
#include <vector>

class QPlainTextEdit;

/// Lines of the report pane, counted from 0.
class ReportLines {
public:
    virtual ~ReportLines() = default;

    /// The number of lines; 0 for an empty report.
    virtual int lineCount() const = 0;
    /// The line holding the cursor, or -1.
    virtual int currentLine() const = 0;
    /// Marks `lines` (ascending; none clears the marks), puts the cursor on the first of them
    /// and scrolls it into sight, without reporting that move as a line change.
    virtual void markLines(const std::vector<int>& lines) = 0;
    /// Calls `changed` with the new line whenever the user moves the cursor to another line.
    virtual void onCurrentLineChanged(std::function<void(int line)> changed) = 0;
};

/// ReportLines over a QPlainTextEdit: a line is a text block.
std::unique_ptr<ReportLines> plainTextReportLines(QPlainTextEdit* edit);
