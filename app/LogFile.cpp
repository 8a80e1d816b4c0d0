// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the error log through a temporary file that replaces the old log only when complete.
#include "LogFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// QSaveFile's own message for a failed open can name the wrong cause (a folder that cannot be
// written reads as "No such file or directory"). Creating a file in the folder, as the save
// does, makes the system name the real one.
QString reasonFolderRefusesFiles(const QString& path, const QString& fallback) {
    const QFileInfo target(path);
    if (target.isDir())
        return systemReason(EISDIR);
    QByteArray probe = QFile::encodeName(
        QDir(target.absolutePath()).filePath(QStringLiteral(".faultwise-XXXXXX")));
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return systemReason(errno);
    ::close(fd);
    ::unlink(probe.constData());
    return fallback;
}

} // namespace

LogWrite writeLogFile(const QString& path, const QByteArray& bytes, QString& reason) {
    QSaveFile file(path);
    // Unbuffered: each write reaches the system at once, so a failure carries the system's reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = reasonFolderRefusesFiles(path, file.errorString());
        return LogWrite::NotCreated;
    }
    // A write can stop short without an error (a full disk, a file size limit); only writing
    // the rest tells why. QSaveFile::commit() does not report a failure of a final flush of
    // buffered bytes, so the flush is done and checked here: a short log must never replace the
    // existing one.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    if (written != bytes.size() || !file.flush()) {
        reason = file.errorString();
        file.cancelWriting();
        return LogWrite::NotWritten;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return LogWrite::NotWritten;
    }
    return LogWrite::Written;
}
