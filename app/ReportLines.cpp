// SPDX-License-Identifier: GPL-3.0-or-later
// The report pane's lines over a QPlainTextEdit: marks as extra selections, lines as blocks.
#include "ReportLines.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace {

class PlainTextReportLines : public ReportLines {
public:
    explicit PlainTextReportLines(QPlainTextEdit* edit)
        : m_edit(edit) {
        // The connection ends with this object, whichever of the two goes first.
        QObject::connect(edit, &QPlainTextEdit::cursorPositionChanged, &m_context, [this] {
            const int line = currentLine();
            if (line == m_lastLine)
                return;
            m_lastLine = line;
            if (m_changed && !m_moving)
                m_changed(line);
        });
    }

    int lineCount() const override {
        return m_edit->document()->isEmpty() ? 0 : m_edit->document()->blockCount();
    }

    int currentLine() const override {
        return lineCount() == 0 ? -1 : m_edit->textCursor().blockNumber();
    }

    void markLines(const std::vector<int>& lines) override {
        QList<QTextEdit::ExtraSelection> marks;
        const QColor colour = m_edit->palette().color(QPalette::Highlight).lighter(160);
        for (int line : lines) {
            const QTextBlock block = m_edit->document()->findBlockByNumber(line);
            if (!block.isValid())
                continue;
            QTextEdit::ExtraSelection mark;
            mark.format.setBackground(colour);
            mark.format.setProperty(QTextFormat::FullWidthSelection, true);
            mark.cursor = QTextCursor(block);
            marks.append(mark);
        }
        m_edit->setExtraSelections(marks);
        if (marks.isEmpty())
            return;
        m_moving = true;
        m_edit->setTextCursor(marks.first().cursor);
        m_edit->ensureCursorVisible();
        m_moving = false;
    }

    void onCurrentLineChanged(std::function<void(int)> changed) override {
        m_changed = std::move(changed);
    }

private:
    QObject m_context;
    QPlainTextEdit* m_edit;
    std::function<void(int)> m_changed;
    int m_lastLine = -1;
    bool m_moving = false;
};

} // namespace

std::unique_ptr<ReportLines> plainTextReportLines(QPlainTextEdit* edit) {
    return std::make_unique<PlainTextReportLines>(edit);
}
