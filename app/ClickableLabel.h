// SPDX-License-Identifier: GPL-3.0-or-later
// A label that acts as a link: it emits clicked() when the left button is released on it.
#pragma once

#include <QLabel>

class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
