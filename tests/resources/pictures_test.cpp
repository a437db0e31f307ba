// SPDX-License-Identifier: GPL-3.0-or-later
// The stored pictures as the game finds them in the resource system.
#include "resources/resources.h"

#include <QImage>
#include <QPointF>
#include <QSet>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <vector>

namespace {

using quellix::resources::colourPicturePath;
using quellix::resources::maskPath;

struct Expected {
    const char* name;
    int width;
    int height;
};

void PrintTo(const Expected& e, std::ostream* os)
{
    *os << e.name;
}

const std::vector<Expected>& allPictures()
{
    static const std::vector<Expected> all = [] {
        std::vector<Expected> v;
        static const char* cou[] = {"COU0", "COU1", "COU2", "COU3", "COU4", "COU5", "COU6"};
        for (const char* n : cou)
            v.push_back({n, 120, 120});
        static const char* arrows[] = {"ARROW01", "ARROW02", "ARROW03", "ARROW04", "ARROW05", "ARROW06",
                                       "ARROW07", "ARROW08", "ARROW09", "ARROW10", "ARROW11", "ARROW12",
                                       "ARROW13", "ARROW14", "ARROW15", "ARROW16", "CENTER"};
        for (const char* n : arrows)
            v.push_back({n, 113, 113});
        static const char* lvl[] = {"LVL0", "LVL1", "LVL2", "LVL3", "LVL4", "LVL5", "LVL6"};
        for (const char* n : lvl)
            v.push_back({n, 72, 72});
        v.push_back({"GO", 192, 104});
        v.push_back({"CGO", 332, 88});
        v.push_back({"PASS", 336, 96});
        v.push_back({"WIN", 248, 88});
        v.push_back({"LOSE", 300, 96});
        v.push_back({"TIE", 224, 96});
        return v;
    }();
    return all;
}

struct Pair {
    QImage colour;
    QImage mask;
    bool opaque(int x, int y) const { return (mask.pixel(x, y) & 0xFFFFFF) == 0; }
    QRgb rgb(int x, int y) const { return colour.pixel(x, y) & 0xFFFFFF; }
};

Pair load(const QString& name, bool doubleResolution = false)
{
    return {QImage(colourPicturePath(name, doubleResolution)), QImage(maskPath(name, doubleResolution))};
}

int opaqueCount(const Pair& p)
{
    int n = 0;
    for (int y = 0; y < p.mask.height(); ++y)
        for (int x = 0; x < p.mask.width(); ++x)
            n += p.opaque(x, y);
    return n;
}

// Mean brightness (0 to 255) of the opaque pixels.
double meanBrightness(const Pair& p)
{
    double sum = 0;
    int n = 0;
    for (int y = 0; y < p.mask.height(); ++y) {
        for (int x = 0; x < p.mask.width(); ++x)
            if (p.opaque(x, y)) {
                const QRgb c = p.rgb(x, y);
                sum += (qRed(c) + qGreen(c) + qBlue(c)) / 3.0;
                ++n;
            }
    }
    return n ? sum / n : -1;
}

// Leftmost and rightmost opaque column of one row, or (-1, -1).
std::pair<int, int> opaqueSpan(const Pair& p, int y)
{
    int lo = -1, hi = -1;
    for (int x = 0; x < p.mask.width(); ++x)
        if (p.opaque(x, y)) {
            if (lo < 0)
                lo = x;
            hi = x;
        }
    return {lo, hi};
}

bool hasColour(const Pair& p, QRgb rgb)
{
    for (int y = 0; y < p.mask.height(); ++y)
        for (int x = 0; x < p.mask.width(); ++x)
            if (p.opaque(x, y) && p.rgb(x, y) == (rgb & 0xFFFFFF))
                return true;
    return false;
}

// ---------------------------------------------------------------------------
// Every pair

TEST(NamedPictures, EveryPairLoadsWithItsSizeAndDepth)
{
    for (const Expected& e : allPictures()) {
        SCOPED_TRACE(e.name);
        const Pair p = load(QString::fromLatin1(e.name));
        ASSERT_FALSE(p.colour.isNull());
        ASSERT_FALSE(p.mask.isNull());
        EXPECT_EQ(p.colour.size(), QSize(e.width, e.height));
        EXPECT_EQ(p.mask.size(), QSize(e.width, e.height));
        EXPECT_EQ(p.colour.format(), QImage::Format_Indexed8);
        EXPECT_LE(p.colour.colorCount(), 256);
        EXPECT_EQ(p.mask.depth(), 1);
    }
}

TEST(NamedPictures, MasksAreBlackAndWhiteOnly)
{
    for (const Expected& e : allPictures()) {
        SCOPED_TRACE(e.name);
        const Pair p = load(QString::fromLatin1(e.name));
        for (QRgb c : p.mask.colorTable()) {
            const QRgb rgb = c & 0xFFFFFF;
            EXPECT_TRUE(rgb == 0 || rgb == 0xFFFFFF) << std::hex << rgb;
        }
    }
}

TEST(NamedPictures, ColourIsPureWhiteWhereverTheMaskIsWhite)
{
    for (const Expected& e : allPictures()) {
        SCOPED_TRACE(e.name);
        const Pair p = load(QString::fromLatin1(e.name));
        int wrong = 0;
        for (int y = 0; y < p.mask.height(); ++y)
            for (int x = 0; x < p.mask.width(); ++x)
                if (!p.opaque(x, y) && p.rgb(x, y) != 0xFFFFFF)
                    ++wrong;
        EXPECT_EQ(wrong, 0);
    }
}

TEST(NamedPictures, EveryMaskHasOpaqueAndTransparentParts)
{
    for (const Expected& e : allPictures()) {
        SCOPED_TRACE(e.name);
        const Pair p = load(QString::fromLatin1(e.name));
        const int opaque = opaqueCount(p);
        EXPECT_GT(opaque, 0);
        EXPECT_LT(opaque, e.width * e.height);
    }
}

// ---------------------------------------------------------------------------
// Every pair at double resolution

// Centre of the opaque pixels, in pixels from the picture's top-left corner.
QPointF opaqueCentre(const Pair& p)
{
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < p.mask.height(); ++y)
        for (int x = 0; x < p.mask.width(); ++x)
            if (p.opaque(x, y)) {
                sx += x + 0.5;
                sy += y + 0.5;
                ++n;
            }
    return n ? QPointF(sx / n, sy / n) : QPointF(-1, -1);
}

class DoubleResolutionPair : public testing::TestWithParam<Expected> {};

TEST_P(DoubleResolutionPair, IsTheSameDesignAtTwiceTheSizeStoredTheSameWay)
{
    const QString name = QString::fromLatin1(GetParam().name);
    const Pair normal = load(name);
    const Pair twice = load(name, true);
    ASSERT_FALSE(twice.colour.isNull());
    ASSERT_FALSE(twice.mask.isNull());
    const QSize size(2 * GetParam().width, 2 * GetParam().height);
    ASSERT_EQ(twice.colour.size(), size);
    ASSERT_EQ(twice.mask.size(), size);
    EXPECT_EQ(twice.colour.format(), QImage::Format_Indexed8);
    EXPECT_EQ(twice.mask.depth(), 1);
    for (QRgb c : twice.mask.colorTable())
        EXPECT_TRUE((c & 0xFFFFFF) == 0 || (c & 0xFFFFFF) == 0xFFFFFF) << std::hex << c;

    int notWhite = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            notWhite += !twice.opaque(x, y) && twice.rgb(x, y) != 0xFFFFFF;
    EXPECT_EQ(notWhite, 0);

    // The same shape in the same place: four times the opaque pixels, around
    // the same point of the frame.
    const double ratio = static_cast<double>(opaqueCount(twice)) / opaqueCount(normal);
    EXPECT_GT(ratio, 3.6);
    EXPECT_LT(ratio, 4.4);
    const QPointF centre = opaqueCentre(twice) / 2;
    const QPointF expected = opaqueCentre(normal);
    EXPECT_NEAR(centre.x(), expected.x(), 0.75);
    EXPECT_NEAR(centre.y(), expected.y(), 0.75);

    // The colours that are kept exact stay exact.
    for (QRgb exact : {0x080808u, 0xF1F1F1u, 0xFF3366u, 0xCC3366u, 0x993333u})
        if (hasColour(normal, exact)) {
            EXPECT_TRUE(hasColour(twice, exact)) << std::hex << exact;
        }
}

INSTANTIATE_TEST_SUITE_P(EveryName, DoubleResolutionPair, testing::ValuesIn(allPictures()),
                         [](const testing::TestParamInfo<Expected>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Discs

TEST(DiscPictures, WholeDiscsAreCirclesOfDiameter120)
{
    for (const char* name : {"COU0", "COU6"}) {
        SCOPED_TRACE(name);
        const Pair p = load(QString::fromLatin1(name));
        for (auto [x, y] : {std::pair{0, 0}, {119, 0}, {0, 119}, {119, 119}, {10, 10}, {109, 109}})
            EXPECT_FALSE(p.opaque(x, y)) << x << "," << y;
        EXPECT_TRUE(p.opaque(60, 60));
        // The middle row and column reach the frame's edges.
        EXPECT_EQ(opaqueSpan(p, 60), (std::pair{0, 119}));
        EXPECT_TRUE(p.opaque(60, 0));
        EXPECT_TRUE(p.opaque(59, 119));
        for (int y = 0; y < 120; ++y) {
            for (int x = 0; x < 120; ++x) {
                const double d = std::hypot(x + 0.5 - 60, y + 0.5 - 60);
                if (d < 59) {
                    ASSERT_TRUE(p.opaque(x, y)) << x << "," << y;
                }
                if (d > 61) {
                    ASSERT_FALSE(p.opaque(x, y)) << x << "," << y;
                }
            }
        }
    }
}

TEST(DiscPictures, DarkDiscIsDarkAndLightDiscIsLight)
{
    const Pair dark = load("COU0");
    const Pair light = load("COU6");
    EXPECT_LT(meanBrightness(dark), 40);
    EXPECT_GT(meanBrightness(light), 200);
    EXPECT_TRUE(hasColour(dark, 0x080808));
    EXPECT_TRUE(hasColour(light, 0xF1F1F1));
    EXPECT_LT(qRed(dark.rgb(60, 60)), 0x30);
    EXPECT_GT(qRed(light.rgb(60, 60)), 0xD8);
}

TEST(DiscPictures, EdgesBlendTowardsTheBoardNeverTowardsWhite)
{
    for (int i = 0; i <= 6; ++i) {
        SCOPED_TRACE(i);
        const Pair p = load(QStringLiteral("COU%1").arg(i));
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 120; ++x)
                if (p.opaque(x, y)) {
                    ASSERT_NE(p.rgb(x, y), 0xFFFFFFu) << x << "," << y;
                }
    }
}

TEST(DiscPictures, TurningFramesNarrowToAnUprightBandAndWidenAgain)
{
    std::vector<int> widths;
    for (int i = 0; i <= 6; ++i) {
        const Pair p = load(QStringLiteral("COU%1").arg(i));
        const auto [lo, hi] = opaqueSpan(p, 60);
        ASSERT_GE(lo, 0) << i;
        widths.push_back(hi - lo + 1);
        // Every frame stays centred in its square.
        EXPECT_NEAR(lo, 119 - hi, 2) << i;
    }
    EXPECT_GT(widths[0], widths[1] - 1);
    EXPECT_GT(widths[1], widths[2]);
    EXPECT_GT(widths[2], widths[3]);
    EXPECT_LT(widths[3], widths[4]);
    EXPECT_LT(widths[4], widths[5]);
    EXPECT_LT(widths[5], widths[6] + 1);
    EXPECT_GE(widths[3], 30);
    EXPECT_LE(widths[3], 38);

    // Edge-on, the band runs the full height.
    const Pair edge = load("COU3");
    EXPECT_TRUE(edge.opaque(60, 1));
    EXPECT_TRUE(edge.opaque(60, 118));
    EXPECT_FALSE(edge.opaque(20, 60));
    EXPECT_FALSE(edge.opaque(100, 60));
}

TEST(DiscPictures, TurningShowsTheDarkFaceFirstThenTheLightFace)
{
    EXPECT_LT(meanBrightness(load("COU1")), 90);
    EXPECT_LT(meanBrightness(load("COU2")), 110);
    EXPECT_GT(meanBrightness(load("COU4")), 130);
    EXPECT_GT(meanBrightness(load("COU4")), meanBrightness(load("COU2")) + 60);
    EXPECT_GT(meanBrightness(load("COU5")), 170);
    // The light face brightens as it turns towards the viewer.
    EXPECT_LT(meanBrightness(load("COU4")), meanBrightness(load("COU6")));
}

// ---------------------------------------------------------------------------
// Pointer and hub

constexpr double kArrowCentre = 56.5;

// The direction (degrees clockwise from straight up) and distance of the
// opaque pixel farthest from the frame's centre.
std::pair<double, double> tip(const Pair& p)
{
    double best = -1;
    double bx = 0, by = 0;
    for (int y = 0; y < 113; ++y)
        for (int x = 0; x < 113; ++x)
            if (p.opaque(x, y)) {
                const double dx = x + 0.5 - kArrowCentre, dy = y + 0.5 - kArrowCentre;
                const double d = std::hypot(dx, dy);
                if (d > best) {
                    best = d;
                    bx = dx;
                    by = dy;
                }
            }
    double deg = std::atan2(bx, -by) * 180 / std::numbers::pi;
    if (deg < 0)
        deg += 360;
    return {deg, best};
}

TEST(ArrowPictures, PointerTurnsClockwiseBySixteenths)
{
    for (int i = 1; i <= 16; ++i) {
        SCOPED_TRACE(i);
        const auto [deg, dist] = tip(load(QStringLiteral("ARROW%1").arg(i, 2, 10, QLatin1Char('0'))));
        double diff = std::fmod(std::abs(deg - (i - 1) * 22.5), 360.0);
        diff = std::min(diff, 360 - diff);
        EXPECT_LT(diff, 6.0) << deg;
        // Reaches to about 8 pixels from the frame's edge.
        EXPECT_GT(dist, 44);
        EXPECT_LT(dist, 52);
    }
}

TEST(ArrowPictures, FourMainDirectionsAreWhereTheyShouldBe)
{
    auto tipPoint = [](const char* name) {
        const Pair p = load(QString::fromLatin1(name));
        const auto [deg, dist] = tip(p);
        const double r = deg * std::numbers::pi / 180;
        return QPointF(kArrowCentre + dist * std::sin(r), kArrowCentre - dist * std::cos(r));
    };
    EXPECT_LT(tipPoint("ARROW01").y(), 20);
    EXPECT_NEAR(tipPoint("ARROW01").x(), kArrowCentre, 2);
    EXPECT_GT(tipPoint("ARROW05").x(), 93);
    EXPECT_GT(tipPoint("ARROW09").y(), 93);
    EXPECT_LT(tipPoint("ARROW13").x(), 20);
}

TEST(ArrowPictures, EveryFrameHasTheHubAndIsRed)
{
    for (int i = 1; i <= 17; ++i) {
        const QString name =
            i <= 16 ? QStringLiteral("ARROW%1").arg(i, 2, 10, QLatin1Char('0')) : QStringLiteral("CENTER");
        SCOPED_TRACE(name.toStdString());
        const Pair p = load(name);
        EXPECT_TRUE(p.opaque(56, 56));
        int red = 0, all = 0;
        for (int y = 0; y < 113; ++y)
            for (int x = 0; x < 113; ++x)
                if (p.opaque(x, y)) {
                    const QRgb c = p.rgb(x, y);
                    red += qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c);
                    ++all;
                }
        EXPECT_GT(red, all * 9 / 10);
    }
}

TEST(ArrowPictures, CentreMarkIsASmallRoundHub)
{
    const Pair p = load("CENTER");
    const auto [left, right] = opaqueSpan(p, 56);
    EXPECT_GE(right - left + 1, 20);
    EXPECT_LE(right - left + 1, 26);
    EXPECT_NEAR((left + right) / 2.0, 56, 1.0);
    const double expectedArea = std::numbers::pi * (right - left + 1) * (right - left + 1) / 4;
    EXPECT_NEAR(opaqueCount(p), expectedArea, expectedArea * 0.12);
}

// ---------------------------------------------------------------------------
// Panel pictures

struct Hue {
    double r = 0, g = 0, b = 0;
};

// Mean colour of the clearly coloured opaque pixels.
Hue meanHue(const Pair& p)
{
    Hue h;
    int n = 0;
    for (int y = 0; y < p.mask.height(); ++y)
        for (int x = 0; x < p.mask.width(); ++x) {
            if (!p.opaque(x, y))
                continue;
            const QColor c(p.rgb(x, y));
            if (c.hsvSaturation() < 80 || c.value() < 60)
                continue;
            h.r += c.red();
            h.g += c.green();
            h.b += c.blue();
            ++n;
        }
    if (n) {
        h.r /= n;
        h.g /= n;
        h.b /= n;
    }
    return h;
}

TEST(BannerPictures, WordsFillMostOfTheirBox)
{
    for (const char* name : {"WIN", "LOSE", "TIE", "GO", "CGO", "PASS"}) {
        SCOPED_TRACE(name);
        const Pair p = load(QString::fromLatin1(name));
        int left = p.mask.width(), right = -1, top = p.mask.height(), bottom = -1;
        for (int y = 0; y < p.mask.height(); ++y)
            for (int x = 0; x < p.mask.width(); ++x)
                if (p.opaque(x, y)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        EXPECT_GT(right - left + 1, p.mask.width() * 3 / 4);
        EXPECT_GT(bottom - top + 1, p.mask.height() * 3 / 4);
        const int opaque = opaqueCount(p);
        EXPECT_GT(opaque, p.mask.width() * p.mask.height() / 5);
        EXPECT_LT(opaque, p.mask.width() * p.mask.height() * 4 / 5);
    }
}

TEST(BannerPictures, EachWordHasItsColour)
{
    const Hue win = meanHue(load("WIN"));
    EXPECT_GT(win.r, win.g + 60);
    EXPECT_GT(win.b, win.g + 20);
    for (const char* name : {"LOSE", "PASS"}) {
        const Hue h = meanHue(load(QString::fromLatin1(name)));
        EXPECT_GT(h.b, h.r + 40) << name;
        EXPECT_GT(h.r, h.g) << name;
    }
    const Hue tie = meanHue(load("TIE"));
    EXPECT_NEAR(tie.r, tie.g, 30);
    EXPECT_GT(tie.g, tie.b + 60);
    for (const char* name : {"GO", "CGO"}) {
        const Hue h = meanHue(load(QString::fromLatin1(name)));
        EXPECT_GT(h.g, h.r + 60) << name;
        EXPECT_GT(h.g, h.b + 60) << name;
    }
}

// Number of separate yellow shapes (8-connected) of a picture.
int yellowShapes(const Pair& p)
{
    const int w = p.mask.width(), h = p.mask.height();
    auto yellow = [&](int x, int y) {
        if (!p.opaque(x, y))
            return false;
        const QRgb c = p.rgb(x, y);
        return qRed(c) > 190 && qGreen(c) > 140 && qBlue(c) < 140;
    };
    std::vector<char> seen(static_cast<size_t>(w * h), 0);
    int shapes = 0;
    for (int y0 = 0; y0 < h; ++y0)
        for (int x0 = 0; x0 < w; ++x0) {
            if (seen[y0 * w + x0] || !yellow(x0, y0))
                continue;
            ++shapes;
            std::vector<std::pair<int, int>> stack{{x0, y0}};
            seen[y0 * w + x0] = 1;
            while (!stack.empty()) {
                auto [x, y] = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h || seen[ny * w + nx] || !yellow(nx, ny))
                            continue;
                        seen[ny * w + nx] = 1;
                        stack.push_back({nx, ny});
                    }
            }
        }
    return shapes;
}

TEST(BadgePictures, RobotScreensShowAsManyStarsAsTheLevel)
{
    for (int level = 1; level <= 6; ++level)
        EXPECT_EQ(yellowShapes(load(QStringLiteral("LVL%1").arg(level))), level) << level;
}

TEST(BadgePictures, HumanBadgeIsOneRoundYellowFace)
{
    const Pair p = load("LVL0");
    const Hue h = meanHue(p);
    EXPECT_GT(h.r, h.b + 80);
    EXPECT_GT(h.g, h.b + 60);
    const double area = std::numbers::pi * 34 * 34;
    EXPECT_NEAR(opaqueCount(p), area, area * 0.1);
    EXPECT_TRUE(p.opaque(36, 36));
    EXPECT_FALSE(p.opaque(0, 0));
    EXPECT_FALSE(p.opaque(71, 71));
}

// ---------------------------------------------------------------------------
// Cursors and icon

// The cursors at each resolution: one unit is one pixel, or two at double
// resolution, where the disc, its outline and its ring are twice as wide.
struct CursorKind {
    const char* label;
    bool doubleResolution;
    int size;
    int hot;
    int unit;
};

void PrintTo(const CursorKind& k, std::ostream* os)
{
    *os << k.label;
}

class CursorPictures : public testing::TestWithParam<CursorKind> {};

TEST_P(CursorPictures, DiscsAreCentredOnTheHotSpotWithOnlyThreeKindsOfPixel)
{
    const CursorKind& kind = GetParam();
    const int size = kind.size, hot = kind.hot, unit = kind.unit;
    for (bool black : {true, false}) {
        const QImage c(quellix::resources::cursorPath(black ? "BLACKCUR" : "WHITECUR", kind.doubleResolution));
        SCOPED_TRACE(black ? "BLACKCUR" : "WHITECUR");
        ASSERT_EQ(c.size(), QSize(size, size));
        ASSERT_TRUE(c.hasAlphaChannel());
        const QImage argb = c.convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> kinds;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb px = argb.pixel(x, y);
                kinds.insert(qAlpha(px) == 0 ? 0u : px);
                EXPECT_TRUE(qAlpha(px) == 0 || px == 0xFF000000u || px == 0xFFFFFFFFu) << x << "," << y;
            }
        EXPECT_EQ(kinds.size(), 3);
        EXPECT_EQ(argb.pixel(hot, hot), black ? 0xFF000000u : 0xFFFFFFFFu);

        // 20 units across through the hot spot, both ways, outlined in white.
        int left = -1, right = -1, top = -1, bottom = -1;
        for (int i = 0; i < size; ++i) {
            if (qAlpha(argb.pixel(i, hot))) {
                if (left < 0)
                    left = i;
                right = i;
            }
            if (qAlpha(argb.pixel(hot, i))) {
                if (top < 0)
                    top = i;
                bottom = i;
            }
        }
        EXPECT_EQ(right - left + 1, 20 * unit);
        EXPECT_EQ(bottom - top + 1, 20 * unit);
        EXPECT_LE(left, hot);
        EXPECT_GE(right, hot);
        EXPECT_LE(std::abs((left + right) - 2 * hot), 1);
        EXPECT_EQ(argb.pixel(left, hot), 0xFFFFFFFFu);
        EXPECT_EQ(argb.pixel(right, hot), 0xFFFFFFFFu);
        EXPECT_EQ(argb.pixel(left + unit - 1, hot), 0xFFFFFFFFu);
        EXPECT_EQ(argb.pixel(left + unit, hot), 0xFF000000u);
        EXPECT_EQ(argb.pixel(hot, bottom - unit), 0xFF000000u);
        EXPECT_EQ(qAlpha(argb.pixel(0, 0)), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Resolutions, CursorPictures,
                         testing::Values(CursorKind{"Normal", false, 32, quellix::resources::kCursorHotSpot, 1},
                                         CursorKind{"Double", true, 64, quellix::resources::kCursorHotSpot2x, 2}),
                         [](const testing::TestParamInfo<CursorKind>& info) { return std::string(info.param.label); });

TEST(IconPictures, IconExistsAtEverySize)
{
    // Every size is drawn; a window's icon offers those a window manager
    // shows, 16 to 64 pixels, each from the drawing for the ratio asked.
    const QIcon icon = quellix::resources::appIcon();
    for (int size : {16, 24, 32, 48, 64, 96, 128, 256, 512}) {
        SCOPED_TRACE(size);
        const QImage img(QStringLiteral(":/icons/EXEICON_%1.png").arg(size));
        ASSERT_EQ(img.size(), QSize(size, size));
        EXPECT_TRUE(img.hasAlphaChannel());
        EXPECT_EQ(qAlpha(img.pixel(size / 2, size / 2)), 255);
        EXPECT_LT(qAlpha(img.pixel(0, 0)), 64);  // rounded corners
        EXPECT_EQ(icon.availableSizes().contains(QSize(size, size)), size <= 64);
        for (int ratio : {1, 2})
            if (size / ratio >= 16 && size / ratio <= 64) {
                const QPixmap drawn = icon.pixmap(QSize(size, size) / ratio, ratio);
                EXPECT_EQ(drawn.devicePixelRatio(), ratio);
                EXPECT_EQ(drawn.toImage().convertToFormat(img.format()), img) << ratio;
            }
    }
}

}  // namespace
