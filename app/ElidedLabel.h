// SPDX-License-Identifier: GPL-3.0-or-later
// A one-line label that elides its text in the middle instead of cutting off its end.
#pragma once

#include <QLabel>

class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    /// The text as it is painted: text() with its middle replaced by "…" where it does not fit.
    QString displayedText() const;

    /// Any width will do: a long text is elided rather than widening the window.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
