// SPDX-License-Identifier: GPL-3.0-or-later
// The red pointer that shows which way a move flips discs, and its hub.
//
// One vector shape, turned about the frame's centre for each frame. The shape
// is a ridged pointer: each half of the ridge is shaded by how it faces the
// light from the upper left after turning, so the lighting stays fixed while
// the pointer turns. Edges are hard (the mask follows the drawn shape) and
// carry the dark outline colour, which reads well on dark and light discs.
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artwork {
namespace {

constexpr int kFrame = 113;
constexpr double kCentre = kFrame / 2.0;
constexpr double kHubRadius = 11.5;
constexpr double kTipDistance = kCentre - 8.0;  // tip 8 pixels from the edge
constexpr double kBarbBack = 19.5;              // distance of the barbs' points from the centre
constexpr double kHeadNeck = 25.5;              // where the head meets the shaft
constexpr double kHeadHalfWidth = 17.0;
constexpr double kShaftHalfWidth = 6.5;

QColor shade(double towardsLight)
{
    // -1 (facing away) .. +1 (facing the light): shadow -> mid -> light.
    const double t = std::clamp(0.5 + 0.5 * towardsLight, 0.0, 1.0);
    const QColor shadow(kArrowShadow), mid(kArrowMid), light(kArrowLight);
    auto lerp = [](const QColor& a, const QColor& b, double k) {
        return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * k),
                                static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * k),
                                static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * k));
    };
    // Bias upwards a little: the shadow colour is kept for the outline.
    const double u = 0.25 + 0.75 * t;
    return u < 0.5 ? lerp(shadow, mid, u * 2) : lerp(mid, light, (u - 0.5) * 2);
}

// One half of the ridge, in the pointer's own frame (pointing up, y down).
QPolygonF half(double side)
{
    return QPolygonF{{
        QPointF(0, -kTipDistance),
        QPointF(side * kHeadHalfWidth, -kBarbBack),
        QPointF(side * kShaftHalfWidth, -kHeadNeck),
        QPointF(side * kShaftHalfWidth, 0),
        QPointF(0, 0),
    }};
}

void drawHub(QPainter& p)
{
    const QRectF hub(-kHubRadius, -kHubRadius, 2 * kHubRadius, 2 * kHubRadius);
    QRadialGradient g(QPointF(-3.5, -4.0), kHubRadius * 1.5, QPointF(-4.0, -4.5));
    g.setColorAt(0.0, QColor(0xFF, 0x8F, 0xAE));
    g.setColorAt(0.25, QColor(kArrowLight));
    g.setColorAt(0.70, QColor(kArrowMid));
    g.setColorAt(1.0, QColor(kArrowShadow));
    p.setPen(QPen(QColor(kArrowShadow).darker(130), 1.4));
    p.setBrush(g);
    p.drawEllipse(hub);
}

QImage canvas(int scale)
{
    QImage img(kFrame * scale, kFrame * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// Puts the origin at the frame's centre, one unit `scale` pixels.
void centre(QPainter& p, int scale)
{
    p.translate(kCentre * scale, kCentre * scale);
    if (scale != 1)
        p.scale(scale, scale);
}

}  // namespace

QImage arrowFrame(int frame, int scale)
{
    const double degrees = (frame - 1) * 22.5;
    const double radians = degrees * std::numbers::pi / 180.0;
    // Light from the upper left, in screen coordinates (y down).
    const double lx = -std::numbers::sqrt2 / 2, ly = -std::numbers::sqrt2 / 2;

    QImage img = canvas(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    centre(p, scale);
    p.rotate(degrees);

    // Outline first: the whole silhouette stroked in the shadow colour.
    QPainterPath outline;
    outline.addPolygon(half(-1));
    outline.addPolygon(half(1));
    outline = outline.simplified();
    p.setPen(QPen(QColor(kArrowShadow).darker(125), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);

    for (double side : {-1.0, 1.0}) {
        // Outward normal of this half, turned with the pointer: (side, 0).
        const double nx = side * std::cos(radians);
        const double ny = side * std::sin(radians);
        const QColor c = shade(nx * lx + ny * ly);
        p.setPen(QPen(c, 0.6));
        p.setBrush(c);
        p.drawPolygon(half(side));
    }
    // A fine highlight along the ridge.
    p.setPen(QPen(QColor(0xFF, 0x8F, 0xAE, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -kTipDistance + 6), QPointF(0, -kHubRadius));

    drawHub(p);
    p.end();
    return hardenAlpha(img);
}

QImage centreMark(int scale)
{
    QImage img = canvas(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    centre(p, scale);
    drawHub(p);
    p.end();
    return hardenAlpha(img);
}

}  // namespace artwork
