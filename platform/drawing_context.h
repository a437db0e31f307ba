// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing context: a painter on an image (the window's back buffer or an
// off-screen canvas) with the drawing operations the game uses. Every
// operation records the rectangle it touched, so that drawing into the window
// can ask for exactly those parts of the screen to be refreshed.
//
// All drawing is aliased and in whole pixels; rectangles are platform::Rect
// (right and bottom exclusive).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QString>

#include "platform/geometry.h"

namespace platform {

class DrawingContext {
public:
    explicit DrawingContext(QImage& target);
    ~DrawingContext();
    DrawingContext(const DrawingContext&) = delete;
    DrawingContext& operator=(const DrawingContext&) = delete;

    QImage& Target() { return target_; }
    // Every rectangle drawn since construction: the squares a turn update
    // changed stay apart instead of merging into their bounding box.
    const QRegion& Touched() const { return touched_; }

    // The colour the target shows for `colour`: the colour itself on a
    // true-colour image.
    static QColor Nearest(QColor colour) { return colour; }

    void FillRect(const Rect& r, QColor colour);
    // A filled rectangle with a border of `borderWidth` pixels drawn inside
    // its edge.
    void BorderedRect(const Rect& r, QColor fill, QColor border, int borderWidth);
    // A one-pixel line from (x1, y1) towards (x2, y2), the end point excluded.
    void Line(int x1, int y1, int x2, int y2, QColor colour);
    // A filled ellipse with an outline `outlineWidth` pixels wide inside the
    // box, without the box's right column and bottom row.
    void Ellipse(const Rect& box, QColor outline, QColor fill, int outlineWidth = 1);
    // Text with a transparent background, its top-left corner at (x, y).
    void Text(int x, int y, const QString& text, const QFont& font, QColor colour);
    // Copies the block of r's size from the top-left of `source` to r, unchanged.
    void CopyImage(const Rect& r, const QImage& source);
    // Combines the block of r's size from the top-left of `source` into r with
    // a bitwise raster operation.
    void Combine(const Rect& r, const QImage& source, QPainter::CompositionMode operation);

    // Until ClearClip, every operation changes only the pixels inside r.
    void SetClip(const Rect& r);
    void ClearClip();

private:
    void Touch(const QRect& r) { touched_ += clipping_ ? r & clip_ : r; }

    QImage& target_;
    QPainter painter_;
    QRegion touched_;
    bool clipping_ = false;
    QRect clip_;
};

}  // namespace platform
