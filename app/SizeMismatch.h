// SPDX-License-Identifier: GPL-3.0-or-later
// The message box for a dump whose size the selected unit type does not take.
#pragma once

#include <QtGlobal>

class QWidget;

/// Shows "File size do not match" as an error, with both sizes as the box's detail text.
void showSizeMismatch(QWidget* parent, qsizetype dumpSize, qint64 typeSize);
