// SPDX-License-Identifier: GPL-3.0-or-later
// The artwork generator: colour reduction, the split into picture and mask,
// and that the committed pictures are what the generator draws today.
#include "resources/resources.h"
#include "tools/artwork/artwork.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

using namespace artwork;

// A sheet with a smooth two-way gradient (far more than 256 colours) in its
// upper part and transparent pixels in its lower part.
QImage gradientSheet()
{
    QImage sheet(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            sheet.setPixel(x, y, y < 48 ? qRgb(x * 4, y * 5, 90) : 0u);
    sheet.setPixel(0, 0, kDarkDisc);
    sheet.setPixel(1, 0, kArrowMid);
    return sheet;
}

// ---------------------------------------------------------------------------
// Colour reduction

TEST(Palette, FewColoursAreKeptExactly)
{
    QImage sheet(4, 1, QImage::Format_ARGB32);
    sheet.setPixel(0, 0, 0xFF102030);
    sheet.setPixel(1, 0, 0xFF405060);
    sheet.setPixel(2, 0, 0xFF102030);
    sheet.setPixel(3, 0, 0u);  // transparent pixels do not count
    const QList<QRgb> palette = medianCutPalette(sheet, 8);
    ASSERT_EQ(palette.size(), 2);
    EXPECT_TRUE(palette.contains(0xFF102030u));
    EXPECT_TRUE(palette.contains(0xFF405060u));
}

TEST(Palette, ManyColoursAreReducedToTheLimitWithSmallError)
{
    const QImage sheet = gradientSheet();
    const QList<QRgb> palette = medianCutPalette(sheet, 64);
    ASSERT_LE(palette.size(), 64);
    ASSERT_GE(palette.size(), 32);
    int worst = 0;
    for (int y = 1; y < 48; ++y)  // row 0 holds two odd pixels
        for (int x = 0; x < 64; ++x) {
            const QRgb c = sheet.pixel(x, y);
            int best = 1 << 30;
            for (QRgb p : palette)
                best = std::min(best, std::abs(qRed(c) - qRed(p)) + std::abs(qGreen(c) - qGreen(p)) +
                                          std::abs(qBlue(c) - qBlue(p)));
            worst = std::max(worst, best);
        }
    EXPECT_LT(worst, 48);  // an 8 x 8 grid of a 252 x 235 range: about 32
}

TEST(MaskedPair, TransparentPixelsBecomeWhiteAndMaskWhite)
{
    const MaskedPair pair = toMaskedPair(gradientSheet(), {kDarkDisc, kArrowMid});
    ASSERT_EQ(pair.colour.format(), QImage::Format_Indexed8);
    ASSERT_EQ(pair.mask.format(), QImage::Format_Mono);
    ASSERT_LE(pair.colour.colorCount(), 256);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const bool opaque = y < 48;
            EXPECT_EQ(pair.mask.pixel(x, y) & 0xFFFFFF, opaque ? 0u : 0xFFFFFFu) << x << "," << y;
            if (!opaque) {
                EXPECT_EQ(pair.colour.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
            }
        }
}

TEST(MaskedPair, ColoursThatMustStayExactDoStayExact)
{
    const MaskedPair pair = toMaskedPair(gradientSheet(), {kDarkDisc, kArrowMid});
    EXPECT_EQ(pair.colour.pixel(0, 0), kDarkDisc);
    EXPECT_EQ(pair.colour.pixel(1, 0), kArrowMid);
    // And the gradient around them stays close to what was drawn.
    int worst = 0;
    for (int y = 1; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb want = qRgb(x * 4, y * 5, 90);
            const QRgb got = pair.colour.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                              std::abs(qBlue(want) - qBlue(got))});
        }
    EXPECT_LE(worst, 24);
}

TEST(MaskedPair, SurvivesSavingAndLoadingAsPng)
{
    const MaskedPair pair = toMaskedPair(gradientSheet());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(pair.colour.save(dir.filePath("c.png"), "PNG"));
    ASSERT_TRUE(pair.mask.save(dir.filePath("m.png"), "PNG"));
    const QImage colour(dir.filePath("c.png"));
    const QImage mask(dir.filePath("m.png"));
    EXPECT_EQ(colour.format(), QImage::Format_Indexed8);
    EXPECT_EQ(mask.depth(), 1);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            ASSERT_EQ(colour.pixel(x, y), pair.colour.pixel(x, y));
            ASSERT_EQ(mask.pixel(x, y) & 0xFFFFFF, pair.mask.pixel(x, y) & 0xFFFFFF);
        }
}

TEST(HardenAlpha, HalfCoveredPixelsBecomeOpaqueInTheirOwnColour)
{
    QImage drawing(3, 1, QImage::Format_ARGB32_Premultiplied);
    drawing.setPixel(0, 0, qPremultiply(qRgba(200, 40, 80, 255)));
    drawing.setPixel(1, 0, qPremultiply(qRgba(200, 40, 80, 140)));
    drawing.setPixel(2, 0, qPremultiply(qRgba(200, 40, 80, 100)));
    const QImage sheet = hardenAlpha(drawing);
    EXPECT_EQ(sheet.pixel(0, 0), qRgb(200, 40, 80));
    // Unblended: not darkened by its partial coverage.
    EXPECT_EQ(qAlpha(sheet.pixel(1, 0)), 255);
    EXPECT_NEAR(qRed(sheet.pixel(1, 0)), 200, 2);
    EXPECT_NEAR(qBlue(sheet.pixel(1, 0)), 80, 2);
    EXPECT_EQ(qAlpha(sheet.pixel(2, 0)), 0);
}

// ---------------------------------------------------------------------------
// The pictures as drawn

TEST(Drawing, DiscEdgesBlendOnlyTowardsTheBoardGreen)
{
    // The dark disc's edge pixels lie between its dark colours and the green,
    // so the disc shows no light fringe on the board.
    const QImage disc = discFrame(0);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x) {
            const QRgb c = disc.pixel(x, y);
            if (qAlpha(c) == 0)
                continue;
            ASSERT_LE(qRed(c), qRed(kBoardGreen)) << x << "," << y;
            ASSERT_LE(qGreen(c), qGreen(kBoardGreen)) << x << "," << y;
            ASSERT_LE(qBlue(c), qBlue(kBoardGreen)) << x << "," << y;
        }
}

TEST(Drawing, ScalableIconShowsTheLargestIcon)
{
    QSvgRenderer svg(appIconSvg());
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 256, 256));
    QImage rendered(256, 256, QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    svg.render(&painter);
    painter.end();
    // Gradients pass through the SVG's stop lists and may round a little
    // differently; shapes, colours and transparency must all agree.
    const QImage drawn = appIcon(256);
    int worst = 0;
    long long total = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const QRgb a = drawn.pixel(x, y);
            const QRgb b = rendered.pixel(x, y);
            const int difference = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                             std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            worst = std::max(worst, difference);
            total += difference;
        }
    EXPECT_LE(worst, 24);
    EXPECT_LT(total, 256 * 256 / 4);  // a quarter step per pixel on average
}

TEST(Drawing, UnknownBannerIsEmpty)
{
    EXPECT_TRUE(banner("NOPE").isNull());
}

TEST(Generator, WritesEveryFileTheSameOnEveryRun)
{
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    QString error;
    ASSERT_TRUE(writeAll(first.path(), &error)) << error.toStdString();
    ASSERT_TRUE(writeAll(second.path(), &error)) << error.toStdString();
    int files = 0;
    QDirIterator it(first.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = QDir(first.path()).relativeFilePath(path);
        QFile a(path), b(QDir(second.path()).filePath(rel));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << rel.toStdString();
        EXPECT_EQ(a.readAll(), b.readAll()) << rel.toStdString();
        ++files;
    }
    // 37 pairs and 2 cursors at both scales, 9 icon sizes and the scalable icon.
    EXPECT_EQ(files, 37 * 2 * 2 + 2 * 2 + 9 + 1);
}

TEST(Generator, ReportsAnUnwritableFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    EXPECT_FALSE(writeAll(dir.filePath("file"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(Generator, CommittedScalableIconIsCurrent)
{
    QFile committed(QStringLiteral(QUELLIX_SOURCE_DIR "/resources/icons/EXEICON.svg"));
    ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
    EXPECT_EQ(committed.readAll(), appIconSvg());
}

// ---------------------------------------------------------------------------
// The committed pictures against what the generator draws today
//
// The committed pictures must be regenerated after every change to their
// drawing, but they cannot be compared byte for byte with a fresh drawing on
// every machine. Where an antialiased edge covers a pixel only partly, the
// generator takes the pixel's own colour back out of Qt's premultiplied
// drawing (hardenAlpha, and the PNG writer for the icon). Qt's SSE4.1 code
// divides by the alpha with the processor's approximate reciprocal (RCPSS),
// whose last bits differ between processors, and without SSE4.1 it takes an
// integer path that rounds differently again: such a pixel can come out one
// level lighter or darker on another machine. The colour reduction then turns
// that into slightly shifted palette entries all over the picture.
//
// So the comparison is made where that cannot reach:
// - masks, cursors and every fully opaque or fully transparent icon pixel
//   must be exactly the same (coverage and alpha are exact everywhere);
// - the fresh drawing is reduced with the committed picture's own colour
//   table, which leaves the palette out, and must then give every pixel of
//   the committed picture, except that a pixel on an edge (the shape's
//   outline, or an antialiased line or ramp inside it) may instead have the
//   table's colour for a colour one level away in each channel, and at most
//   one opaque pixel in 32 may need that;
// - partly transparent icon pixels may differ by one level in each colour.
// A change to a design that moves the mask, or changes colours enough to
// pick other table entries (by more than a level on edges), fails; one
// smaller than the table's own steps goes unseen. Banners depend on the
// installed fonts and are left out.

// Where a committed picture departs from the fresh drawing.
struct Departures {
    int opaque = 0;      // opaque pixels of the picture
    int nearEdge = 0;    // pixels that needed the allowance on an edge
    int elsewhere = 0;   // pixels that no allowance explains
    int worstLevel = 0;  // largest channel difference among all of them
    QString worst;       // the pixel with that difference
};

int channelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

void note(Departures& d, int x, int y, QRgb drawn, QRgb stored)
{
    const int level = channelDifference(drawn, stored);
    if (level >= d.worstLevel) {
        d.worstLevel = level;
        d.worst = QStringLiteral("(%1, %2) drawn #%3, stored #%4")
                      .arg(x)
                      .arg(y)
                      .arg(drawn & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                      .arg(stored & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    }
}

std::string describe(const Departures& d)
{
    return QStringLiteral("%1 of %2 opaque pixels differ on edges, %3 elsewhere; worst by %4 at %5")
        .arg(d.nearEdge)
        .arg(d.opaque)
        .arg(d.elsewhere)
        .arg(d.worstLevel)
        .arg(d.worst.isEmpty() ? QStringLiteral("none") : d.worst)
        .toStdString();
}

// Whether a pixel lies on an edge, where antialiasing made its colour: a
// transparent pixel at most two pixels away (the shape's outline), or a
// neighbour of another colour (an antialiased line or ramp inside it).
bool onEdge(const QImage& sheet, int x, int y)
{
    const QRgb own = sheet.pixel(x, y);
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= sheet.width() || ny >= sheet.height())
                return true;
            const QRgb other = sheet.pixel(nx, ny);
            if (qAlpha(other) == 0 || (std::abs(dx) <= 1 && std::abs(dy) <= 1 && other != own))
                return true;
        }
    return false;
}

// Whether the table gives `stored` for some colour within one level of
// `drawn` in each channel.
bool reachableWithinOneLevel(QRgb drawn, QRgb stored, const QList<QRgb>& table)
{
    QImage nearby(27, 1, QImage::Format_ARGB32);
    int i = 0;
    for (int dr = -1; dr <= 1; ++dr)
        for (int dg = -1; dg <= 1; ++dg)
            for (int db = -1; db <= 1; ++db)
                nearby.setPixel(i++, 0,
                                qRgb(std::clamp(qRed(drawn) + dr, 0, 255), std::clamp(qGreen(drawn) + dg, 0, 255),
                                     std::clamp(qBlue(drawn) + db, 0, 255)));
    const QImage reduced = reduceToTable(nearby, table);
    for (int k = 0; k < 27; ++k)
        if (reduced.pixel(k, 0) == stored)
            return true;
    return false;
}

Departures compareColour(const QImage& sheet, const QImage& stored)
{
    Departures d;
    const QList<QRgb> table = stored.colorTable();
    const QImage drawn = reduceToTable(sheet, table);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb own = sheet.pixel(x, y);
            if (qAlpha(own) == 0)
                continue;  // white, like the mask, checked with the mask
            ++d.opaque;
            const QRgb want = stored.pixel(x, y);
            if (drawn.pixel(x, y) == want)
                continue;
            note(d, x, y, drawn.pixel(x, y), want);
            if (onEdge(sheet, x, y) && reachableWithinOneLevel(own, want, table))
                ++d.nearEdge;
            else
                ++d.elsewhere;
        }
    return d;
}

// Counts mask pixels that differ from the sheet's coverage (black where
// opaque).
int maskDifferences(const QImage& sheet, const QImage& mask)
{
    if (mask.size() != sheet.size())
        return -1;
    int n = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            n += ((mask.pixel(x, y) & 0xFFFFFF) == 0) != (qAlpha(sheet.pixel(x, y)) == 255);
    return n;
}

// Icons: alpha exact, colour exact where opaque, within one level where the
// pixel is partly transparent.
Departures compareIcon(const QImage& fresh, const QImage& stored)
{
    Departures d;
    const QImage drawn = fresh.convertToFormat(QImage::Format_ARGB32);
    const QImage want = stored.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb a = drawn.pixel(x, y), b = want.pixel(x, y);
            d.opaque += qAlpha(b) == 255;
            if (a == b || (qAlpha(a) == 0 && qAlpha(b) == 0))
                continue;
            note(d, x, y, a, b);
            const bool partial = qAlpha(a) == qAlpha(b) && qAlpha(a) < 255;
            if (partial && channelDifference(a, b) <= 1)
                ++d.nearEdge;
            else
                ++d.elsewhere;
        }
    return d;
}

bool samePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

TEST(Generator, CommittedPicturesAreCurrent)
{
    const QSet<QString> banners{"GO", "CGO", "PASS", "WIN", "LOSE", "TIE"};
    for (int scale : {1, 2}) {
        const bool twice = scale == 2;
        for (const NamedSheet& named : allNamedSheets(scale)) {
            if (banners.contains(named.name))
                continue;
            SCOPED_TRACE(QStringLiteral("%1 at scale %2").arg(named.name).arg(scale).toStdString());
            const QImage colour(quellix::resources::colourPicturePath(named.name, twice));
            const QImage mask(quellix::resources::maskPath(named.name, twice));
            ASSERT_EQ(colour.size(), named.sheet.size());
            EXPECT_EQ(maskDifferences(named.sheet, mask), 0);
            const Departures d = compareColour(named.sheet, colour);
            EXPECT_EQ(d.elsewhere, 0) << describe(d);
            EXPECT_LE(d.nearEdge * 32, d.opaque) << describe(d);
        }
        for (bool black : {true, false}) {
            const char* name = black ? "BLACKCUR" : "WHITECUR";
            EXPECT_TRUE(
                samePixels(discCursor(black, scale).convertToFormat(QImage::Format_ARGB32),
                           QImage(quellix::resources::cursorPath(name, twice)).convertToFormat(QImage::Format_ARGB32)))
                << name << " at scale " << scale;
        }
    }
    for (int size : kIconSizes) {
        SCOPED_TRACE(size);
        const QImage stored(QStringLiteral(":/icons/EXEICON_%1.png").arg(size));
        ASSERT_EQ(stored.size(), QSize(size, size));
        const Departures d = compareIcon(appIcon(size), stored);
        EXPECT_EQ(d.elsewhere, 0) << describe(d);
    }
}

}  // namespace
