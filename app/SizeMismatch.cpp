// SPDX-License-Identifier: GPL-3.0-or-later
// "File size do not match", with the two sizes a technician needs to see what went wrong.
#include "SizeMismatch.h"

#include "Product.h"

#include <QMessageBox>

void showSizeMismatch(QWidget* parent, qsizetype dumpSize, qint64 typeSize) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(product::kName),
                    QStringLiteral("File size do not match"), QMessageBox::Ok, parent);
    box.setDetailedText(QStringLiteral("The dump has %1 bytes; this unit type takes %2 bytes.")
                            .arg(dumpSize)
                            .arg(typeSize));
    box.exec();
}
