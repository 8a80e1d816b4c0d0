// SPDX-License-Identifier: GPL-3.0-or-later
// Sharing the room between a main pane and a side pane.
#include "PaneSplitter.h"

#include <QResizeEvent>

void PaneSplitter::setPanes(QWidget* first, int firstSize, QWidget* second, int secondSize,
                            Side side) {
    addWidget(first);
    addWidget(second);
    m_sideIndex = side == Side::First ? 0 : 1;
    m_sideShare = double(m_sideIndex == 0 ? firstSize : secondSize) / (firstSize + secondSize);
    setStretchFactor(m_sideIndex, 0);
    setStretchFactor(1 - m_sideIndex, 1);
    setSizes({firstSize, secondSize});
}

void PaneSplitter::resizeEvent(QResizeEvent* event) {
    QSplitter::resizeEvent(event);
    const auto along = [this](QSize size) {
        return orientation() == Qt::Horizontal ? size.width() : size.height();
    };
    if (m_sideIndex < 0 || along(event->size()) >= along(event->oldSize()) ||
        !widget(m_sideIndex)->isVisible())
        return;
    QList<int> panes = sizes();
    const int total = panes.at(0) + panes.at(1);
    const int cap = int(total * m_sideShare);
    if (panes.at(m_sideIndex) <= cap)
        return;
    panes[m_sideIndex] = cap;
    panes[1 - m_sideIndex] = total - cap;
    setSizes(panes);
}
