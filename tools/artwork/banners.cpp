// SPDX-License-Identifier: GPL-3.0-or-later
// The state banners of the player panels: a word in bold shaded letters with
// a dark outline and a drop shadow, filling most of its box. The panels show
// them on several greys, so the edges are hard, never blended with a ground.
#include "artwork.h"

#include <QFont>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace artwork {
namespace {

struct BannerStyle {
    const char* name;
    const char* text;
    int width;
    int height;
    QStringList families;  // first installed one wins
    bool italic;
    double embolden;  // extra stroke for thin faces, in pixels
    QRgb top;         // letter colour at the top
    QRgb middle;
    QRgb bottom;  // letter colour at the bottom
    QRgb outline;
    QRgb shadow;
};

const QStringList kSerif{"DejaVu Serif", "Liberation Serif", "P052", "C059", "Nimbus Roman"};
const QStringList kScript{"Z003", "URW Bookman", "P052", "DejaVu Serif", "Liberation Serif"};

const BannerStyle kStyles[] = {
    {"WIN", "WIN!", 248, 88, kScript, true, 1.6, 0xFFFF9AE6, 0xFFE0309E, 0xFF99106A, 0xFF45002E, 0xFF2A1A24},
    {"LOSE", "LOSE.", 300, 96, kSerif, false, 0.0, 0xFFB0A4FF, 0xFF6A4CE0, 0xFF3A209A, 0xFF180A48, 0xFF1C1830},
    {"TIE", "TIE!", 224, 96, kSerif, false, 0.0, 0xFFE6E27A, 0xFFA8A02A, 0xFF6A6410, 0xFF2E2C02, 0xFF24241A},
    {"GO", "GO!", 192, 104, kSerif, false, 0.0, 0xFFA6F29A, 0xFF38B845, 0xFF136E24, 0xFF06300C, 0xFF18261A},
    {"CGO", "Hmm...", 332, 88, kSerif, true, 0.0, 0xFFA6F29A, 0xFF38B845, 0xFF136E24, 0xFF06300C, 0xFF18261A},
    {"PASS", "PASS!", 336, 96, kSerif, false, 0.0, 0xFFB0A4FF, 0xFF6A4CE0, 0xFF3A209A, 0xFF180A48, 0xFF1C1830},
};

QString firstInstalled(const QStringList& families)
{
    // Installed names may carry their foundry: "Z003 [urw]".
    QStringList installed;
    for (QString f : QFontDatabase::families()) {
        const qsizetype bracket = f.indexOf(QLatin1String(" ["));
        installed.append(bracket >= 0 ? f.left(bracket) : f);
    }
    for (const QString& f : families)
        if (installed.contains(f, Qt::CaseInsensitive))
            return f;
    return QStringLiteral("serif");
}

const BannerStyle* styleFor(const QString& name)
{
    for (const BannerStyle& s : kStyles)
        if (name == QLatin1String(s.name))
            return &s;
    return nullptr;
}

}  // namespace

QImage banner(const QString& name, int scale)
{
    const BannerStyle* style = styleFor(name);
    if (!style)
        return {};
    QFont font(firstInstalled(style->families));
    font.setPixelSize(200);
    font.setBold(true);
    font.setItalic(style->italic);
    font.setStyleStrategy(QFont::PreferOutline);

    QPainterPath text;
    text.addText(0, 0, font, QString::fromLatin1(style->text));

    // Fit the word into the box, leaving room for its outline and shadow.
    const double outline = 3.0 + style->embolden;
    const double shadow = 4.0;
    const double margin = 1.0 + outline;
    const QRectF bounds = text.boundingRect();
    const double availW = style->width - 2 * margin - shadow;
    const double availH = style->height - 2 * margin - shadow;
    const double sy = availH / bounds.height();
    // Slightly condensed or widened letters are fine; distorted ones are not.
    const double sx = std::clamp(availW / bounds.width(), sy * 0.80, sy * 1.15);
    const double scaledW = bounds.width() * sx;
    QTransform fit;
    fit.translate(margin + (availW - scaledW) / 2, margin);
    fit.scale(sx, sy);
    fit.translate(-bounds.left(), -bounds.top());
    const QPainterPath word = fit.map(text);
    const QRectF wordBounds = word.boundingRect();

    // Laid out in units of the box; drawn at `scale` pixels a unit.
    QImage img(style->width * scale, style->height * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (scale != 1)
        p.scale(scale, scale);

    // Drop shadow, then the outline, then the shaded letters.
    const QPainterPath shadowPath = word.translated(shadow, shadow);
    p.setPen(QPen(QColor(style->shadow), 2 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(style->shadow));
    p.drawPath(shadowPath);
    p.setPen(QPen(QColor(style->outline), 2 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(style->outline));
    p.drawPath(word);

    QLinearGradient fill(wordBounds.topLeft(), wordBounds.bottomLeft());
    fill.setColorAt(0.0, QColor(style->top));
    fill.setColorAt(0.45, QColor(style->middle));
    fill.setColorAt(1.0, QColor(style->bottom));
    if (style->embolden > 0)
        p.setPen(QPen(QBrush(fill), 2 * style->embolden, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(word);

    // A gloss over the upper part of the letters.
    QPainterPathStroker thicken;
    thicken.setWidth(2 * style->embolden);
    thicken.setJoinStyle(Qt::RoundJoin);
    p.setClipPath(style->embolden > 0 ? word.united(thicken.createStroke(word)) : word);
    p.setPen(Qt::NoPen);
    QLinearGradient gloss(wordBounds.topLeft(),
                          QPointF(wordBounds.left(), wordBounds.top() + wordBounds.height() * 0.5));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 120));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawRect(QRectF(wordBounds.left(), wordBounds.top(), wordBounds.width(), wordBounds.height() * 0.5));
    p.end();
    return hardenAlpha(img);
}

}  // namespace artwork
