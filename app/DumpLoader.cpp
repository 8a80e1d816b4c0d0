// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a dump file for the window through the core's loader.
#include "DumpLoader.h"

#include "DumpFile.h"

#include <QFile>

#include <new>
#include <string>
#include <vector>

bool loadDumpFile(const QString& path, QByteArray& bytes, QString& reason) {
    std::vector<uint8_t> content;
    std::string why;
    if (!loadDumpFile(QFile::encodeName(path).toStdString(), content, why)) {
        // The system's reasons come in the locale's encoding; the loader's own are ASCII.
        reason = QString::fromLocal8Bit(why);
        return false;
    }
    try {
        bytes =
            QByteArray(reinterpret_cast<const char*>(content.data()), qsizetype(content.size()));
    } catch (const std::bad_alloc&) {
        reason = QString::fromLatin1(kDumpFileOutOfMemory);
        return false;
    }
    return true;
}
