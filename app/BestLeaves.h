// SPDX-License-Identifier: GPL-3.0-or-later
// Marking the leaves of the unit-type tree that the ranking by content puts first for a dump.
#pragma once

#include <QByteArray>
#include <QtCore/qnamespace.h>

class QTreeWidget;

/// Data role of a leaf's tooltip as it stood before any mark.
constexpr int kPlainToolTipRole = Qt::UserRole + 1;

/// Clears the marks of an earlier dump, then shows in bold, with the reasons in the tooltip, the
/// leaves that share the best score for `dump` (when that score is above zero) and expands their
/// makes.
void markBestLeaves(QTreeWidget* tree, const QByteArray& dump);
