// Accepting a typed dump name: as typed when it exists, else with the default extension.
#include "DumpOpenDialog.h"

#include <QFileInfo>

DumpOpenDialog::DumpOpenDialog(QWidget* parent)
    : QFileDialog(parent) {
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
}

void DumpOpenDialog::accept() {
    const QStringList files = selectedFiles();
    if (files.size() == 1) {
        const QFileInfo typed(files.constFirst());
        const QString withSuffix =
            typed.filePath() + QLatin1Char('.') + QLatin1String(kDefaultSuffix);
        if (!typed.exists() && !typed.fileName().contains(QLatin1Char('.')) &&
            QFileInfo::exists(withSuffix))
            selectFile(withSuffix);
    }
    QFileDialog::accept();
}
