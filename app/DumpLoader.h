// Loading a dump file for the window: regular files of sane size only, read whole.
#pragma once

#include <QByteArray>
#include <QString>

/// No unit type takes more than 320 KiB; a larger file is refused before it is read.
constexpr qint64 kMaxDumpFileSize = 16 * 1024 * 1024;

/// Reads the file at `path` into `bytes`. On failure returns false, leaves `bytes` untouched and
/// puts a sentence saying why into `reason`.
bool loadDumpFile(const QString& path, QByteArray& bytes, QString& reason);
