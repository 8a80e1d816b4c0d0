// SPDX-License-Identifier: GPL-3.0-or-later
// Report text at the Qt boundary: Windows-1252 bytes in, the same bytes out when saved.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string_view>

/// `text` (Windows-1252) as a QString; every byte maps to one character and back.
QString reportToQString(std::string_view text);

/// `lines` as the error log holds them: Windows-1252, each line ended by CR LF. A character
/// outside the code page, which no report produces, is written as '?'.
QByteArray reportLinesToFile(const QStringList& lines);
