// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a dump file for the window: the core's loader, with Qt's types on either side.
#pragma once

#include <QByteArray>
#include <QString>

/// Reads the file at `path` into `bytes` by the core's rules (loadDumpFile). On failure returns
/// false, leaves `bytes` untouched and puts a sentence saying why into `reason`.
bool loadDumpFile(const QString& path, QByteArray& bytes, QString& reason);
