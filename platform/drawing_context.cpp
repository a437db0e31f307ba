// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/drawing_context.h"

#include <QFontMetrics>
#include <cstdlib>

namespace platform {

DrawingContext::DrawingContext(QImage& target) : target_(target)
{
    if (!target_.isNull()) {
        painter_.begin(&target_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
    }
}

DrawingContext::~DrawingContext()
{
    if (painter_.isActive())
        painter_.end();
}

void DrawingContext::FillRect(const Rect& r, QColor colour)
{
    if (r.IsEmpty() || !painter_.isActive())
        return;
    painter_.fillRect(r.ToQRect(), colour);
    Touch(r.ToQRect());
}

void DrawingContext::BorderedRect(const Rect& r, QColor fill, QColor border, int borderWidth)
{
    FillRect(r, border);
    FillRect({r.left + borderWidth, r.top + borderWidth, r.right - borderWidth, r.bottom - borderWidth}, fill);
}

void DrawingContext::Line(int x1, int y1, int x2, int y2, QColor colour)
{
    if (!painter_.isActive() || (x1 == x2 && y1 == y2))
        return;
    if (x1 == x2 || y1 == y2) {
        // Axis-aligned: a one-pixel-thick rectangle from the start up to the end.
        const int left = x1 == x2 ? x1 : (x1 < x2 ? x1 : x2 + 1);
        const int right = x1 == x2 ? x1 + 1 : (x1 < x2 ? x2 : x1 + 1);
        const int top = y1 == y2 ? y1 : (y1 < y2 ? y1 : y2 + 1);
        const int bottom = y1 == y2 ? y1 + 1 : (y1 < y2 ? y2 : y1 + 1);
        FillRect({left, top, right, bottom}, colour);
        return;
    }
    // Any other slope: Bresenham's walk, stopping before the end point.
    painter_.setPen(QPen(colour, 1));
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int error = dx + dy, x = x1, y = y1;
    while (x != x2 || y != y2) {
        painter_.drawPoint(x, y);
        Touch(QRect(x, y, 1, 1));
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void DrawingContext::Ellipse(const Rect& box, QColor outline, QColor fill, int outlineWidth)
{
    if (box.Width() < 2 || box.Height() < 2 || !painter_.isActive())
        return;
    if (outlineWidth > 1) {
        // A wider outline: the whole ellipse in the outline's colour, then the
        // fill inside it with its own one-pixel outline, outlineWidth - 1 in.
        const int inset = outlineWidth - 1;
        Ellipse(box, outline, outline);
        if (box.Width() - 2 * inset >= 2 && box.Height() - 2 * inset >= 2)
            Ellipse({box.left + inset, box.top + inset, box.right - inset, box.bottom - inset}, outline, fill);
        return;
    }
    painter_.setPen(QPen(outline, 1));
    painter_.setBrush(fill);
    // An aliased outline of QRect(x, y, w, h) covers w + 1 columns.
    painter_.drawEllipse(QRect(box.left, box.top, box.Width() - 2, box.Height() - 2));
    painter_.setBrush(Qt::NoBrush);
    Touch(QRect(box.left, box.top, box.Width() - 1, box.Height() - 1));
}

void DrawingContext::Text(int x, int y, const QString& text, const QFont& font, QColor colour)
{
    if (!painter_.isActive() || text.isEmpty())
        return;
    painter_.setFont(font);
    painter_.setPen(colour);
    const QFontMetrics metrics(font);
    const QRect box(x, y, metrics.horizontalAdvance(text) + metrics.height(), metrics.height() + 1);
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    Touch(box);
}

void DrawingContext::CopyImage(const Rect& r, const QImage& source)
{
    Combine(r, source, QPainter::CompositionMode_Source);
}

void DrawingContext::Combine(const Rect& r, const QImage& source, QPainter::CompositionMode operation)
{
    if (r.IsEmpty() || source.isNull() || !painter_.isActive())
        return;
    painter_.setCompositionMode(operation);
    painter_.drawImage(QPoint(r.left, r.top), source, QRect(0, 0, r.Width(), r.Height()));
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Touch(r.ToQRect());
}

void DrawingContext::SetClip(const Rect& r)
{
    clipping_ = true;
    clip_ = r.ToQRect();
    if (painter_.isActive())
        painter_.setClipRect(clip_);
}

void DrawingContext::ClearClip()
{
    clipping_ = false;
    if (painter_.isActive())
        painter_.setClipping(false);
}

}  // namespace platform
