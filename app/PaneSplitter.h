// SPDX-License-Identifier: GPL-3.0-or-later
// A splitter whose side pane keeps its size as the window grows and gives in proportion as it
// shrinks.
#pragma once

#include <QSplitter>

class PaneSplitter : public QSplitter {
    Q_OBJECT

public:
    using QSplitter::QSplitter;

    enum class Side { First, Second };

    /// Lays out two panes, `first` left of or above `second`, at their sizes along the splitter.
    /// What the splitter gains goes to the main pane; when it shrinks, the `side` pane keeps at
    /// most its starting share.
    void setPanes(QWidget* first, int firstSize, QWidget* second, int secondSize, Side side);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int m_sideIndex = -1;
    double m_sideShare = 0;
};
