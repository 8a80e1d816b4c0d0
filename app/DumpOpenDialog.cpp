// SPDX-License-Identifier: GPL-3.0-or-later
// Accepting a typed dump name: as typed when it exists, else with the default extension.
#include "DumpOpenDialog.h"

#include <QFileInfo>
#include <QLineEdit>

DumpOpenDialog::DumpOpenDialog(QWidget* parent)
    : QFileDialog(parent) {
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
}

// selectFile() leaves the name field alone while it has the focus, as it has after typing.
void DumpOpenDialog::chooseFile(const QString& path) {
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(path);
    else
        selectFile(path);
}

void DumpOpenDialog::accept() {
    const QStringList files = selectedFiles();
    if (files.size() == 1) {
        const QFileInfo typed(files.constFirst());
        const QString withSuffix =
            typed.filePath() + QLatin1Char('.') + QLatin1String(kDefaultSuffix);
        if (!typed.exists() && !typed.fileName().contains(QLatin1Char('.')) &&
            QFileInfo::exists(withSuffix))
            chooseFile(withSuffix);
    }
    QFileDialog::accept();
}
