// SPDX-License-Identifier: GPL-3.0-or-later
// The disc and its turning frames.
//
// The disc is modelled as a short cylinder (diameter 120, thickness 34) with a
// dark face in front and a light face behind, turning about the upright axis
// through its centre. The disc is 120 units across and drawn at one or two
// pixels a unit. Every pixel is sampled 4 x 4 times; the pixels the disc
// covers at least a quarter become opaque, and their colour is blended with
// the board green by coverage, so the edge is smooth where the disc lies on
// the board.
#include "artwork.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace artwork {
namespace {

constexpr int kSize = 120;
constexpr double kRadius = 60.0;
constexpr double kHalfThickness = 17.0;
constexpr int kSamples = 4;  // per axis

struct Colour {
    double r = 0, g = 0, b = 0;
};

Colour grey(double v)
{
    return {v, v, v};
}

Colour mix(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double smoothstep(double lo, double hi, double x)
{
    const double t = std::clamp((x - lo) / (hi - lo), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Turning angle of each frame in degrees: 0 shows the dark face, 180 the light.
constexpr double kAngles[7] = {0, 40, 68, 90, 112, 140, 180};
// Brightness of the light face as it turns towards the viewer.
constexpr double kLightFaceLevel[7] = {0, 0, 0, 0, 0xC0, 0xD7, 0xF1};

// The face of the disc at (u, v), in units of the radius, with the face's
// own axes (u to the right of the face as seen, v down).
Colour faceColour(bool dark, double u, double v, double level)
{
    const double rho = std::hypot(u, v);
    // +1 towards the upper left (where the light comes from), -1 lower right.
    const double toLight = rho > 1e-9 ? (-u - v) / (rho * std::numbers::sqrt2) : 0.0;
    const double rim = smoothstep(0.84, 0.96, rho);
    if (dark) {
        const double glow = std::exp(-((u + 0.32) * (u + 0.32) + (v + 0.38) * (v + 0.38)) / (2 * 0.30 * 0.30));
        double value = 8.0 + 44.0 * glow;
        value += rim * (toLight > 0 ? 52.0 * toLight : 8.0 * toLight);
        return grey(std::clamp(value, 0.0, 255.0));
    }
    const double scale = level / 241.0;
    double value = 241.0;
    value -= 30.0 * smoothstep(0.45, 1.0, rho) * (0.55 - 0.45 * toLight);
    const double glow = std::exp(-((u + 0.30) * (u + 0.30) + (v + 0.36) * (v + 0.36)) / (2 * 0.26 * 0.26));
    value += 10.0 * glow;
    value += rim * (toLight > 0 ? 6.0 * toLight : 34.0 * toLight);
    return grey(std::clamp(value * scale, 0.0, 250.0));
}

// The edge band at height y (pixels from the centre, down positive), at the
// point `depth` along the thickness (positive: the dark layer), whose surface
// faces the viewer by `facing` (0 at the silhouette, 1 straight on).
Colour rimColour(double depth, double y, double facing)
{
    const bool darkLayer = depth > 0;
    const double base = darkLayer ? 58.0 : 188.0;
    const double fromTop = -y / kRadius;  // 1 at the top, -1 at the bottom
    double light = 0.42 + 0.60 * std::pow(facing, 0.8) + 0.12 * fromTop;
    double value = base * std::clamp(light, 0.25, 1.15);
    // A thin dark seam where the two layers meet, and at the face edges.
    const double seam = std::min(std::abs(depth), kHalfThickness - std::abs(depth));
    if (seam < 1.2)
        value *= 0.55 + 0.45 * (seam / 1.2);
    return grey(std::clamp(value, 0.0, 250.0));
}

// The colour seen at (x, y) (pixels from the centre), or nothing.
std::optional<Colour> sample(double x, double y, double angle, double lightLevel)
{
    if (std::abs(y) >= kRadius)
        return std::nullopt;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double h = std::sqrt(kRadius * kRadius - y * y);
    const bool darkInFront = c >= 0;
    const double faceOffset = (darkInFront ? kHalfThickness : -kHalfThickness) * s;
    const double halfWidth = h * std::abs(c);
    if (std::abs(c) > 1e-9 && std::abs(x - faceOffset) <= halfWidth) {
        const double u = (x - faceOffset) / std::abs(c) / kRadius;
        return faceColour(darkInFront, u, y / kRadius, lightLevel);
    }
    if (s > 1e-9) {
        const double depth = (x + h * c) / s;
        if (std::abs(depth) <= kHalfThickness) {
            const double facing = h / kRadius * s;
            return rimColour(depth, y, facing);
        }
    }
    return std::nullopt;
}

}  // namespace

QImage discFrame(int frame, int scale)
{
    frame = std::clamp(frame, 0, 6);
    const double angle = kAngles[frame] * std::numbers::pi / 180.0;
    const Colour board{qRed(kBoardGreen) * 1.0, qGreen(kBoardGreen) * 1.0, qBlue(kBoardGreen) * 1.0};
    const int size = kSize * scale;
    QImage sheet(size, size, QImage::Format_ARGB32);
    sheet.fill(0u);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            Colour sum;
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    // Sample points in units from the disc's centre.
                    const double x = (px + (sx + 0.5) / kSamples) / scale - kSize / 2.0;
                    const double y = (py + (sy + 0.5) / kSamples) / scale - kSize / 2.0;
                    if (auto c = sample(x, y, angle, kLightFaceLevel[frame])) {
                        sum.r += c->r;
                        sum.g += c->g;
                        sum.b += c->b;
                        ++hits;
                    }
                }
            }
            constexpr int total = kSamples * kSamples;
            if (hits * 4 < total)
                continue;
            const Colour mean{sum.r / hits, sum.g / hits, sum.b / hits};
            const Colour out = mix(board, mean, static_cast<double>(hits) / total);
            sheet.setPixel(px, py,
                           qRgb(static_cast<int>(std::lround(out.r)), static_cast<int>(std::lround(out.g)),
                                static_cast<int>(std::lround(out.b))));
        }
    }
    return sheet;
}

}  // namespace artwork
