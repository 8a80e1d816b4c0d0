// SPDX-License-Identifier: GPL-3.0-or-later
// Report lines to dump bytes and back, for the hex view below the report.
#include "ReportExplainer.h"

#include "HexView.h"
#include "ReportText.h"

#include <QAction>
#include <QInputDialog>
#include <QWidget>

#include <algorithm>

ReportExplainer::ReportExplainer(std::unique_ptr<ReportLines> lines, HexView* hexView,
                                 std::function<void(const QString&)> showStatus, QObject* parent)
    : QObject(parent)
    , m_lines(std::move(lines))
    , m_hexView(hexView)
    , m_showStatus(std::move(showStatus)) {
    m_lines->onCurrentLineChanged([this](int line) { lineSelected(line); });
    connect(m_hexView, &HexView::byteClicked, this, &ReportExplainer::byteClicked);
}

ReportExplainer::~ReportExplainer() = default;

void ReportExplainer::setDump(const QByteArray& dump) {
    m_entries.clear();
    m_unitType.clear();
    m_hexView->setDump(dump);
}

void ReportExplainer::appendReport(const std::vector<ExplainedEntry>& entries,
                                   const QString& unitType,
                                   const std::function<void(std::string_view)>& appendText) {
    forgetStaleEntries();
    m_unitType = unitType;
    // The window shows a check's entries joined by "\n" as one piece of text; the pane starts a
    // line at each "\r\n", "\r" or "\n" in it, so that is how the lines are counted here.
    QString joined;
    std::vector<qsizetype> starts;
    for (const ExplainedEntry& entry : entries) {
        if (!starts.empty())
            joined += u'\n';
        starts.push_back(joined.size());
        joined += reportToQString(entry.text);
        appendText(entry.text);
    }
    starts.push_back(joined.size() + 1);
    std::vector<int> lineAt(size_t(joined.size()) + 1);
    int line = m_lines->lineCount();
    for (qsizetype i = 0; i < joined.size(); ++i) {
        lineAt[size_t(i)] = line;
        const bool crBeforeLf =
            joined[i] == u'\r' && i + 1 < joined.size() && joined[i + 1] == u'\n';
        if ((joined[i] == u'\n' || joined[i] == u'\r') && !crBeforeLf)
            ++line;
    }
    lineAt[size_t(joined.size())] = line;
    for (size_t i = 0; i < entries.size(); ++i) {
        // An entry ends on the line where the "\n" after it stands: a text that ends with a line
        // break owns the empty line it leaves.
        m_entries.push_back(
            {lineAt[size_t(starts[i])], lineAt[size_t(starts[i + 1] - 1)], entries[i].ranges});
    }
}

// A report pane emptied by other means takes the entries' lines with it.
void ReportExplainer::forgetStaleEntries() {
    if (!m_entries.empty() && m_lines->lineCount() <= m_entries.back().lastLine)
        m_entries.clear();
}

void ReportExplainer::lineSelected(int line) {
    forgetStaleEntries();
    for (const Entry& entry : m_entries) {
        if (line >= entry.firstLine && line <= entry.lastLine) {
            m_hexView->highlight(entry.ranges);
            return;
        }
    }
    m_hexView->highlight({});
}

void ReportExplainer::byteClicked(int offset) {
    forgetStaleEntries();
    const uint8_t value = uint8_t(m_hexView->dump().at(offset));
    std::vector<int> lines;
    for (const Entry& entry : m_entries) {
        const bool read =
            std::any_of(entry.ranges.begin(), entry.ranges.end(), [offset](const DumpRange& range) {
                return range.first <= offset && offset <= range.last;
            });
        if (!read)
            continue;
        for (int line = entry.firstLine; line <= entry.lastLine; ++line)
            lines.push_back(line);
    }
    m_lines->markLines(lines);
    m_showStatus(QStringLiteral("Offset 0x%1: 0x%2 (%3)%4")
                     .arg(QString::number(offset, 16).toUpper())
                     .arg(QString::number(value, 16).toUpper(), 2, QChar(u'0'))
                     .arg(value)
                     .arg(lines.empty() ? QStringLiteral(", read by no report line") : QString()));
}

bool ReportExplainer::goToOffset(int offset) {
    if (!m_hexView->goToOffset(offset))
        return false;
    byteClicked(offset);
    return true;
}

int ReportExplainer::parseOffset(const QString& text) {
    QString digits = text.trimmed();
    if (digits.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        digits = digits.mid(2);
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    return ok && value <= uint(INT32_MAX) ? int(value) : -1;
}

void ReportExplainer::askForOffset(QWidget* dialogParent) {
    const qsizetype size = m_hexView->dump().size();
    if (size == 0) {
        m_showStatus(QStringLiteral("No dump is open"));
        return;
    }
    bool accepted = false;
    const QString text = QInputDialog::getText(dialogParent, QStringLiteral("Go to offset"),
                                               QStringLiteral("Offset (hexadecimal, 0 to %1):")
                                                   .arg(QString::number(size - 1, 16).toUpper()),
                                               QLineEdit::Normal, QString(), &accepted);
    if (!accepted)
        return;
    const int offset = parseOffset(text);
    if (!goToOffset(offset))
        m_showStatus(QStringLiteral("No offset %1 in this dump").arg(text.trimmed()));
}

QList<QAction*> ReportExplainer::viewActions(QWidget* dialogParent) {
    auto* showHex = new QAction(QStringLiteral("Hex view"), this);
    showHex->setObjectName(QStringLiteral("miHexView"));
    showHex->setCheckable(true);
    showHex->setChecked(true);
    connect(showHex, &QAction::toggled, m_hexView, &QWidget::setVisible);
    auto* goTo = new QAction(QStringLiteral("Go to offset..."), this);
    goTo->setObjectName(QStringLiteral("miGoToOffset"));
    goTo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(goTo, &QAction::triggered, this, [this, dialogParent] {
        m_hexView->setVisible(true);
        askForOffset(dialogParent);
    });
    connect(goTo, &QAction::triggered, showHex, [showHex] { showHex->setChecked(true); });
    return {showHex, goTo};
}
