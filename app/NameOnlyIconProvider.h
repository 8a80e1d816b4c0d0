// SPDX-License-Identifier: GPL-3.0-or-later
// Icons and type names for the file dialogs, taken from a file's name and kind alone.
#pragma once

#include <QFileIconProvider>

/// Qt's own provider finds a file's type by reading its first bytes, on the GUI thread, when a
/// path is typed into a file dialog: a special file that never answers (/proc/kmsg, a FIFO)
/// then freezes the program. This one never opens a file.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
    using QFileIconProvider::icon;
};
