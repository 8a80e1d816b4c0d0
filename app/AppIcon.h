// SPDX-License-Identifier: GPL-3.0-or-later
// The window icon, at every size the build renders from the icon master.
#pragma once

#include <QIcon>

/// The product icon with one pixmap per rendered size (16 to 256 px), for window and task bar.
QIcon applicationIcon();
