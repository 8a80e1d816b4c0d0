// SPDX-License-Identifier: GPL-3.0-or-later
// The About window, laid out at fixed positions like the rest of the product's dialogs.
#include "About.h"

#include "ClickableLabel.h"
#include "Product.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

namespace {

// Below this a text would be hard to read; no text of the window needs it.
constexpr int kSmallestPointSize = 7;
// Room between a text and the window's edges.
constexpr int kSideMargin = 6;

QFont labelFont(int pointSize, bool underline) {
    QFont font;
    font.setPointSize(pointSize);
    font.setBold(true);
    font.setUnderline(underline);
    return font;
}

// The texts wrap at word boundaries and take the largest size up to `pointSize` at which they
// fit their label whole, whatever the screen's scaling and fonts make of them.
void fitText(QLabel* label, int pointSize) {
    label->setWordWrap(true);
    const QRect room = label->contentsRect();
    QFont font = label->font();
    for (int size = pointSize; size >= kSmallestPointSize; --size) {
        font.setPointSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(
            room, int(label->alignment()) | Qt::TextWordWrap, label->text());
        if (room.contains(needed))
            break;
    }
    label->setFont(font);
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
    lblInfo->setContentsMargins(0, 0, kSideMargin, 0);
    lblInfo->setFont(labelFont(14, false));
    lblInfo->setAlignment(Qt::AlignCenter);

    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    lblCopyright->setGeometry(0, 141, width(), 40);
    lblCopyright->setContentsMargins(kSideMargin, 0, kSideMargin, 0);
    lblCopyright->setFont(labelFont(12, true));
    lblCopyright->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblCopyright->setStyleSheet(QStringLiteral("color: blue"));
    lblCopyright->setCursor(Qt::PointingHandCursor);

    lblMoreInfo->setObjectName(QStringLiteral("lblMoreInfo"));
    lblMoreInfo->setGeometry(0, 197, width(), 40);
    lblMoreInfo->setContentsMargins(kSideMargin, 0, kSideMargin, 0);
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

// Measuring the texts at several sizes loads a font for each: it is done when the window is
// first shown rather than at the program's start.
void TfrmAbout::showEvent(QShowEvent* event) {
    if (!m_textsFitted) {
        fitText(lblInfo, lblInfo->font().pointSize());
        fitText(lblCopyright, lblCopyright->font().pointSize());
        fitText(lblMoreInfo, lblMoreInfo->font().pointSize());
        m_textsFitted = true;
    }
    QDialog::showEvent(event);
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
