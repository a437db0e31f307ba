// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <mutex>

#include "board/board_view.h"
#include "platform/drawing_context.h"
#include "tests/game/fake_game.h"

namespace {

using engine::GAME_OVER;
using engine::NO_GAME;
using engine::NO_MOVE;
using platform::Rect;

const QRgb GROUND = qRgb(0x69, 0xBD, 0x8C);
const QRgb LINE = qRgb(0x26, 0x27, 0x26);
const QRgb UNTOUCHED = qRgb(0x12, 0x34, 0x56);
const QRgb BLACK = qRgb(0, 0, 0);

QRgb Grey(int v)
{
    return qRgb(v, v, v);
}
bool IsReddish(QRgb c)
{
    return qRed(c) > 0x80 && qRed(c) > qGreen(c) + 0x40;
}
bool IsDark(QRgb c)
{
    return qRed(c) < 0x30 && qGreen(c) < 0x30 && qBlue(c) < 0x30;
}

// A board that sits at (L, T) with side W in an image of our own, showing a
// game of the test's making and recording the squares it reports clicked.
class BoardViewTest : public testing::Test {
protected:
    static constexpr int L = 30, T = 20;

    void LayOut(int width, int left = L, int top = T)
    {
        image = QImage(left + width + 30, top + width + 30, QImage::Format_RGB32);
        image.fill(UNTOUCHED);
        platform::DrawingContext context(image);
        view.Relayout(&context, {left, top, left + width, top + width});
    }
    void Paint()
    {
        platform::DrawingContext context(image);
        platform::DrawingContext* pointer = &context;
        view.PaintBoard(pointer);
    }
    void Draw(int square)
    {
        platform::DrawingContext context(image);
        platform::DrawingContext* pointer = &context;
        view.DrawSquare(pointer, square);
    }
    QRgb At(int x, int y) const { return image.pixel(x, y); }
    // A back buffer, for the operations that draw without a context of their
    // own.
    QImage& BackBuffer(int width, int height) { return game.BackBuffer(QSize(width, height), UNTOUCHED); }

    FakeGame game;
    std::vector<int> clicked;
    BoardView view{game, game.Target(), [this](int square) {
                       clicked.push_back(square);
                   }};
    QImage image;
};

TEST_F(BoardViewTest, ConstructionLeavesTheViewUnlaidOut)
{
    BoardView fresh(game, game.Target(), nullptr);
    EXPECT_EQ(fresh.lineWidth, 0);
    EXPECT_EQ(fresh.pictureSize, -1);
    EXPECT_FALSE(fresh.marksShown);
    EXPECT_EQ(fresh.boardColour.rgb(), GROUND);
    for (bool built : fresh.squarePictures.built)
        EXPECT_FALSE(built);
}

TEST_F(BoardViewTest, LineWidthAndPictureSizeFollowTheBoardWidth)
{
    LayOut(400);
    EXPECT_EQ(view.lineWidth, 2);
    EXPECT_EQ(view.pictureSize, 40);
    for (int width : {100, 159, 160, 300, 319}) {
        LayOut(width);
        EXPECT_EQ(view.lineWidth, 1) << width;
        EXPECT_EQ(view.pictureSize, (width + 1) / 10) << width;
    }
    LayOut(320);
    EXPECT_EQ(view.lineWidth, 2);
    LayOut(0);
    EXPECT_EQ(view.lineWidth, 1);
    EXPECT_EQ(view.pictureSize, 0);
}

TEST_F(BoardViewTest, SquareGeometryOn400PixelBoard)
{
    LayOut(400);
    EXPECT_EQ(view.PictureRect(0), (Rect{L + 4, T + 4, L + 44, T + 44}));
    EXPECT_EQ(view.PictureRect(9), (Rect{L + 54, T + 54, L + 94, T + 94}));
    // Column 7 covers L + 351 to L + 399: its picture is centred in 49 pixels.
    EXPECT_EQ(view.PictureRect(63), (Rect{L + 355, T + 355, L + 395, T + 395}));
    int x = 0, y = 0;
    view.SquareCentre(0, x, y);
    EXPECT_EQ(x, L + 24);
    EXPECT_EQ(y, T + 24);
    view.SquareCentre(63, x, y);
    EXPECT_EQ(x, L + 375);
    EXPECT_EQ(y, T + 375);
}

TEST_F(BoardViewTest, GridLinesOn400PixelBoard)
{
    LayOut(400);
    Paint();
    // k * 402 / 8 for k = 1..7, each line the two pixels before it.
    const int lineEnds[7] = {50, 100, 150, 201, 251, 301, 351};
    auto onLine = [&](int offset) {
        for (int end : lineEnds)
            if (offset >= end - 2 && offset < end)
                return true;
        return false;
    };
    // Row 0 (clear of the dots) and column 0, across the whole board.
    for (int offset = 0; offset < 400; ++offset) {
        ASSERT_EQ(At(L + offset, T + 10), onLine(offset) ? LINE : GROUND) << "x = L + " << offset;
        ASSERT_EQ(At(L + 10, T + offset), onLine(offset) ? LINE : GROUND) << "y = T + " << offset;
    }
    // The lines run the full length of the board.
    EXPECT_EQ(At(L + 48, T), LINE);
    EXPECT_EQ(At(L + 48, T + 399), LINE);
    EXPECT_EQ(At(L, T + 49), LINE);
    EXPECT_EQ(At(L + 399, T + 49), LINE);
}

TEST_F(BoardViewTest, NarrowBoardHasOnePixelLines)
{
    LayOut(300);
    Paint();
    // E = 301: the first line is x = L + 301 / 8 - 1 = L + 36 alone.
    EXPECT_EQ(At(L + 35, T + 5), GROUND);
    EXPECT_EQ(At(L + 36, T + 5), LINE);
    EXPECT_EQ(At(L + 37, T + 5), GROUND);
    EXPECT_EQ(At(L + 5, T + 36), LINE);
    EXPECT_EQ(At(L + 5, T + 37), GROUND);
}

// The first dot's box runs from L + 93 to L + 105 (exclusive) both ways; the
// ellipse fills it without its right column and bottom row.
TEST_F(BoardViewTest, DotsFillTheirBoxesWithoutRightColumnAndBottomRow)
{
    LayOut(400);
    Paint();
    const int dotCorners[4][2] = {{93, 93}, {294, 93}, {93, 294}, {294, 294}};
    for (const auto& corner : dotCorners) {
        SCOPED_TRACE(testing::Message() << corner[0] << "," << corner[1]);
        int minX = 1000, maxX = -1, minY = 1000, maxY = -1;
        for (int y = corner[1] - 10; y < corner[1] + 22; ++y) {
            for (int x = corner[0] - 10; x < corner[0] + 22; ++x) {
                // Pixels off the grid lines that have the line colour are the dot.
                const bool gridX = x >= corner[0] + 5 && x < corner[0] + 7;
                const bool gridY = y >= corner[1] + 5 && y < corner[1] + 7;
                if (gridX || gridY || At(L + x, T + y) != LINE)
                    continue;
                minX = std::min(minX, x), maxX = std::max(maxX, x);
                minY = std::min(minY, y), maxY = std::max(maxY, y);
            }
        }
        EXPECT_EQ(minX, corner[0]);
        EXPECT_EQ(maxX, corner[0] + 10);
        EXPECT_EQ(minY, corner[1]);
        EXPECT_EQ(maxY, corner[1] + 10);
        // Filled: a point well inside, off the lines.
        EXPECT_EQ(At(L + corner[0] + 3, T + corner[1] + 3), LINE);
        EXPECT_EQ(At(L + corner[0] + 8, T + corner[1] + 8), LINE);
    }
}

TEST_F(BoardViewTest, BevelledFrameRingsAndCorners)
{
    LayOut(400);
    Paint();
    const int R = L + 400, B = T + 400;
    const int light[6] = {0, 100, 120, 120, 144, 170};
    const int dark[6] = {50, 144, 120, 120, 88, 50};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        for (int along = 0; along < 400; along += 57) {
            EXPECT_EQ(At(L - i - 1, T + along), Grey(light[i]));
            EXPECT_EQ(At(L + along, T - i - 1), Grey(light[i]));
            EXPECT_EQ(At(R + i, T + along), Grey(dark[i]));
            EXPECT_EQ(At(L + along, B + i), Grey(dark[i]));
        }
        EXPECT_EQ(At(L - i - 1, T - i - 1), Grey(light[i]));
        EXPECT_EQ(At(L - i - 1, B + i), Grey(light[i]));
        EXPECT_EQ(At(R + i, T - i - 1), Grey(dark[i]));
        EXPECT_EQ(At(R + i, B + i), Grey(dark[i]));
    }
    // Nothing beyond the sixth ring.
    EXPECT_EQ(At(L - 7, T + 100), UNTOUCHED);
    EXPECT_EQ(At(L - 7, T - 7), UNTOUCHED);
    EXPECT_EQ(At(R + 6, B + 6), UNTOUCHED);
    EXPECT_EQ(At(L + 100, B + 6), UNTOUCHED);
}

TEST_F(BoardViewTest, SquareDrawsExactlyItsPictureRectangle)
{
    LayOut(400);
    game.position.squares[0] = 1;
    Draw(0);
    for (int y = T - 2; y < T + 60; ++y)
        for (int x = L - 2; x < L + 60; ++x) {
            const bool inside = x >= L + 4 && x < L + 44 && y >= T + 4 && y < T + 44;
            ASSERT_EQ(At(x, y) != UNTOUCHED, inside) << x << "," << y;
        }
    // Ground in the picture's corners, the dark disc at its centre.
    EXPECT_EQ(At(L + 4, T + 4), GROUND);
    EXPECT_EQ(At(L + 43, T + 43), GROUND);
    EXPECT_TRUE(IsDark(At(L + 24, T + 24)));
}

TEST_F(BoardViewTest, EmptySquareDrawsNothing)
{
    LayOut(400);
    Draw(5);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(At(x, y), UNTOUCHED);
    for (bool built : view.squarePictures.built)
        EXPECT_FALSE(built);
}

TEST_F(BoardViewTest, LastMoveSquareShowsTheHub)
{
    LayOut(400);
    game.position.squares[0] = 1;
    game.position.squares[1] = 2;
    game.lastMove = 0;
    Draw(0);
    Draw(1);
    EXPECT_TRUE(IsReddish(At(L + 24, T + 24)));
    EXPECT_FALSE(IsReddish(At(L + 24 + 50, T + 24)));
    EXPECT_TRUE(view.squarePictures.built[39]);
    EXPECT_FALSE(view.squarePictures.built[0]);

    // The controller redraws the old square once the last move moves on.
    game.lastMove = 1;
    Draw(0);
    Draw(1);
    EXPECT_TRUE(IsDark(At(L + 24, T + 24)));
    EXPECT_TRUE(IsReddish(At(L + 24 + 50, T + 24)));
    EXPECT_TRUE(view.squarePictures.built[40]);
}

TEST_F(BoardViewTest, ArrowFramesPointTheirWay)
{
    LayOut(400);
    // ARROW01 up, ARROW05 right, ARROW09 down, ARROW13 left, on both discs.
    const int codes[] = {8, 12, 16, 20, 24, 28, 32, 36};
    for (int i = 0; i < 8; ++i)
        game.position.squares[i] = codes[i];
    Paint();
    const int dx[4] = {0, 1, 0, -1}, dy[4] = {-1, 0, 1, 0};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(codes[i]);
        int x = 0, y = 0;
        view.SquareCentre(i, x, y);
        const int way = i % 4;
        EXPECT_TRUE(IsReddish(At(x + 12 * dx[way], y + 12 * dy[way])));
        EXPECT_FALSE(IsReddish(At(x - 12 * dx[way] - 4 * dy[way], y - 12 * dy[way] - 4 * dx[way])));
    }
}

// Every arrow code shows the disc of its side under the arrow: codes 8 to 23
// a dark disc, 24 to 39 a light one. Counted over the picture, so that it
// holds whichever way the arrow points.
TEST_F(BoardViewTest, EveryArrowCodeShowsItsSidesDiscUnderTheArrow)
{
    LayOut(400);
    for (int code = 8; code <= 39; ++code) {
        SCOPED_TRACE(code);
        game.position.squares[0] = code;
        Draw(0);
        int dark = 0, light = 0, red = 0;
        for (int y = T + 4; y < T + 44; ++y)
            for (int x = L + 4; x < L + 44; ++x) {
                const QRgb c = At(x, y);
                dark += IsDark(c);
                light += qRed(c) > 0xD0 && qGreen(c) > 0xD0 && qBlue(c) > 0xD0;
                red += IsReddish(c);
            }
        if (code <= 23) {
            EXPECT_GT(dark, 400);
            EXPECT_EQ(light, 0);
        } else {
            EXPECT_GT(light, 400);
            EXPECT_EQ(dark, 0);
        }
        EXPECT_GT(red, 40);
    }
}

TEST_F(BoardViewTest, EveryCodeBuildsItsEntryAtTheSquareSize)
{
    LayOut(400);
    for (int code = 1; code <= 39; ++code) {
        game.position.squares[0] = code;
        Draw(0);
        ASSERT_TRUE(view.squarePictures.built[static_cast<size_t>(code - 1)]) << code;
        EXPECT_EQ(view.squarePictures.pictures[static_cast<size_t>(code - 1)].size(), QSize(40, 40)) << code;
        // Every picture, the turning frames too, carries the ground in its corners.
        EXPECT_EQ(At(L + 4, T + 4), GROUND) << code;
    }
    EXPECT_EQ(view.squarePictures.pictures[41].size(), QSize(120, 120));
    EXPECT_EQ(view.squarePictures.pictures[42].size(), QSize(120, 120));
    // The turning frames are drawn on the ground, not built on the full discs.
    EXPECT_EQ(view.squarePictures.pictures[4].pixel(0, 0), GROUND);
}

TEST_F(BoardViewTest, CacheEntryIsBuiltOnceUntilTheNextRelayout)
{
    LayOut(400);
    game.position.squares[0] = 1;
    game.position.squares[1] = 1;
    Draw(0);
    const qint64 first = view.squarePictures.pictures[0].cacheKey();
    const qint64 fullDisc = view.squarePictures.pictures[41].cacheKey();
    Draw(1);
    Draw(0);
    EXPECT_EQ(view.squarePictures.pictures[0].cacheKey(), first);
    EXPECT_EQ(view.squarePictures.pictures[41].cacheKey(), fullDisc);
    EXPECT_FALSE(view.squarePictures.built[42]);

    // A new board size drops everything; the next draw builds at the new size.
    view.Relayout(nullptr, {L, T, L + 300, T + 300});
    for (bool built : view.squarePictures.built)
        EXPECT_FALSE(built);
    Draw(0);
    EXPECT_EQ(view.squarePictures.pictures[0].size(), QSize(30, 30));
    EXPECT_NE(view.squarePictures.pictures[41].cacheKey(), fullDisc);
}

TEST_F(BoardViewTest, RelayoutRebuildsTheFullDiscsWithTheGroundColour)
{
    LayOut(400);
    game.position.squares[0] = 2;
    view.boardColour = QColor(0x10, 0x20, 0x30);  // as a display that adapted it
    Draw(0);
    EXPECT_EQ(view.squarePictures.pictures[42].pixel(0, 0), qRgb(0x10, 0x20, 0x30));
    view.Relayout(nullptr, view.BoardRect());
    EXPECT_EQ(view.boardColour.rgb(), GROUND);
    Draw(0);
    EXPECT_EQ(view.squarePictures.pictures[42].pixel(0, 0), GROUND);
    EXPECT_EQ(At(L + 4, T + 4), GROUND);
}

TEST_F(BoardViewTest, PaintBoardDrawsOccupiedSquaresWithoutMarks)
{
    LayOut(400);
    game.position.setStartPosition();
    view.marksShown = true;
    Paint();
    int x = 0, y = 0;
    view.SquareCentre(27, x, y);
    EXPECT_FALSE(IsDark(At(x, y)));  // light disc
    view.SquareCentre(28, x, y);
    EXPECT_TRUE(IsDark(At(x, y)));
    view.SquareCentre(19, x, y);  // a legal move: no mark from PaintBoard
    EXPECT_EQ(At(x, y), GROUND);

    // Repaint adds the marks when they are shown.
    platform::DrawingContext context(image);
    platform::DrawingContext* pointer = &context;
    view.Repaint(pointer);
    EXPECT_EQ(At(x, y), BLACK);
}

TEST_F(BoardViewTest, MarksAreCrossesThatShowAndHideOnce)
{
    LayOut(400);
    QImage& buffer = BackBuffer(image.width(), image.height());
    game.position.setStartPosition();
    view.PaintBoard(nullptr);
    view.SetMarksShown(true);
    int x = 0, y = 0;
    view.SquareCentre(19, x, y);
    for (int k = -2; k <= 2; ++k) {
        EXPECT_EQ(buffer.pixel(x + k, y + k), BLACK);
        EXPECT_EQ(buffer.pixel(x + k, y - k), BLACK);
    }
    EXPECT_EQ(buffer.pixel(x + 3, y + 3), GROUND);
    EXPECT_EQ(buffer.pixel(x + 3, y - 3), GROUND);
    EXPECT_EQ(buffer.pixel(x + 1, y), GROUND);
    EXPECT_EQ(buffer.pixel(x, y + 1), GROUND);
    for (int square : {26, 37, 44}) {
        view.SquareCentre(square, x, y);
        EXPECT_EQ(buffer.pixel(x, y), BLACK) << square;
    }

    // Shown again: nothing is drawn a second time.
    view.SquareCentre(19, x, y);
    buffer.setPixel(x, y, UNTOUCHED);
    view.SetMarksShown(true);
    EXPECT_EQ(buffer.pixel(x, y), UNTOUCHED);

    view.SetMarksShown(false);
    EXPECT_FALSE(view.marksShown);
    for (int k = -2; k <= 2; ++k) {
        EXPECT_EQ(buffer.pixel(x + k, y + k), GROUND);
        EXPECT_EQ(buffer.pixel(x + k, y - k), GROUND);
    }
}

TEST_F(BoardViewTest, NoMovesMeansNoMarks)
{
    LayOut(400);
    QImage& buffer = BackBuffer(image.width(), image.height());
    game.position.setStartPosition();
    game.position.moveCount = 0;
    view.SetMarksShown(true);
    view.SetMarksShown(false);
    for (int y = 0; y < buffer.height(); ++y)
        for (int x = 0; x < buffer.width(); ++x)
            ASSERT_EQ(buffer.pixel(x, y), UNTOUCHED);
}

TEST_F(BoardViewTest, DrawSquareWithoutContextDrawsIntoTheBackBuffer)
{
    LayOut(400);
    QImage& buffer = BackBuffer(image.width(), image.height());
    game.position.setStartPosition();
    game.position.squares[0] = 1;
    view.DrawSquare(nullptr, 0);
    EXPECT_TRUE(IsDark(buffer.pixel(L + 24, T + 24)));
    EXPECT_EQ(buffer.pixel(L + 3, T + 3), UNTOUCHED);
}

TEST_F(BoardViewTest, ClickMapsToSquaresAndDropsGridLines)
{
    LayOut(400);
    EXPECT_EQ(view.SquareAt(L, T), 0);
    EXPECT_EQ(view.SquareAt(L + 47, T + 10), 0);
    EXPECT_EQ(view.SquareAt(L + 48, T + 10), NO_MOVE);  // the line after column 0
    EXPECT_EQ(view.SquareAt(L + 49, T + 10), NO_MOVE);
    EXPECT_EQ(view.SquareAt(L + 50, T + 10), 1);
    EXPECT_EQ(view.SquareAt(L + 10, T + 48), NO_MOVE);
    EXPECT_EQ(view.SquareAt(L + 10, T + 50), 8);
    EXPECT_EQ(view.SquareAt(L + 399, T + 399), 63);
    EXPECT_EQ(view.SquareAt(L + 351, T + 351), 63);
    EXPECT_EQ(view.SquareAt(L + 350, T + 360), NO_MOVE);
    EXPECT_EQ(view.SquareAt(L + 400, T + 10), NO_MOVE);  // right edge excluded
    EXPECT_EQ(view.SquareAt(L - 1, T + 10), NO_MOVE);
    EXPECT_EQ(view.SquareAt(L + 10, T + 400), NO_MOVE);
    EXPECT_EQ(view.SquareAt(L + 10, T - 1), NO_MOVE);
}

class ClickTest : public BoardViewTest {
protected:
    ClickTest()
    {
        game.position.setStartPosition();
        LayOut(400);
        view.SquareCentre(19, x19, y19);
    }
    int x19 = 0, y19 = 0;
};

// The view reports the square under a click; whether it is a move is the
// game's to decide, so it reports it whatever the game's state.
TEST_F(ClickTest, AClickOnASquareIsReported)
{
    view.HandleClick(x19, y19);
    game.position.sideToMove = NO_GAME;
    view.HandleClick(L, T);
    EXPECT_EQ(clicked, (std::vector<int>{19, 0}));
}

TEST_F(ClickTest, ClickBeforeTheFirstLayoutIsDropped)
{
    view.lineWidth = 0;
    view.HandleClick(x19, y19);
    EXPECT_TRUE(clicked.empty());
}

TEST_F(ClickTest, ClickOutsideOrOnALineIsDropped)
{
    view.HandleClick(L - 1, y19);
    view.HandleClick(x19, T + 400);
    // Square 19 is column 3, row 2: the lines before column 3 and row 3.
    view.HandleClick(L + 148, y19);
    view.HandleClick(L + 149, y19);
    view.HandleClick(x19, T + 148);
    view.HandleClick(x19, T + 149);
    EXPECT_TRUE(clicked.empty());
}

// --- The keyboard cursor and the hint's disc ---------------------------------

// The keyboard cursor's frame lies in the margin between the picture and the
// grid lines, the hint's disc in the picture; each goes again leaving every
// pixel as painted, the dots that reach into some squares included.
class MarginTest : public BoardViewTest, public testing::WithParamInterface<int> {};

TEST_P(MarginTest, TheCursorFrameAndTheHintsDiscLeaveNoTrace)
{
    LayOut(GetParam());
    QImage& buffer = BackBuffer(image.width(), image.height());
    game.position.setStartPosition();
    game.lastMove = 27;
    view.PaintBoard(nullptr);
    view.SetMarksShown(true);
    const QImage before = buffer.copy();
    for (int square : {0, 9, 10, 18, 19, 27, 45, 54, 63}) {
        SCOPED_TRACE(testing::Message() << "width " << GetParam() << ", square " << square);
        view.MoveKeyboardCursor(0, 0);  // shown on the last move, 27
        view.MoveKeyboardCursor(engine::rowOf(square) - 3, engine::columnOf(square) - 3);
        Rect outer, inner;
        view.CursorFrame(square, outer, inner);
        const Rect cell = view.SquareRect(square), picture = view.PictureRect(square);
        ASSERT_GE(inner.left - outer.left, 1);
        ASSERT_TRUE(outer.left >= cell.left && outer.top >= cell.top && outer.right <= cell.right &&
                    outer.bottom <= cell.bottom && inner.left <= picture.left && inner.top <= picture.top &&
                    inner.right >= picture.right && inner.bottom >= picture.bottom);
        for (int y = 0; y < buffer.height(); ++y)
            for (int x = 0; x < buffer.width(); ++x)
                ASSERT_EQ(buffer.pixel(x, y),
                          outer.Contains(x, y) && !inner.Contains(x, y) ? qRgb(0x10, 0x40, 0xFF) : before.pixel(x, y))
                    << x << "," << y;
        const QImage framed = buffer.copy();
        view.Repaint(nullptr);  // the frame is part of the board
        ASSERT_TRUE(buffer == framed);
        view.HandleClick(outer.left, outer.top);  // a click on the board hides it
        ASSERT_TRUE(buffer == before);
        for (int side : {1, 2}) {
            view.DrawDisc(nullptr, square, side);
            int x = 0, y = 0;
            view.SquareCentre(square, x, y);
            EXPECT_EQ(IsDark(buffer.pixel(x, y)), side == 1);  // the plain disc: no mark, no hub
            EXPECT_FALSE(IsReddish(buffer.pixel(x, y)));
            view.RestoreSquare(nullptr, square);
            ASSERT_TRUE(buffer == before);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BoardWidths, MarginTest, testing::Values(288, 400, 517, 1140));

}  // namespace

// On a screen of a higher ratio the board keeps the look it has at ratio 1:
// the cross as large (five pixels times the ratio, arms a scaled pixel thick,
// mirrored) and the discs drawn from pictures of twice the resolution rather
// than blown up.
class RatioTest : public BoardViewTest, public testing::WithParamInterface<qreal> {};

TEST_P(RatioTest, TheMarkAndTheDiscsFollowTheRatio)
{
    const qreal ratio = GetParam();
    view.Relayout(nullptr, {L, T, L + 400, T + 400}, ratio);
    QImage& buffer = BackBuffer(460, 460);
    game.position.setStartPosition();
    view.PaintBoard(nullptr);
    view.SetMarksShown(true);
    const Rect box = view.MarkRect(19);
    const int size = platform::ScaledLength(5, ratio), stroke = platform::ScaledLength(1, ratio);
    EXPECT_EQ(box.Width(), size);
    int topRow = 0;
    for (int y = box.top - 3; y < box.bottom + 3; ++y)
        for (int x = box.left - 3; x < box.right + 3; ++x)
            if (buffer.pixel(x, y) == BLACK) {
                EXPECT_TRUE(box.Contains(x, y)) << x << "," << y;
                EXPECT_EQ(buffer.pixel(box.left + box.right - 1 - x, y), BLACK) << x << "," << y;
                topRow += y == box.top;
            }
    EXPECT_EQ(topRow, 2 * stroke);
    for (const int corner : {box.left, box.right - 1})
        EXPECT_EQ(buffer.pixel(corner, box.bottom - 1), BLACK);
    view.SetMarksShown(false);
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            ASSERT_EQ(buffer.pixel(x, y), GROUND) << x << "," << y;

    const QImage& disc = view.squarePictures.pictures[41];  // the dark disc at the size it is composed at
    const int w = disc.width();
    ASSERT_EQ(w, ratio > 1 ? 240 : 120);
    EXPECT_TRUE(IsDark(disc.pixel(w / 2, w / 2)) && IsDark(disc.pixel((3 * w) / 4, (3 * w) / 4)));
    EXPECT_EQ(disc.pixel(1, 1), GROUND);
    bool blocky = true;  // as a picture of half the size blown up would be
    for (int y = 0; y < w; y += 2)
        for (int x = 0; x < w; x += 2)
            blocky = blocky && disc.pixel(x, y) == disc.pixel(x + 1, y) && disc.pixel(x, y) == disc.pixel(x, y + 1) &&
                     disc.pixel(x, y) == disc.pixel(x + 1, y + 1);
    EXPECT_FALSE(blocky);
}

INSTANTIATE_TEST_SUITE_P(Ratios, RatioTest, testing::Values(1.0, 1.25, 1.5, 2.0, 3.0));
