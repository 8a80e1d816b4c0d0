// SPDX-License-Identifier: GPL-3.0-or-later
// Painting of the info panel's callout shape.
#include "CalloutPanel.h"

#include <QPainter>
#include <QPainterPath>

CalloutPanel::CalloutPanel(int pointerWidth, int pointerLength, int pointerOffset, QWidget* parent)
    : QFrame(parent)
    , m_pointerWidth(pointerWidth)
    , m_pointerLength(pointerLength)
    , m_pointerOffset(pointerOffset) {
    setContentsMargins(pointerLength, 0, 0, 0);
}

void CalloutPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF body = QRectF(rect()).adjusted(m_pointerLength + 0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(body, 4, 4);
    QPainterPath pointer;
    const qreal top = body.top() + m_pointerOffset;
    pointer.moveTo(body.left() + 1, top);
    pointer.lineTo(body.left() - m_pointerLength, top + m_pointerWidth / 2.0);
    pointer.lineTo(body.left() + 1, top + m_pointerWidth);
    pointer.closeSubpath();
    shape = shape.united(pointer);

    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().color(QPalette::ToolTipBase));
    painter.drawPath(shape);
}
