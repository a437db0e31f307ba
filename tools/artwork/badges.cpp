// SPDX-License-Identifier: GPL-3.0-or-later
// The level badges: a smiling face for a human player, a small computer
// screen with one to six stars for the robot's level. Hard edges: the badges
// are shown on the panels' greys.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artwork {
namespace {

constexpr int kBadge = 72;

QPainterPath star(QPointF centre, double outer)
{
    const double inner = outer * 0.45;
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2) ? inner : outer;
        const double a = (-90.0 + i * 36.0) * std::numbers::pi / 180.0;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void drawStar(QPainter& p, QPointF centre, double outer)
{
    const QPainterPath s = star(centre, outer);
    QRadialGradient g(centre - QPointF(outer * 0.25, outer * 0.3), outer * 1.1);
    g.setColorAt(0.0, QColor(0xFF, 0xFB, 0xB0));
    g.setColorAt(0.45, QColor(0xFF, 0xDC, 0x2E));
    g.setColorAt(1.0, QColor(0xD8, 0x96, 0x00));
    p.setPen(QPen(QColor(0x6A, 0x42, 0x00), std::max(1.0, outer * 0.16), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(s);
}

// A transparent badge canvas of `scale` pixels a unit, and a painter on it
// that draws in units.
QImage badgeCanvas(int scale)
{
    QImage img(kBadge * scale, kBadge * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void begin(QPainter& p, int scale)
{
    p.setRenderHint(QPainter::Antialiasing);
    if (scale != 1)
        p.scale(scale, scale);
}

QImage smileyFace(int scale)
{
    QImage img = badgeCanvas(scale);
    QPainter p(&img);
    begin(p, scale);
    const QRectF face(3, 3, 66, 66);
    QRadialGradient g(QPointF(27, 24), 46, QPointF(24, 20));
    g.setColorAt(0.0, QColor(0xFF, 0xF6, 0xA8));
    g.setColorAt(0.45, QColor(0xFF, 0xD4, 0x2A));
    g.setColorAt(1.0, QColor(0xE0, 0x8A, 0x00));
    p.setPen(QPen(QColor(0x5A, 0x36, 0x00), 3.0));
    p.setBrush(g);
    p.drawEllipse(face);

    // Eyes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3A, 0x22, 0x00));
    p.drawEllipse(QRectF(22, 20, 8, 13));
    p.drawEllipse(QRectF(42, 20, 8, 13));
    p.setBrush(QColor(0xFF, 0xF8, 0xD8));
    p.drawEllipse(QRectF(24, 22, 3, 4));
    p.drawEllipse(QRectF(44, 22, 3, 4));

    // Smile with rosy cheeks.
    p.setBrush(QColor(0xF4, 0x8A, 0x5A));
    p.drawEllipse(QRectF(11, 36, 10, 7));
    p.drawEllipse(QRectF(51, 36, 10, 7));
    QPainterPath mouth;
    mouth.moveTo(19, 41);
    mouth.cubicTo(25, 58, 47, 58, 53, 41);
    mouth.cubicTo(46, 50, 26, 50, 19, 41);
    p.setPen(QPen(QColor(0x3A, 0x22, 0x00), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x8A, 0x20, 0x10));
    p.drawPath(mouth);
    p.end();
    return img;
}

QImage monitor(int stars, int scale)
{
    QImage img = badgeCanvas(scale);
    QPainter p(&img);
    begin(p, scale);
    const QColor ink(0x22, 0x22, 0x2A);

    // Stand and foot.
    QPainterPath stand;
    stand.moveTo(29, 54);
    stand.lineTo(43, 54);
    stand.lineTo(46, 63);
    stand.lineTo(26, 63);
    stand.closeSubpath();
    QLinearGradient metal(0, 54, 0, 70);
    metal.setColorAt(0.0, QColor(0x8C, 0x8C, 0x96));
    metal.setColorAt(1.0, QColor(0x5A, 0x5A, 0x64));
    p.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(metal);
    p.drawPath(stand);
    QLinearGradient footGrad(0, 62, 0, 69);
    footGrad.setColorAt(0.0, QColor(0xB4, 0xB4, 0xBE));
    footGrad.setColorAt(1.0, QColor(0x6E, 0x6E, 0x78));
    p.setBrush(footGrad);
    p.drawRoundedRect(QRectF(15, 62, 42, 7), 3, 3);

    // Bezel.
    QLinearGradient bezel(0, 4, 0, 56);
    bezel.setColorAt(0.0, QColor(0xE8, 0xE8, 0xEE));
    bezel.setColorAt(0.5, QColor(0xC4, 0xC6, 0xCE));
    bezel.setColorAt(1.0, QColor(0x8E, 0x90, 0x9A));
    p.setBrush(bezel);
    p.drawRoundedRect(QRectF(2, 4, 68, 52), 6, 6);

    // Screen with a soft glow.
    const QRectF screen(7, 9, 58, 40);
    QRadialGradient glass(QPointF(26, 18), 52);
    glass.setColorAt(0.0, QColor(0x3A, 0x5C, 0xB0));
    glass.setColorAt(0.6, QColor(0x1C, 0x2C, 0x6A));
    glass.setColorAt(1.0, QColor(0x0E, 0x14, 0x38));
    p.setPen(QPen(ink, 1.6));
    p.setBrush(glass);
    p.drawRoundedRect(screen, 3, 3);

    // Stars: one row for up to three, two rows above that.
    const int top = stars <= 3 ? stars : (stars + 1) / 2;
    const int bottom = stars - top;
    const double size = stars == 1 ? 15.0 : stars <= 3 ? 10.5 : 9.5;
    auto row = [&](int count, double y) {
        for (int i = 0; i < count; ++i) {
            const double x = screen.left() + screen.width() * (i + 0.5) / count;
            drawStar(p, QPointF(x, y), size);
        }
    };
    if (bottom == 0) {
        row(top, screen.center().y() + 1);
    } else {
        row(top, screen.top() + 11);
        row(bottom, screen.bottom() - 10);
    }

    // Power light.
    p.setPen(QPen(ink, 0.8));
    p.setBrush(QColor(0x40, 0xE0, 0x60));
    p.drawEllipse(QRectF(60, 50.5, 4, 4));
    p.end();
    return img;
}

}  // namespace

QImage levelBadge(int level, int scale)
{
    return hardenAlpha(level <= 0 ? smileyFace(scale) : monitor(std::min(level, 6), scale));
}

}  // namespace artwork
