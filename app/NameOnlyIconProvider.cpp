// SPDX-License-Identifier: GPL-3.0-or-later
// File icons and type names without opening files.
#include "NameOnlyIconProvider.h"

#include <QFileInfo>
#include <QMimeDatabase>

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
    return icon(info.isDir() ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
    if (info.isDir())
        return QStringLiteral("Folder");
    if (!info.isFile())
        return QStringLiteral("Special file");
    const QMimeType mime =
        QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}
