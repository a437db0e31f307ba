// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "board/pictures.h"
#include "platform/drawing_context.h"
#include "platform/resources.h"

namespace {

using platform::Rect;

// A target whose every pixel differs from its neighbours, so that any pixel
// that is wrongly touched or shifted shows.
QImage PatternedImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 11) & 0xFF, ((x + y) * 5) & 0xFF));
    return image;
}

// For each named pair: inside the rectangle a white mask pixel leaves the
// target as it was and a black one takes the picture's pixel; outside the
// rectangle nothing changes.
TEST(Pictures, MaskedPictureKeepsTransparentAndTakesOpaquePixels)
{
    for (const char* name : {"COU0", "COU3", "ARROW05", "CENTER", "LVL2", "GO"}) {
        SCOPED_TRACE(name);
        const QImage picture = platform::LoadNamedPicture(QString::fromLatin1(name) + "BIT");
        const QImage mask = platform::LoadNamedPicture(QString::fromLatin1(name) + "MASK");
        ASSERT_FALSE(picture.isNull());
        ASSERT_EQ(picture.size(), mask.size());
        const int offset = 3;
        const QImage before = PatternedImage(picture.width() + 2 * offset, picture.height() + 2 * offset);
        QImage target = before;
        {
            platform::DrawingContext context(target);
            DrawMaskedPicture(context, {offset, offset, offset + picture.width(), offset + picture.height()},
                              QString::fromLatin1(name) + "BIT", QString::fromLatin1(name) + "MASK");
        }
        int opaque = 0, transparent = 0, wrong = 0;
        for (int y = 0; y < target.height(); ++y) {
            for (int x = 0; x < target.width(); ++x) {
                const int px = x - offset, py = y - offset;
                QRgb expected = before.pixel(x, y);
                if (px >= 0 && py >= 0 && px < picture.width() && py < picture.height()) {
                    if (qRed(mask.pixel(px, py)) == 0) {
                        expected = picture.pixel(px, py);
                        ++opaque;
                    } else {
                        ++transparent;
                    }
                }
                if (target.pixel(x, y) != expected)
                    ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(opaque, 0);
        EXPECT_GT(transparent, 0);
    }
}

TEST(Pictures, MissingPictureLeavesTheTargetAlone)
{
    const QImage before = PatternedImage(20, 20);
    QImage target = before;
    {
        platform::DrawingContext context(target);
        DrawMaskedPicture(context, {0, 0, 20, 20}, "NOSUCHBIT", "NOSUCHMASK");
    }
    EXPECT_EQ(target, before);
}

TEST(Pictures, ScaledCopyToTheSameSizeIsExact)
{
    const QImage source = PatternedImage(50, 40);
    QImage copy;
    MakeScaledCopy(copy, {0, 0, 30, 20}, source, {10, 5, 40, 25});
    EXPECT_EQ(copy, source.copy(10, 5, 30, 20));
}

// Shrinking and growing only drop or repeat pixels: every pixel of the copy
// is a pixel of the source, never a mixture, and a plain area stays plain.
TEST(Pictures, ScaledCopyNeverBlends)
{
    QImage source(120, 120, QImage::Format_RGB32);
    source.fill(qRgb(0x69, 0xBD, 0x8C));
    for (int y = 30; y < 90; ++y)
        for (int x = 30; x < 90; ++x)
            if ((x + y) % 2 == 0)
                source.setPixel(x, y, qRgb(8, 8, 8));
    std::set<QRgb> sourceColours;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x)
            sourceColours.insert(source.pixel(x, y));

    for (int size : {13, 40, 77, 120, 161}) {
        SCOPED_TRACE(size);
        QImage copy;
        MakeScaledCopy(copy, {0, 0, size, size}, source, {0, 0, 120, 120});
        ASSERT_EQ(copy.size(), QSize(size, size));
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_TRUE(sourceColours.count(copy.pixel(x, y))) << x << "," << y;
        // The rim (the outer fifth) is ground only.
        EXPECT_EQ(copy.pixel(0, 0), qRgb(0x69, 0xBD, 0x8C));
        EXPECT_EQ(copy.pixel(size - 1, size - 1), qRgb(0x69, 0xBD, 0x8C));
        EXPECT_EQ(copy.pixel(size / 10, size - 1 - size / 10), qRgb(0x69, 0xBD, 0x8C));
    }
}

TEST(Pictures, ScaledCopyToNothingIsEmpty)
{
    QImage copy = PatternedImage(4, 4);
    MakeScaledCopy(copy, {0, 0, 0, 0}, PatternedImage(8, 8), {0, 0, 8, 8});
    EXPECT_TRUE(copy.isNull());
}

TEST(Pictures, CopyPictureCopiesTheRectangleSizedCornerBlock)
{
    const QImage picture = PatternedImage(30, 30);
    QImage target(40, 40, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        platform::DrawingContext context(target);
        CopyPicture(context, {5, 6, 25, 16}, picture);
    }
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 5 && x < 25 && y >= 6 && y < 16;
            ASSERT_EQ(target.pixel(x, y), inside ? picture.pixel(x - 5, y - 6) : qRgb(255, 255, 255)) << x << "," << y;
        }
}

TEST(Pictures, CopyOfAnEmptyPictureDrawsNothing)
{
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(Qt::white);
    const QImage before = target;
    {
        platform::DrawingContext context(target);
        CopyPicture(context, {0, 0, 10, 10}, QImage());
    }
    EXPECT_EQ(target, before);
}

TEST(Pictures, CacheDiscardClearsFlagsAndPictures)
{
    PictureCache<3> cache;
    for (bool built : cache.built)
        EXPECT_FALSE(built);
    for (int i = 0; i < 3; ++i) {
        cache.pictures[static_cast<size_t>(i)] = PatternedImage(4, 4);
        cache.built[static_cast<size_t>(i)] = true;
    }
    cache.Discard(1);
    EXPECT_TRUE(cache.built[0]);
    EXPECT_FALSE(cache.built[1]);
    EXPECT_TRUE(cache.pictures[1].isNull());
    cache.DiscardAll();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(cache.built[static_cast<size_t>(i)]);
        EXPECT_TRUE(cache.pictures[static_cast<size_t>(i)].isNull());
    }
}

}  // namespace
