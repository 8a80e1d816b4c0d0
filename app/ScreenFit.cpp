// SPDX-License-Identifier: GPL-3.0-or-later
// Window placement from the screen's available area and the window frames.
#include "ScreenFit.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The frame that the window system puts around `window`. Until a window has been shown its frame
// is unknown: then that of its owner stands in for it, or else room for a title bar.
QMargins frameMargins(const QWidget* window) {
    for (const QWidget* w = window; w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (!w->isVisible())
            continue;
        const QRect frame = w->frameGeometry();
        const QRect inner = w->geometry();
        return QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                        frame.right() - inner.right(), frame.bottom() - inner.bottom());
    }
    return QMargins(0, 2 * window->fontMetrics().height(), 0, 0);
}

QRect available(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

void fitOnScreen(QWidget* window) {
    const QRect area = available(window);
    if (area.isEmpty())
        return;
    const QMargins frame = frameMargins(window);
    const QSize room = area.size().shrunkBy(frame);
    const QSize fitting = window->size().boundedTo(room);
    if (fitting != window->size())
        window->resize(fitting);
}

void centreOn(QWidget* window, const QWidget* owner) {
    const QMargins frame = frameMargins(window);
    const QSize outer = window->size().grownBy(frame);
    QPoint topLeft =
        owner->frameGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2);
    const QRect area = available(owner);
    if (!area.isEmpty()) {
        topLeft.setX(
            std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - outer.width())));
        topLeft.setY(
            std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - outer.height())));
    }
    window->move(topLeft);
}
