// SPDX-License-Identifier: GPL-3.0-or-later
// The Open dialog for dumps: names without a dot open as typed when such a file exists.
#pragma once

#include <QFileDialog>

/// A typed name without an extension gets ".bin" only when no file of the typed name exists,
/// so that a dump saved as "read1" opens, while "unit7" still finds "unit7.bin".
class DumpOpenDialog : public QFileDialog {
    Q_OBJECT

public:
    explicit DumpOpenDialog(QWidget* parent);

    static constexpr char kDefaultSuffix[] = "bin";

public slots:
    void accept() override;

private:
    void chooseFile(const QString& path);
};
