// SPDX-License-Identifier: GPL-3.0-or-later
// What the window loads for the screen, on a screen of ratio 2 from the
// start: the cursors and the icon once, at that ratio; the named pictures
// once, so that a new layout composes its pictures without reading a file,
// and composes them ahead while the window is idle;
// and no icon on the menus, which would hand it to the window system at every
// popup.
#include "tests/control/game_fixture.h"

#include <QMenuBar>
#include <algorithm>

#include "control/client_area.h"

#include "platform/resources.h"

namespace {

[[maybe_unused]] const bool ratioSet = [] {
    qputenv("QT_SCALE_FACTOR", "2");
    return true;
}();

class ScreenResourcesTest : public GameFixture {};

TEST_F(ScreenResourcesTest, LoadsOnceForTheScreenAndLaysOutAgainFromMemory)
{
    GameWindow& w = Open(0, 0);
    ASSERT_EQ(w.Surface().Ratio(), 2.0);
    EXPECT_EQ(TestSeam::ScreenResourceLoads(w), 1);
    // The sizes a window manager shows, up to 64 logical pixels, drawn for
    // ratio 2.
    const QImage drawn(QStringLiteral(":/icons/EXEICON_128.png"));
    EXPECT_EQ(w.windowIcon().availableSizes().last(), QSize(64, 64));
    EXPECT_EQ(w.windowIcon().pixmap(QSize(64, 64), 2.0).toImage().convertToFormat(drawn.format()), drawn);
    for (QMenu* menu : w.menuBar()->findChildren<QMenu*>()) {
        menu->ensurePolished();
        EXPECT_TRUE(menu->windowIcon().isNull()) << menu->title().toStdString();
    }

    w.Game().StartGame();
    w.Game().HandleSquareClick(19);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    w.Client()->repaint();
    const int reads = platform::NamedPictureReads();
    w.resize(1000, 760);
    QCoreApplication::processEvents();
    w.Client()->repaint();
    // The window, left idle, builds every picture of the board ahead of the
    // next move, from memory too.
    const auto& built = w.Board().squarePictures.built;
    EXPECT_TRUE(RunUntil([&] { return std::all_of(built.begin(), built.end(), [](bool b) { return b; }); }));
    EXPECT_EQ(platform::NamedPictureReads(), reads);
    EXPECT_EQ(TestSeam::ScreenResourceLoads(w), 1);
}

}  // namespace
