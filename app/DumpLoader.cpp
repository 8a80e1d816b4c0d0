// Dump loading: refuses directories, devices, FIFOs and oversized files before opening them.
#include "DumpLoader.h"

#include <QFile>
#include <QFileInfo>

#include <new>

bool loadDumpFile(const QString& path, QByteArray& bytes, QString& reason) {
    const QFileInfo info(path);
    if (!info.exists()) {
        reason = QStringLiteral("The file does not exist.");
        return false;
    }
    if (info.isDir()) {
        reason = QStringLiteral("It is a folder, not a dump file.");
        return false;
    }
    // Devices and FIFOs could block or never end (think of /dev/zero).
    if (!info.isFile()) {
        reason = QStringLiteral("It is not a regular file.");
        return false;
    }
    if (info.size() > kMaxDumpFileSize) {
        reason =
            QStringLiteral("The file has %1 bytes; dumps are at most 16 MiB.").arg(info.size());
        return false;
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString() + QLatin1Char('.');
        return false;
    }
    try {
        QByteArray content = file.read(kMaxDumpFileSize + 1);
        if (file.error() != QFileDevice::NoError) {
            reason = file.errorString() + QLatin1Char('.');
            return false;
        }
        if (content.size() > kMaxDumpFileSize) {
            reason = QStringLiteral("The file grew past 16 MiB while it was read.");
            return false;
        }
        bytes = std::move(content);
    } catch (const std::bad_alloc&) {
        reason = QStringLiteral("There is not enough memory to read it.");
        return false;
    }
    return true;
}
