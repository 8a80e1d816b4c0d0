// SPDX-License-Identifier: GPL-3.0-or-later
// Painting, scrolling and hit-testing of the hex view.
#include "HexView.h"

#include "Cp1252.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

// "00012340  00 01 02 ... 0F  text": eight offset digits, two blanks, then the bytes.
constexpr int kOffsetDigits = 8;
constexpr int kHexStart = kOffsetDigits + 2;
constexpr int kHexCellWidth = 3;
constexpr int kTextStart = kHexStart + HexView::kBytesPerRow * kHexCellWidth + 1;
constexpr int kRowCharacters = kTextStart + HexView::kBytesPerRow;
constexpr int kMargin = 4;
constexpr char kHexDigits[] = "0123456789ABCDEF";

// Control characters have no glyph: they show as a dot, as hex viewers do.
QChar shownCharacter(uint8_t byte) {
    const char16_t code = cp1252::toUnicode(byte);
    return code < 0x20 || (code >= 0x7F && code < 0xA0) ? QChar(u'.') : QChar(code);
}

} // namespace

HexView::HexView(QWidget* parent)
    : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("m_hexView"));
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);
    const QFontMetrics metrics(font);
    m_charWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
    m_lineHeight = std::max(1, metrics.height());
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);
    updateScrollBars();
}

void HexView::setDump(const QByteArray& dump) {
    m_dump = dump;
    m_highlight.clear();
    m_selected = -1;
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

int HexView::rowCount() const {
    return int((m_dump.size() + kBytesPerRow - 1) / kBytesPerRow);
}

int HexView::visibleRows() const {
    return std::max(1, viewport()->height() / m_lineHeight);
}

int HexView::firstVisibleRow() const {
    return verticalScrollBar()->value();
}

void HexView::updateScrollBars() {
    verticalScrollBar()->setRange(0, std::max(0, rowCount() - visibleRows()));
    verticalScrollBar()->setPageStep(visibleRows());
    const int width = kRowCharacters * m_charWidth + 2 * kMargin;
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void HexView::scrollToRow(int row) {
    if (row < firstVisibleRow() || row >= firstVisibleRow() + visibleRows())
        verticalScrollBar()->setValue(row);
}

void HexView::highlight(const std::vector<DumpRange>& ranges) {
    m_highlight = ranges;
    if (!ranges.empty())
        scrollToRow(ranges.front().first / kBytesPerRow);
    viewport()->update();
}

bool HexView::isHighlighted(int offset) const {
    // Ranges come sorted: the last one starting at or before `offset` is the only candidate.
    const auto after =
        std::upper_bound(m_highlight.begin(), m_highlight.end(), offset,
                         [](int value, const DumpRange& range) { return value < range.first; });
    return after != m_highlight.begin() && offset <= std::prev(after)->last;
}

bool HexView::goToOffset(int offset) {
    if (offset < 0 || offset >= m_dump.size())
        return false;
    m_selected = offset;
    scrollToRow(offset / kBytesPerRow);
    viewport()->update();
    return true;
}

int HexView::hexColumn(int byteInRow) const {
    return kHexStart + byteInRow * kHexCellWidth;
}

int HexView::textColumn(int byteInRow) const {
    return kTextStart + byteInRow;
}

QRect HexView::byteRect(int offset) const {
    const int row = offset / kBytesPerRow - firstVisibleRow();
    const int x =
        kMargin + hexColumn(offset % kBytesPerRow) * m_charWidth - horizontalScrollBar()->value();
    return QRect(x, row * m_lineHeight, 2 * m_charWidth, m_lineHeight);
}

int HexView::offsetAt(const QPoint& point) const {
    const int row = firstVisibleRow() + point.y() / m_lineHeight;
    const int x = point.x() + horizontalScrollBar()->value() - kMargin;
    if (x < 0 || point.y() < 0)
        return -1;
    const int column = x / m_charWidth;
    int byteInRow = -1;
    if (column >= kHexStart && column < kHexStart + kBytesPerRow * kHexCellWidth)
        byteInRow = (column - kHexStart) / kHexCellWidth;
    else if (column >= kTextStart && column < kRowCharacters)
        byteInRow = column - kTextStart;
    const qint64 offset = qint64(row) * kBytesPerRow + byteInRow;
    return byteInRow < 0 || offset >= m_dump.size() ? -1 : int(offset);
}

void HexView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPalette& colours = palette();
    painter.fillRect(viewport()->rect(), colours.base());
    painter.translate(kMargin - horizontalScrollBar()->value(), 0);
    const int ascent = fontMetrics().ascent();
    const int first = firstVisibleRow();
    const int last = std::min(rowCount(), first + visibleRows() + 1);
    const QColor marked = colours.color(QPalette::Highlight).lighter(160);
    QString hex;
    QString text;
    for (int row = first; row < last; ++row) {
        const int y = (row - first) * m_lineHeight;
        hex.clear();
        text.clear();
        for (int i = 0; i < kBytesPerRow; ++i) {
            const int offset = row * kBytesPerRow + i;
            if (offset >= m_dump.size())
                break;
            const uint8_t byte = uint8_t(m_dump[offset]);
            hex += QLatin1Char(kHexDigits[byte >> 4]);
            hex += QLatin1Char(kHexDigits[byte & 0x0F]);
            hex += QLatin1Char(' ');
            text += shownCharacter(byte);
            if (offset != m_selected && !isHighlighted(offset))
                continue;
            const QRect hexCell(hexColumn(i) * m_charWidth, y, 2 * m_charWidth, m_lineHeight);
            const QRect textCell(textColumn(i) * m_charWidth, y, m_charWidth, m_lineHeight);
            painter.fillRect(hexCell, marked);
            painter.fillRect(textCell, marked);
            if (offset == m_selected) {
                painter.setPen(colours.color(QPalette::Highlight));
                painter.drawRect(hexCell.adjusted(0, 0, -1, -1));
                painter.drawRect(textCell.adjusted(0, 0, -1, -1));
            }
        }
        painter.setPen(colours.color(QPalette::PlaceholderText));
        painter.drawText(
            0, y + ascent,
            QStringLiteral("%1").arg(row * kBytesPerRow, kOffsetDigits, 16, QChar(u'0')).toUpper());
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(hexColumn(0) * m_charWidth, y + ascent, hex);
        painter.drawText(textColumn(0) * m_charWidth, y + ascent, text);
    }
}

void HexView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void HexView::mousePressEvent(QMouseEvent* event) {
    const int offset = offsetAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || offset < 0)
        return QAbstractScrollArea::mousePressEvent(event);
    goToOffset(offset);
    emit byteClicked(offset);
}
