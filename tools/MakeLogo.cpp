// Draws the product logo: a steering-wheel hub with an airbag warning mark over a flash chip.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstdlib>

namespace {

void drawMark(QPainter& p, const QRectF& box) {
    const qreal s = box.height();
    const QPointF c = box.center();

    // The chip: a dark square with pins on two sides.
    const QRectF chip(c.x() - s * 0.36, c.y() - s * 0.36, s * 0.72, s * 0.72);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a, 0xa7, 0xb4));
    for (int i = 0; i < 5; ++i) {
        const qreal y = chip.top() + chip.height() * (0.14 + 0.18 * i);
        p.drawRect(QRectF(chip.left() - s * 0.08, y, s * 0.08, s * 0.07));
        p.drawRect(QRectF(chip.right(), y, s * 0.08, s * 0.07));
    }
    QLinearGradient body(chip.topLeft(), chip.bottomRight());
    body.setColorAt(0, QColor(0x26, 0x3b, 0x55));
    body.setColorAt(1, QColor(0x12, 0x1f, 0x30));
    p.setBrush(body);
    p.drawRoundedRect(chip, s * 0.06, s * 0.06);

    // The wheel: a ring with three spokes around an amber hub.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xe8, 0xee, 0xf4), s * 0.06));
    const qreal r = s * 0.25;
    p.drawEllipse(c, r, r);
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.drawLine(c, QPointF(c.x(), c.y() + r));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf5, 0xa6, 0x23));
    p.drawEllipse(c, s * 0.11, s * 0.11);

    // The fault mark on the hub.
    p.setBrush(QColor(0x12, 0x1f, 0x30));
    p.drawRect(QRectF(c.x() - s * 0.018, c.y() - s * 0.075, s * 0.036, s * 0.09));
    p.drawEllipse(QPointF(c.x(), c.y() + s * 0.06), s * 0.02, s * 0.02);
}

QImage logo() {
    QImage image(200, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawMark(p, QRectF(6, 8, 84, 84));
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

QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawMark(p, QRectF(size * 0.06, size * 0.06, size * 0.88, size * 0.88));
    return image;
}

} // namespace

// Usage: make_logo <logo.png> [<icon.png> <size>]...
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: make_logo <logo.png> [<icon.png> <size>]...\n");
        return 2;
    }
    bool ok = logo().save(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i + 1 < argc; i += 2)
        ok = icon(std::atoi(argv[i + 1])).save(QString::fromLocal8Bit(argv[i])) && ok;
    return ok ? 0 : 1;
}
