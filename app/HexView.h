// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only hex view of a dump: offset, 16 bytes in hex and their Windows-1252 text, painting
// only the rows in sight so that a 320 KiB dump scrolls as lightly as a small one.
#pragma once

#include "ReadRecorder.h"

#include <QAbstractScrollArea>
#include <QByteArray>

#include <vector>

class HexView : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int kBytesPerRow = 0x10;

    explicit HexView(QWidget* parent = nullptr);

    /// Shows `dump` from its start, with nothing highlighted or selected. The view keeps a
    /// shallow copy; it never changes a byte.
    void setDump(const QByteArray& dump);
    const QByteArray& dump() const { return m_dump; }

    /// Marks the bytes of `ranges` (ends included) and scrolls the first of them into sight.
    void highlight(const std::vector<DumpRange>& ranges);
    bool isHighlighted(int offset) const;

    /// Selects the byte at `offset` and scrolls it into sight; false when the dump has no such
    /// byte.
    bool goToOffset(int offset);
    /// The selected byte's offset, or -1.
    int selectedOffset() const { return m_selected; }

    /// The dump row shown at the top.
    int firstVisibleRow() const;
    /// Rows that fit the viewport.
    int visibleRows() const;
    /// Where the byte at `offset` is drawn in the hex column, in viewport coordinates.
    QRect byteRect(int offset) const;
    /// The byte under `point` (viewport coordinates), in the hex or the text column, or -1.
    int offsetAt(const QPoint& point) const;

signals:
    /// The user clicked the byte at `offset`.
    void byteClicked(int offset);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int rowCount() const;
    void updateScrollBars();
    void scrollToRow(int row);
    // Column positions in characters from the left edge.
    int hexColumn(int byteInRow) const;
    int textColumn(int byteInRow) const;

    QByteArray m_dump;
    std::vector<DumpRange> m_highlight;
    int m_selected = -1;
    int m_charWidth = 1;
    int m_lineHeight = 1;
};
