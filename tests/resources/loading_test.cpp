// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's loaders for either kind of screen. CTest runs this program
// on a screen of ratio 2 (QT_SCALE_FACTOR=2): even there the normal names
// must give the normal pictures and cursors. (The icon's two sets of sizes
// are checked with the resources.)
#include "platform/resources.h"
#include "resources/resources.h"

#include <QApplication>
#include <QPixmap>
#include <gtest/gtest.h>

#include <ostream>

namespace {

using quellix::resources::kCursorHotSpot;
using quellix::resources::kCursorHotSpot2x;

bool samePixels(const QImage& a, const QImage& b)
{
    return a.size() == b.size() && a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

struct NamedSize {
    const char* name;
    int width;
    int height;
};

void PrintTo(const NamedSize& n, std::ostream* os)
{
    *os << n.name;
}

class NamedPictureLoading : public testing::TestWithParam<NamedSize> {};

TEST_P(NamedPictureLoading, NormalNamesGiveNormalPicturesAndDoubleResolutionTwiceTheSize)
{
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "CTest runs this program with QT_SCALE_FACTOR=2";
    const QString name = QString::fromLatin1(GetParam().name);
    const QSize size(GetParam().width, GetParam().height);
    for (const char* part : {"BIT", "MASK"}) {
        SCOPED_TRACE(part);
        const QString full = name + QLatin1String(part);
        const QString normalFile =
            part[0] == 'B' ? quellix::resources::colourPicturePath(name) : quellix::resources::maskPath(name);
        const QString doubleFile = part[0] == 'B' ? quellix::resources::colourPicturePath(name, true)
                                                  : quellix::resources::maskPath(name, true);

        const QImage plain = platform::LoadNamedPicture(full);
        EXPECT_EQ(plain.size(), size);
        EXPECT_TRUE(samePixels(plain, QImage(normalFile)));
        EXPECT_EQ(plain.devicePixelRatio(), 1.0);
        EXPECT_TRUE(samePixels(platform::LoadNamedPicture(full, false), plain));

        // A grid of device pixels, composited 1:1 like every other picture.
        const QImage twice = platform::LoadNamedPicture(full, true);
        EXPECT_EQ(twice.size(), size * 2);
        EXPECT_EQ(twice.devicePixelRatio(), 1.0);
        EXPECT_EQ(twice.format(), QImage::Format_RGB32);
        EXPECT_TRUE(samePixels(twice, QImage(doubleFile)));
    }
    EXPECT_TRUE(platform::LoadNamedPicture(name + "NONE", true).isNull());
}

INSTANTIATE_TEST_SUITE_P(Families, NamedPictureLoading,
                         testing::Values(NamedSize{"COU3", 120, 120}, NamedSize{"ARROW07", 113, 113},
                                         NamedSize{"CENTER", 113, 113}, NamedSize{"LVL4", 72, 72},
                                         NamedSize{"CGO", 332, 88}),
                         [](const testing::TestParamInfo<NamedSize>& info) { return std::string(info.param.name); });

TEST(CursorLoading, EachResolutionHasItsPictureAndTheHotSpotOnTheSamePointOfTheDisc)
{
    for (const char* name : {"BLACKCUR", "WHITECUR"}) {
        SCOPED_TRACE(name);
        const QCursor plain = platform::LoadCursorResource(QString::fromLatin1(name));
        EXPECT_EQ(plain.shape(), Qt::BitmapCursor);
        EXPECT_EQ(plain.pixmap().size(), QSize(32, 32));
        EXPECT_EQ(plain.hotSpot(), QPoint(kCursorHotSpot, kCursorHotSpot));
        const QCursor same = platform::LoadCursorResource(QString::fromLatin1(name), false);
        EXPECT_EQ(same.pixmap().toImage(), plain.pixmap().toImage());
        EXPECT_EQ(same.hotSpot(), plain.hotSpot());

        // The window system takes the picture and the hot spot in device
        // pixels, so the pixmap carries a ratio of 1 and the hot spot is the
        // 64 x 64 picture's own.
        const QCursor twice = platform::LoadCursorResource(QString::fromLatin1(name), true);
        EXPECT_EQ(twice.shape(), Qt::BitmapCursor);
        EXPECT_EQ(twice.pixmap().size(), QSize(64, 64));
        EXPECT_EQ(twice.pixmap().devicePixelRatio(), 1.0);
        EXPECT_EQ(twice.hotSpot(), QPoint(kCursorHotSpot2x, kCursorHotSpot2x));
    }
    EXPECT_EQ(platform::LoadCursorResource("NOSUCHCUR", true).shape(), Qt::ArrowCursor);
}

TEST(DoubleResolution, TakenAboveRatioOneOnly)
{
    for (auto [ratio, expected] : {std::pair{1.0, false}, {0.75, false}, {1.25, true}, {1.5, true}, {2.0, true}})
        EXPECT_EQ(platform::UsesDoubleResolution(ratio), expected) << ratio;
}

}  // namespace
