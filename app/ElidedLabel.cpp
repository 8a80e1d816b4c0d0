// SPDX-License-Identifier: GPL-3.0-or-later
// Painting of the middle-elided label: the start and the end of the text stay in view.
#include "ElidedLabel.h"

#include <QPainter>
#include <QStyle>

QString ElidedLabel::displayedText() const {
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

QSize ElidedLabel::minimumSizeHint() const {
    return QSize(0, QLabel::minimumSizeHint().height());
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                          displayedText(), foregroundRole());
}
