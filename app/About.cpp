// The About window, laid out at fixed positions like the rest of the product's dialogs.
#include "About.h"

#include "ClickableLabel.h"
#include "Product.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

namespace {

QFont labelFont(int pointSize, bool underline) {
    QFont font;
    font.setPointSize(pointSize);
    font.setBold(true);
    font.setUnderline(underline);
    return font;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* owner)
    : QDialog(owner)
    , icLogo(new QLabel(this))
    , lblInfo(new QLabel(QString::fromUtf8(product::kName), this))
    , lblCopyright(new ClickableLabel(this))
    , lblMoreInfo(new ClickableLabel(this))
    , btnOk(new QPushButton(QStringLiteral("Ok"), this)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About %1").arg(QString::fromUtf8(product::kName)));
    setModal(false);
    setFixedSize(475, 278);

    icLogo->setObjectName(QStringLiteral("icLogo"));
    icLogo->setGeometry(0, 0, 200, 120);
    icLogo->setPixmap(QPixmap(QStringLiteral(":/faultwise/logo.png")));

    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setGeometry(200, 0, 275, 121);
    lblInfo->setFont(labelFont(14, false));
    lblInfo->setAlignment(Qt::AlignCenter);

    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    lblCopyright->setGeometry(0, 141, 481, 40);
    lblCopyright->setFont(labelFont(12, true));
    lblCopyright->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblCopyright->setStyleSheet(QStringLiteral("color: blue"));
    lblCopyright->setCursor(Qt::PointingHandCursor);

    lblMoreInfo->setObjectName(QStringLiteral("lblMoreInfo"));
    lblMoreInfo->setGeometry(0, 197, 481, 40);
    lblMoreInfo->setFont(labelFont(12, true));
    lblMoreInfo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblMoreInfo->setCursor(Qt::PointingHandCursor);

    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(197, 240, 80, 22);

    connect(btnOk, &QPushButton::clicked, this, &TfrmAbout::btnOkClick);
    connect(lblCopyright, &ClickableLabel::clicked, this, &TfrmAbout::lblCopyrightClick);
    connect(lblMoreInfo, &ClickableLabel::clicked, this, &TfrmAbout::lblMoreInfoClick);

    FormCreate();
}

void TfrmAbout::FormCreate() {
    const QString name = QString::fromUtf8(product::kName);
    const QString web = QString::fromUtf8(product::kWebAddress);
    const QString mail = QString::fromUtf8(product::kContactEmail);
    lblInfo->setText(name + QStringLiteral("\n\nCalculates DTC codes by binary ECU data\n") +
                     QStringLiteral("Programming: the %1 team, 2014\n").arg(name));
    lblCopyright->setText(
        QStringLiteral("\u00A9 2014 %1, free software: GPL v3 or later\n%2").arg(name, web));
    lblMoreInfo->setText(
        QStringLiteral("Help (dumps and error lists) or donations you can send to\n") + mail +
        QStringLiteral(" (PayPal and e-Mail)."));
}

void TfrmAbout::btnOkClick() {
    hide();
}

void TfrmAbout::lblCopyrightClick() {
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(product::kWebAddress)));
}

void TfrmAbout::lblMoreInfoClick() {
    QDesktopServices::openUrl(
        QUrl(QStringLiteral("mailto:") + QString::fromUtf8(product::kContactEmail)));
}
