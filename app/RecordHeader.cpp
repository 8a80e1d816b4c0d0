// SPDX-License-Identifier: GPL-3.0-or-later
// Building the record header from the dump and the last check.
#include "RecordHeader.h"

#include "Sha256.h"

#include <QFileInfo>

QStringList recordHeader(const QString& dumpPath, const QByteArray& dump, const QString& unitType,
                         const QDateTime& when) {
    const std::string digest =
        sha256Hex(reinterpret_cast<const uint8_t*>(dump.constData()), size_t(dump.size()));
    return {
        QStringLiteral("File: %1").arg(QFileInfo(dumpPath).fileName()),
        QStringLiteral("Size: %1 bytes").arg(dump.size()),
        QStringLiteral("SHA-256: %1").arg(QString::fromStdString(digest)),
        QStringLiteral("Unit type: %1")
            .arg(unitType.isEmpty() ? QStringLiteral("none checked") : unitType),
        QStringLiteral("Date: %1").arg(when.toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
        QString(),
    };
}
