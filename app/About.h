// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: product, purpose, maker, and links to the web page and the contact address.
#pragma once

#include <QDialog>

class ClickableLabel;
class QLabel;
class QPushButton;

class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void btnOkClick();
    void lblCopyrightClick();
    void lblMoreInfoClick();

private:
    void FormCreate();

    QLabel* icLogo;
    QLabel* lblInfo;
    ClickableLabel* lblCopyright;
    ClickableLabel* lblMoreInfo;
    QPushButton* btnOk;
    bool m_textsFitted = false;
};
