// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between report bytes and the text that the window shows and saves.
#include "ReportText.h"

#include "Cp1252.h"

QString reportToQString(std::string_view text) {
    QString result(qsizetype(text.size()), Qt::Uninitialized);
    for (size_t i = 0; i < text.size(); ++i)
        result[qsizetype(i)] = QChar(cp1252::toUnicode(uint8_t(text[i])));
    return result;
}

QByteArray reportLinesToFile(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        for (QChar c : line)
            bytes.append(char(cp1252::fromUnicode(c.unicode()).value_or('?')));
        bytes.append("\r\n");
    }
    return bytes;
}
