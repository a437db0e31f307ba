// The two disc cursors, drawn pixel by pixel: a monochrome cursor has only
// black, white and transparent pixels.
#include "artwork.h"

namespace artwork {
namespace {

constexpr int kCursor = 32;
constexpr double kDiscRadius = 10.0;  // 20 pixels across

// Inside the disc: the pixel's centre lies within the radius of the point
// (15, 15), the hot spot's top-left corner, so the disc covers pixels 5 to 24
// in each direction and the hot spot pixel lies in its middle.
bool inDisc(int x, int y)
{
    const double dx = x + 0.5 - kCursorHotSpot;
    const double dy = y + 0.5 - kCursorHotSpot;
    return dx * dx + dy * dy <= kDiscRadius * kDiscRadius;
}

// How many steps of 4-neighbours separate the pixel from the outside:
// 1 for the outline, 2 for the ring inside it, more further in.
int depth(int x, int y)
{
    if (!inDisc(x, y))
        return 0;
    for (int d = 1; d < kCursor; ++d) {
        for (int oy = -d; oy <= d; ++oy) {
            const int rest = d - (oy < 0 ? -oy : oy);
            for (int ox : {-rest, rest})
                if (!inDisc(x + ox, y + oy))
                    return d;
        }
    }
    return kCursor;
}

}  // namespace

QImage discCursor(bool blackDisc)
{
    QImage img(kCursor, kCursor, QImage::Format_ARGB32);
    img.fill(0u);
    const QRgb black = 0xFF000000u;
    for (int y = 0; y < kCursor; ++y) {
        for (int x = 0; x < kCursor; ++x) {
            const int d = depth(x, y);
            if (d == 0)
                continue;
            QRgb c;
            if (blackDisc)
                c = d == 1 ? kWhite : black;
            else
                c = d == 2 ? black : kWhite;
            img.setPixel(x, y, c);
        }
    }
    return img;
}

}  // namespace artwork
