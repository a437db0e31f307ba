// SPDX-License-Identifier: GPL-3.0-or-later
// Integer rectangles with the left and top edges inclusive and the right and
// bottom edges exclusive, as all of the game's geometry is written.
#pragma once

#include <QRect>
#include <QtGlobal>
#include <algorithm>
#include <cstdint>

namespace platform {

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    Rect Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
    static Rect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    bool operator==(const Rect&) const = default;
};

// A length that the drawing rules give in fixed pixels (a line one pixel
// wide, a cross five pixels across), on a screen of `ratio` device pixels per
// logical pixel: multiplied by the ratio and rounded, and never less than one
// pixel, so that it looks as large as on a screen of ratio 1.
inline int ScaledLength(int pixels, qreal ratio)
{
    return pixels <= 0 ? 0 : std::max(1, qRound(pixels * ratio));
}

}  // namespace platform
