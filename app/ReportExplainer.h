// SPDX-License-Identifier: GPL-3.0-or-later
// The link between the report pane and the hex view: which dump bytes each report line read.
#pragma once

#include "ExplainDecoder.h"
#include "ReportLines.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class HexView;
class QAction;
class QWidget;

/// Keeps, for every report entry printed since the dump was opened, its lines in the report pane
/// and its dump ranges. Selecting a report line highlights its ranges in the hex view; clicking a
/// byte tells its offset and value and marks the report lines that read it.
class ReportExplainer : public QObject {
    Q_OBJECT

public:
    /// `showStatus` puts a short text into the window's status line.
    ReportExplainer(std::unique_ptr<ReportLines> lines, HexView* hexView,
                    std::function<void(const QString&)> showStatus, QObject* parent = nullptr);
    ~ReportExplainer() override;

    /// A new dump: the hex view shows it, and the entries of the previous one are forgotten.
    void setDump(const QByteArray& dump);

    /// Appends the entries of one check through `appendText` (which adds an entry's text to the
    /// report pane) and remembers the lines each took. `unitType` names the unit type checked.
    void appendReport(const std::vector<ExplainedEntry>& entries, const QString& unitType,
                      const std::function<void(std::string_view)>& appendText);

    /// The unit type of the last check, as "make part-number"; empty before any check.
    const QString& checkedUnitType() const { return m_unitType; }

    /// "Hex view" (shows or hides the hex view) and "Go to offset..." (Ctrl+G), for the View
    /// menu. `dialogParent` parents the offset prompt.
    QList<QAction*> viewActions(QWidget* dialogParent);

    /// Selects the byte at `offset` as a click would; false when the dump has no such byte.
    bool goToOffset(int offset);

    /// Parses an offset as typed: hexadecimal, with or without "0x". -1 when it is none.
    static int parseOffset(const QString& text);

private:
    struct Entry {
        int firstLine;
        int lastLine;
        std::vector<DumpRange> ranges;
    };

    void forgetStaleEntries();
    void lineSelected(int line);
    void byteClicked(int offset);
    void askForOffset(QWidget* dialogParent);

    std::unique_ptr<ReportLines> m_lines;
    HexView* m_hexView;
    std::function<void(const QString&)> m_showStatus;
    std::vector<Entry> m_entries;
    QString m_unitType;
};
