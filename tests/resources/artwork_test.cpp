// The artwork generator: colour reduction, the split into picture and mask,
// and that the committed pictures are what the generator draws today.
#include "resources/resources.h"
#include "tools/artwork/artwork.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    // 37 pairs, 2 cursors, 7 icon sizes and the scalable icon.
    EXPECT_EQ(files, 37 * 2 + 2 + 7 + 1);
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

// The committed pictures must be regenerated after every change to their
// drawing. Banners depend on the installed fonts and are left out.
TEST(Generator, CommittedPicturesAreCurrent)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString error;
    ASSERT_TRUE(writeAll(dir.path(), &error)) << error.toStdString();
    auto samePixels = [](const QImage& a, const QImage& b) {
        if (a.size() != b.size())
            return false;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    return false;
        return true;
    };
    QStringList names{"CENTER"};
    for (int i = 0; i <= 6; ++i)
        names << QStringLiteral("COU%1").arg(i) << QStringLiteral("LVL%1").arg(i);
    for (int i = 1; i <= 16; ++i)
        names << QStringLiteral("ARROW%1").arg(i, 2, 10, QLatin1Char('0'));
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(samePixels(QImage(dir.filePath("pictures/" + name + "BIT.png")),
                               QImage(quellix::resources::colourPicturePath(name))));
        EXPECT_TRUE(samePixels(QImage(dir.filePath("pictures/" + name + "MASK.png")),
                               QImage(quellix::resources::maskPath(name))));
    }
    for (const char* cursor : {"BLACKCUR", "WHITECUR"})
        EXPECT_TRUE(samePixels(QImage(dir.filePath(QStringLiteral("cursors/%1.png").arg(cursor))),
                               QImage(quellix::resources::cursorPath(cursor))))
            << cursor;
    for (int size : kIconSizes)
        EXPECT_TRUE(samePixels(QImage(dir.filePath(QStringLiteral("icons/EXEICON_%1.png").arg(size))),
                               QImage(QStringLiteral(":/icons/EXEICON_%1.png").arg(size))))
            << size;
}

}  // namespace
