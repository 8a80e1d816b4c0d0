// SPDX-License-Identifier: GPL-3.0-or-later
// A warning bar in the style of a message bar: an icon and the findings, one per line.
#include "WarningBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

namespace {

constexpr int kIconSize = 24;

} // namespace

WarningBar::WarningBar(QWidget* parent)
    : QFrame(parent)
    , m_lblIcon(new QLabel(this))
    , m_lblText(new QLabel(this)) {
    setObjectName(QStringLiteral("m_warningBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xCE));
    colours.setColor(QPalette::WindowText, QColor(0x40, 0x30, 0x00));
    setPalette(colours);

    m_lblIcon->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kIconSize, kIconSize));
    m_lblIcon->setAlignment(Qt::AlignTop);
    m_lblText->setObjectName(QStringLiteral("m_lblWarnings"));
    m_lblText->setWordWrap(true);
    m_lblText->setTextFormat(Qt::PlainText);
    m_lblText->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_lblIcon);
    layout->addWidget(m_lblText, 1);
    setVisible(false);
}

void WarningBar::showFindings(const std::vector<ReadFinding>& findings) {
    m_lines.clear();
    for (const ReadFinding& finding : findings)
        m_lines.append(QStringLiteral("Warning: ") + QString::fromStdString(finding.text) + '.');
    m_lblText->setText(m_lines.join('\n'));
    setVisible(!m_lines.isEmpty());
}
