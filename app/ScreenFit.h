// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping top-level windows on their screen: sizes that fit, dialogs centred on their owner.
#pragma once

class QWidget;

/// Shrinks the top-level `window`, frame included, to the available area of its screen where it
/// is larger; a window that fits is left as it is.
void fitOnScreen(QWidget* window);

/// Moves the top-level `window` so that its frame stands centred on the frame of `owner`, kept
/// inside the available area of the owner's screen. The same place on every showing.
void centreOn(QWidget* window, const QWidget* owner);
