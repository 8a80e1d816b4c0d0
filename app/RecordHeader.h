// SPDX-License-Identifier: GPL-3.0-or-later
// The record header that "Report with header" puts above a saved report, for job cards.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

/// The header lines: the dump's file name, its size, its SHA-256, the unit type checked ("make
/// part-number"; "none checked" when empty) and `when`, then an empty line.
QStringList recordHeader(const QString& dumpPath, const QByteArray& dump, const QString& unitType,
                         const QDateTime& when);
