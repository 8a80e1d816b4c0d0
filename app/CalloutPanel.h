// SPDX-License-Identifier: GPL-3.0-or-later
// A panel drawn as a speech-bubble callout whose pointer sits on its left side.
#pragma once

#include <QFrame>

class CalloutPanel : public QFrame {
    Q_OBJECT

public:
    /// `pointerWidth` is the pointer's base, `pointerLength` how far it reaches out to the left,
    /// `pointerOffset` where its base starts below the body's top edge.
    CalloutPanel(int pointerWidth, int pointerLength, int pointerOffset, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_pointerWidth;
    int m_pointerLength;
    int m_pointerOffset;
};
