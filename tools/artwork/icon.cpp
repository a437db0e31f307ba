// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon: the four middle squares of the board in a bevelled
// frame, with the two dark and two light discs of the opening position.
// Drawn as vectors at every size, so each size is sharp; the scalable icon
// is the same drawing at the largest size, written as SVG.
#include "artwork.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>

#include <algorithm>
#include <iterator>

namespace artwork {
namespace {

// Everything below is laid out on a 256-unit square.
constexpr double kUnits = 256.0;

void drawDisc(QPainter& p, QPointF centre, double radius, bool dark, double px)
{
    const bool small = px > kUnits / 32;
    // A soft shadow down and to the right, where there is room for one.
    QRadialGradient shadow(centre + QPointF(radius * 0.12, radius * 0.16), radius * 1.12);
    shadow.setColorAt(0.80, QColor(0, 0, 0, 110));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    if (!small)
        p.drawEllipse(centre + QPointF(radius * 0.12, radius * 0.16), radius * 1.12, radius * 1.12);

    QRadialGradient g(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.5);
    if (dark) {
        g.setColorAt(0.0, QColor(0x5E, 0x5E, 0x5E));
        g.setColorAt(0.35, QColor(0x1C, 0x1C, 0x1C));
        g.setColorAt(1.0, QColor(0x04, 0x04, 0x04));
    } else {
        g.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
        g.setColorAt(0.45, QColor(0xF0, 0xF0, 0xF0));
        g.setColorAt(1.0, QColor(0xB4, 0xB4, 0xB4));
    }
    p.setBrush(g);
    const QColor rim = dark ? QColor(0, 0, 0) : small ? QColor(0x9A, 0x9A, 0x9A) : QColor(0x70, 0x70, 0x70);
    p.setPen(QPen(rim, small ? px * 0.6 : std::max(2.0, px * 0.8)));
    p.drawEllipse(centre, radius, radius);
}

// Draws the icon for a device of size x size pixels onto p, whose
// coordinates are device pixels.
void drawAppIcon(QPainter& p, int size)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kUnits, size / kUnits);
    const double px = kUnits / size;  // one device pixel in units
    const bool small = size <= 24;

    // Bevelled frame: light on the top and left, dark on the bottom and right.
    const double margin = small ? px * 0.25 : 6.0;
    const QRectF outer(margin, margin, kUnits - 2 * margin, kUnits - 2 * margin);
    QLinearGradient frame(outer.topLeft(), outer.bottomRight());
    frame.setColorAt(0.0, QColor(0xC8, 0xC8, 0xC8));
    frame.setColorAt(0.45, QColor(0x80, 0x80, 0x80));
    frame.setColorAt(1.0, QColor(0x26, 0x26, 0x26));
    p.setPen(QPen(QColor(0x1A, 0x1A, 0x1A), small ? px * 0.8 : std::max(3.0, px)));
    p.setBrush(frame);
    p.drawRoundedRect(outer, small ? 3 * px : 30, small ? 3 * px : 30);

    // Green ground, a little lighter towards the upper left.
    const double inset = small ? 1.6 * px : std::max(24.0, 2 * px);
    const QRectF ground = outer.adjusted(inset, inset, -inset, -inset);
    QLinearGradient green(ground.topLeft(), ground.bottomRight());
    green.setColorAt(0.0, QColor(0x86, 0xD4, 0xA6));
    green.setColorAt(0.5, QColor(kBoardGreen));
    green.setColorAt(1.0, QColor(0x4C, 0x9A, 0x6C));
    p.setPen(small ? QPen(Qt::NoPen) : QPen(QColor(0x20, 0x30, 0x26), std::max(3.0, px)));
    p.setBrush(green);
    p.drawRoundedRect(ground, small ? px : 10, small ? px : 10);

    // The grid line between the four squares.
    const double line = small ? px * 0.8 : std::max(6.0, px);
    const QPointF mid = ground.center();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x26, 0x27, 0x26));
    p.drawRect(QRectF(mid.x() - line / 2, ground.top(), line, ground.height()));
    p.drawRect(QRectF(ground.left(), mid.y() - line / 2, ground.width(), line));

    const double cell = ground.width() / 2;
    const double radius = cell * (small ? 0.43 : 0.40);
    const double left = ground.left() + cell / 2;
    const double right = ground.right() - cell / 2;
    const double top = ground.top() + cell / 2;
    const double bottom = ground.bottom() - cell / 2;
    drawDisc(p, QPointF(left, top), radius, false, px);
    drawDisc(p, QPointF(right, top), radius, true, px);
    drawDisc(p, QPointF(left, bottom), radius, true, px);
    drawDisc(p, QPointF(right, bottom), radius, false, px);
}

}  // namespace

QImage appIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    drawAppIcon(p, size);
    p.end();
    return img;
}

QByteArray appIconSvg()
{
    const int size = kScalableIconSize;
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(size, size));
    generator.setViewBox(QRect(0, 0, size, size));
    generator.setTitle(QStringLiteral("Quellix"));
    generator.setDescription(QStringLiteral("The icon of Quellix: the opening position of Reversi"));
    QPainter p(&generator);
    drawAppIcon(p, size);
    p.end();
    return svg.data();
}

}  // namespace artwork
