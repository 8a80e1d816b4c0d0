// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the About window's logo: the product mark (rendered from app/resources/icon.svg) and name.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

// The mark fills 88 % of the icon's square; in the logo that part spans 84 px from (6, 8).
constexpr qreal kMarkSpan = 84;
constexpr qreal kMarkShare = 0.88;

QImage logo(const QImage& icon) {
    QImage image(200, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal side = kMarkSpan / kMarkShare;
    const qreal margin = (side - kMarkSpan) / 2;
    p.drawImage(QRectF(6 - margin, 8 - margin, side, side), icon);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x26, 0x3b, 0x55));
    p.drawText(QRectF(92, 30, 108, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Fault"));
    p.setPen(QColor(0xd9, 0x8a, 0x0b));
    p.drawText(QRectF(92, 56, 108, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("wise"));
    font.setPixelSize(10);
    font.setBold(false);
    p.setFont(font);
    p.setPen(QColor(0x55, 0x66, 0x77));
    p.drawText(QRectF(6, 96, 194, 20), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("SRS fault history reader"));
    return image;
}

} // namespace

// Usage: make_logo <icon.png> <logo.png>, the icon rendered at about 96 px.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_logo <icon.png> <logo.png>\n");
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull()) {
        std::fprintf(stderr, "make_logo: cannot read %s\n", argv[1]);
        return 1;
    }
    return logo(icon).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
