// SPDX-License-Identifier: GPL-3.0-or-later
// The two disc cursors, drawn pixel by pixel: a monochrome cursor has only
// black, white and transparent pixels.
#include "artwork.h"

#include <algorithm>

namespace artwork {
namespace {

constexpr int kCursor = 32;
constexpr double kDiscRadius = 10.0;  // 20 pixels across at scale 1

// The disc of a cursor drawn at `scale` pixels a unit, with its hot spot.
struct Disc {
    int scale;
    int hotSpot;

    // Inside the disc: the pixel's centre lies within the radius of the point
    // (hotSpot, hotSpot), the hot spot's top-left corner. At scale 1 the disc
    // covers pixels 5 to 24 in each direction and the hot spot pixel (15, 15)
    // lies in its middle; at scale 2, pixels 10 to 49 around (30, 30).
    bool contains(int x, int y) const
    {
        const double dx = x + 0.5 - hotSpot;
        const double dy = y + 0.5 - hotSpot;
        const double r = kDiscRadius * scale;
        return dx * dx + dy * dy <= r * r;
    }

    // Which ring of the disc a pixel lies in, one unit (`scale` pixels)
    // wide each: 0 when a pixel outside the disc lies within one unit of it,
    // 1 within two units, 2 further in; -1 outside the disc. At scale 1 the
    // outer ring is the pixels with an outside 4-neighbour.
    int ring(int x, int y) const
    {
        if (!contains(x, y))
            return -1;
        const int reach = 2 * scale;
        int nearest = reach * reach + 1;  // squared distance to the outside
        for (int oy = -reach; oy <= reach; ++oy)
            for (int ox = -reach; ox <= reach; ++ox)
                if (!contains(x + ox, y + oy))
                    nearest = std::min(nearest, ox * ox + oy * oy);
        if (nearest <= scale * scale)
            return 0;
        return nearest <= reach * reach ? 1 : 2;
    }
};

}  // namespace

QImage discCursor(bool blackDisc, int scale)
{
    const Disc disc{scale, scale == 1 ? kCursorHotSpot : kCursorHotSpot2x};
    const int size = kCursor * scale;
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(0u);
    const QRgb black = 0xFF000000u;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            // The white outline, and the black ring inside it on the white disc.
            const int ring = disc.ring(x, y);
            if (ring < 0)
                continue;
            QRgb c;
            if (blackDisc)
                c = ring == 0 ? kWhite : black;
            else
                c = ring == 1 ? black : kWhite;
            img.setPixel(x, y, c);
        }
    }
    return img;
}

}  // namespace artwork
