// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the error log: all or nothing, with the operating system's reason when it fails.
#pragma once

#include <QByteArray>
#include <QString>

enum class LogWrite { Written, NotCreated, NotWritten };

/// Replaces the file at `path` with `bytes`, or leaves it as it was. The existing file is
/// replaced only once every byte of the new one has been written. On failure puts the system's
/// reason ("No space left on device", "Permission denied") into `reason`.
LogWrite writeLogFile(const QString& path, const QByteArray& bytes, QString& reason);
