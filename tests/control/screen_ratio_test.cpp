// SPDX-License-Identifier: GPL-3.0-or-later
// The window on screens of device pixel ratio 1, 2 and 1.5: what it draws,
// what the screen shows of it, where clicks land, and moving between screens.
#include "tests/control/game_fixture.h"

#include <QPainter>
#include <QScreen>
#include <cmath>
#include <mutex>
#include <vector>

#include "control/client_area.h"
#include "panels/window_layout.h"

namespace {

// The offscreen platform with three screens side by side, of ratios 1, 2
// and 1.5; set before the application starts.
[[maybe_unused]] const bool screensSet = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUELLIX_SCREENS_CONFIG);
    qputenv("QT_SCREEN_SCALE_FACTORS", "standard=1;double=2;oneandhalf=1.5");
    return true;
}();

const QRgb GROUND = qRgb(0x69, 0xBD, 0x8C);
const QRgb LINE = qRgb(0x26, 0x27, 0x26);
const QRgb BACKGROUND = qRgb(0x80, 0x60, 0x40);

// The spans [first, end) of `colour` along row `at` (across) or column `at`.
std::vector<std::pair<int, int>> Spans(const QImage& image, QRgb colour, int at, bool across)
{
    std::vector<std::pair<int, int>> spans;
    for (int i = 0; i < (across ? image.width() : image.height()); ++i) {
        if ((image.pixel(across ? QPoint(i, at) : QPoint(at, i)) | 0xFF000000) != colour)
            continue;
        if (!spans.empty() && spans.back().second == i)
            ++spans.back().second;
        else
            spans.emplace_back(i, i + 1);
    }
    return spans;
}

QPoint FirstDifference(const QImage& a, const QImage& b)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return {x, y};
    return {-1, -1};
}

class ScreenRatioTest : public GameFixture {
protected:
    // Moves the window onto the named screen and paints it there.
    static void MoveTo(GameWindow& w, const QString& name, qreal ratio)
    {
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->name() == name)
                w.move(screen->geometry().topLeft() + QPoint(40, 40));
        QCoreApplication::processEvents();
        w.Client()->repaint();
        ASSERT_EQ(w.Client()->devicePixelRatio(), ratio) << name.toStdString();
    }
    static QImage BackBuffer(GameWindow& w)
    {
        std::lock_guard lock(w.Game().DrawingLock());
        return w.Surface().Image().copy();
    }
};

TEST_F(ScreenRatioTest, AtRatioTwoTheBackBufferIsARatioOneWindowOfTwiceTheSizeApartFromThePictures)
{
    GameWindow& w = Open(0, 3);
    w.Game().StartGame();
    w.Game().HandleSquareClick(19);  // and the robot replies
    ASSERT_TRUE(RunUntil([&] { return Resting() && w.Game().SideToMove() == 1; }));
    MoveTo(w, "double", 2);
    const QSize client = w.Client()->size();
    QImage images[2] = {BackBuffer(w)};

    // What may differ: the pictures, drawn from the double-resolution
    // drawings, and the marks and the panel discs' outlines, of fixed size, as
    // they are at ratio 2.
    std::vector<QRect> exceptions;
    for (int square = 0; square < 64; ++square)
        if (w.Game().SquareCode(square) != 0)
            exceptions.push_back(w.Board().PictureRect(square).ToQRect());
    for (int i = 0; i < w.Game().MoveCount(); ++i)
        exceptions.push_back(w.Board().MarkRect(w.Game().LegalMove(i)).ToQRect());
    const QRect disc = exceptions.front();
    for (int side = 1; side <= 2; ++side) {
        const PlayerPanel& panel = w.Panel(side);
        const int pw = panel.homeRect.Width(), d = pw / 40 - pw / 80;  // a raised panel's shift
        const QRect outline(panel.homeRect.left + pw / 20, panel.homeRect.top + pw / 20, (16 * pw) / 100,
                            (16 * pw) / 100);
        for (const QRect& r : {panel.badgeRect.ToQRect(), panel.stateRect.ToQRect(), outline})
            exceptions.push_back(r.united(r.translated(-d, -d)));
    }
    const QRect badge = exceptions[exceptions.size() - 3];  // player 2's badge

    MoveTo(w, "standard", 1);
    w.resize(w.size() + client);
    QCoreApplication::processEvents();
    w.Client()->repaint();
    ASSERT_EQ(w.Client()->size(), 2 * client);
    images[1] = BackBuffer(w);

    EXPECT_NE(images[0].copy(disc), images[1].copy(disc));
    EXPECT_NE(images[0].copy(badge), images[1].copy(badge));
    for (QImage& image : images) {
        QPainter painter(&image);
        for (const QRect& r : exceptions)
            painter.fillRect(r, Qt::magenta);
    }
    EXPECT_EQ(FirstDifference(images[0], images[1]), QPoint(-1, -1));
}

TEST_F(ScreenRatioTest, AtOneAndAHalfTheBoardSitsByTheRuleForDevicePixelsWithEveryGridLineTWide)
{
    GameWindow& w = Open();
    MoveTo(w, "oneandhalf", 1.5);
    const QImage screen = w.grab().toImage();
    // The client area starts where the background does at the window's left
    // edge and reaches the window's right and bottom edges.
    int top = 0;
    while ((screen.pixel(1, top) | 0xFF000000) != BACKGROUND)
        ++top;
    const platform::Rect client{0, 0, screen.width(), screen.height() - top};
    EXPECT_EQ(w.Surface().Size(), QSize(client.Width(), client.Height()));
    const platform::Rect board = ComputeWindowLayout(client).board.Moved(0, top);
    ASSERT_GE(board.Width() / 160, 2);
    for (const bool across : {true, false}) {
        const int at = across ? board.top + 2 : board.left + 2;
        const std::vector<std::pair<int, int>> ground = Spans(screen, GROUND, at, across);
        ASSERT_FALSE(ground.empty());
        EXPECT_EQ(ground.front().first, across ? board.left : board.top);
        EXPECT_EQ(ground.back().second, across ? board.right : board.bottom);
        const std::vector<std::pair<int, int>> lines = Spans(screen, LINE, at, across);
        ASSERT_EQ(lines.size(), 7u) << across;
        for (const auto& [first, end] : lines)
            EXPECT_EQ(end - first, board.Width() / 160) << across << " " << first;
    }
}

// Grown by 0, 1 or 2 logical pixels, the window puts the grid lines at every
// place within the three device pixels of two logical ones.
class ClickTest : public ScreenRatioTest, public testing::WithParamInterface<int> {};

TEST_P(ClickTest, AtOneAndAHalfAClickNearASquaresEdgeLandsOnTheSquareUnderThePointer)
{
    GameWindow& w = Open(0, 0);
    w.resize(w.size() + QSize(GetParam(), GetParam()));
    MoveTo(w, "oneandhalf", 1.5);
    w.Game().StartGame();
    w.Client()->repaint();
    const engine::BoardPosition start = w.Game().DisplayedPosition();
    const QImage screen = w.grab().toImage();
    const QPoint origin = w.Client()->mapTo(&w, QPoint(0, 0));
    // The screen pixel under the middle of a logical pixel of the window.
    const auto under = [](int logical) {
        return static_cast<int>(std::floor((logical + 0.5) * 1.5));
    };

    // Square 19 (column 3, row 2) is the only legal move on either side of
    // its four edges: the lines before and after its column and its row.
    int x = 0, y = 0;
    w.Board().SquareCentre(19, x, y);
    const QPoint inside(qRound(x / 1.5), qRound(y / 1.5));
    const auto across = Spans(screen, LINE, under(origin.y() + inside.y()), true);
    const auto down = Spans(screen, LINE, under(origin.x() + inside.x()), false);
    ASSERT_EQ(across.size(), 7u);
    ASSERT_EQ(down.size(), 7u);
    int clicks[2] = {0, 0};
    for (const int edge : {2, 3, 10, 11}) {
        const bool isAcross = edge < 10;
        const auto [first, end] = isAcross ? across[edge] : down[edge - 9];
        const int offset = isAcross ? origin.x() : origin.y();
        for (int logical = static_cast<int>(first / 1.5) - offset - 3; logical <= end / 1.5 - offset + 3; ++logical) {
            const int pixel = under(offset + logical);
            const bool onSquare = edge % 2 == 0 ? pixel >= end : pixel < first;
            const QPoint point = isAcross ? QPoint(logical, inside.y()) : QPoint(inside.x(), logical);
            QTest::mouseClick(w.Client(), Qt::LeftButton, {}, point);
            const bool played = TestSeam::NextPosition(w.Game()).squares[19] != 0;
            EXPECT_EQ(played, onSquare) << "at " << point.x() << "," << point.y() << ", screen pixel " << pixel
                                        << ", line " << first << " to " << end;
            ++clicks[onSquare];
            if (played) {
                ASSERT_TRUE(RunUntil([&] { return Resting(); }));
                TestSeam::SetPositions(w.Game(), start, start);
                TestSeam::SetLastMove(w.Game(), engine::NO_MOVE);
            }
        }
    }
    EXPECT_GE(clicks[0], 8);
    EXPECT_GE(clicks[1], 8);
}

INSTANTIATE_TEST_SUITE_P(Grown, ClickTest, testing::Values(0, 1, 2));

TEST_F(ScreenRatioTest, MovingToAScreenOfAnotherRatioRedoesTheLayoutAndRebuildsTheCaches)
{
    GameWindow& w = Open(0, 3);
    w.Game().StartGame();
    w.Client()->repaint();
    const QImage before = BackBuffer(w);
    const QSize size = w.Client()->size(), cursor = w.Client()->cursor().pixmap().size();
    const BoardView& board = w.Board();
    const PlayerPanel& panel = w.Panel(1);

    MoveTo(w, "double", 2);
    const WindowLayout layout = ComputeWindowLayout({0, 0, 2 * size.width(), 2 * size.height()});
    EXPECT_EQ(w.Surface().Image().size(), 2 * size);
    EXPECT_EQ(board.BoardRect(), layout.board);
    EXPECT_EQ(panel.homeRect, layout.panel1);
    // Built again at the new sizes, from the double-resolution drawings.
    EXPECT_EQ(board.squarePictures.pictures[0].width(), board.pictureSize);
    EXPECT_EQ(board.squarePictures.pictures[41].width(), 240);
    EXPECT_EQ(panel.pictures.pictures[Go].size(), panel.stateRect.ToQRect().size());
    EXPECT_EQ(panel.pictures.pictures[ActiveBadge].size(), panel.badgeRect.ToQRect().size());
    EXPECT_EQ(w.Client()->cursor().pixmap().size(), 2 * cursor);
    // The icon drawn for the ratio: 64 logical pixels from the 128 drawing.
    const QImage drawnFor2(QStringLiteral(":/icons/EXEICON_128.png")), drawnFor1(QStringLiteral(":/icons/EXEICON_64.png"));
    EXPECT_EQ(w.windowIcon().pixmap(QSize(64, 64), 2.0).toImage().convertToFormat(drawnFor2.format()), drawnFor2);

    // Back on a screen of ratio 1, every pixel is as it was.
    MoveTo(w, "standard", 1);
    EXPECT_EQ(BackBuffer(w), before);
    EXPECT_EQ(board.squarePictures.pictures[41].width(), 120);
    EXPECT_EQ(w.Client()->cursor().pixmap().size(), cursor);
    EXPECT_EQ(w.windowIcon().pixmap(QSize(64, 64), 1.0).toImage().convertToFormat(drawnFor1.format()), drawnFor1);
}

}  // namespace
