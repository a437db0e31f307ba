#include "board/board_view.h"

#include "board/drawing_context_guard.h"
#include "control/game_window.h"
#include "platform/shared_value.h"

using engine::BoardPosition;
using engine::NO_MOVE;

namespace {

constexpr int CANVAS_SIZE = 120;
constexpr platform::Rect CANVAS_RECT{0, 0, CANVAS_SIZE, CANVAS_SIZE};
// The 113 x 113 arrow and hub pictures sit 4 pixels in from the canvas's
// left and top edges.
constexpr platform::Rect OVERLAY_RECT{4, 4, 117, 117};

// Entries 41 and 42 are the full-size dark and light discs that the other
// disc pictures are built on.
constexpr int FULL_DARK_DISC = 41;
constexpr int FULL_LIGHT_DISC = 42;

const QColor BOARD_GREEN(0x69, 0xBD, 0x8C);
const QColor LINE_COLOUR(0x26, 0x27, 0x26);
const QColor MARK_COLOUR(0x00, 0x00, 0x00);

// Grey levels of the bevelled frame by ring position p = 20 * ring / rings:
// the light edge (left and top) and the dark edge (right and bottom).
constexpr int FRAME_LIGHT[20] = {0,   50,  80,  100, 120, 120, 120, 120, 120, 120,
                                 120, 128, 136, 144, 152, 160, 170, 160, 93,  82};
constexpr int FRAME_DARK[20] = {50,  180, 170, 144, 120, 120, 120, 120, 120, 120,
                                120, 108, 98,  88,  77,  67,  50,  30,  10,  0};

QColor Grey(int level)
{
    return platform::DrawingContext::Nearest(QColor(level, level, level));
}

}  // namespace

BoardView::BoardView() : boardColour(BOARD_GREEN) {}

void BoardView::Relayout([[maybe_unused]] platform::DrawingContext* context)
{
    const int width = gameWindow->boardRect.Width();
    lineWidth = width / 160 <= 1 ? 1 : width / 160;
    pictureSize = (width + lineWidth) / 10;
    boardColour = platform::DrawingContext::Nearest(BOARD_GREEN);
    squarePictures.DiscardAll();
}

void BoardView::PaintBoard(platform::DrawingContext* context)
{
    DrawingContextGuard guard(context, gameWindow);
    const platform::Rect board = gameWindow->boardRect;
    const int left = board.left, top = board.top, right = board.right, bottom = board.bottom;
    const int width = board.Width();
    const int t = lineWidth;
    const int pitch = width + t;              // E: eight columns and their lines
    const int rowPitch = board.Height() + t;  // E': the same for the rows

    context->FillRect(board, boardColour);

    // Seven lines each way; the line after column k ends where column k + 1
    // begins.
    const QColor lineColour = platform::DrawingContext::Nearest(LINE_COLOUR);
    for (int k = 1; k <= 7; ++k) {
        const int x = left + (k * pitch) / 8;
        context->FillRect({x - t, top, x, bottom}, lineColour);
    }
    for (int k = 1; k <= 7; ++k) {
        const int y = top + (k * rowPitch) / 8;
        context->FillRect({left, y - t, right, y}, lineColour);
    }

    // The four dots where the second and sixth lines cross, each spreading r
    // pixels beyond the line.
    const int r = width / 80;
    const int dotX[2] = {left + pitch / 4, left + (3 * pitch) / 4};
    const int dotY[2] = {top + rowPitch / 4, top + (3 * rowPitch) / 4};
    for (int y : dotY)
        for (int x : dotX)
            context->Ellipse({x - t - r, y - t - r, x + r, y + r}, lineColour, lineColour);

    // The bevelled frame, ring 0 next to the board. Each ring is four
    // one-pixel lines without their end points, so the top-left and
    // bottom-left corners take the light grey and the other two the dark.
    const int rings = pitch / 60;
    for (int i = 0; i < rings; ++i) {
        const int p = (20 * i) / rings;
        const QColor light = Grey(FRAME_LIGHT[p]);
        const QColor dark = Grey(FRAME_DARK[p]);
        const int x0 = left - i - 1, y0 = top - i - 1, x1 = right + i, y1 = bottom + i;
        context->Line(x0, y1, x0, y0, light);
        context->Line(x0, y0, x1, y0, light);
        context->Line(x1, y0, x1, y1, dark);
        context->Line(x1, y1, x0, y1, dark);
    }

    for (int square = 0; square < 64; ++square)
        if (platform::LoadShared(gameWindow->displayedPosition.squares[square]) != 0)
            DrawSquare(context, square);
}

void BoardView::Repaint(platform::DrawingContext* context)
{
    DrawingContextGuard guard(context, gameWindow);
    PaintBoard(context);
    if (marksShown)
        DrawMarks(context);
}

void BoardView::DrawSquare(platform::DrawingContext* context, int square)
{
    DrawingContextGuard guard(context, gameWindow);
    int code = platform::LoadShared(gameWindow->displayedPosition.squares[square]);
    if (code == 0)
        return;
    // The disc of the last move carries the hub of the arrow.
    if ((code == 1 || code == 2) && square == platform::LoadShared(gameWindow->lastMove))
        code += 39;
    if (code >= 1 && code <= PICTURE_COUNT)
        DrawSquarePicture(context, PictureRect(square), code - 1);
}

void BoardView::SetMarksShown(bool shown)
{
    if (shown == marksShown)
        return;
    marksShown = shown;
    if (shown)
        DrawMarks(nullptr);
    else
        EraseMarks(nullptr);
}

int BoardView::SquareAt(int x, int y) const
{
    const platform::Rect board = gameWindow->boardRect;
    if (!board.Contains(x, y))
        return NO_MOVE;
    const int pitch = board.Width() + lineWidth;
    // Rounds up, so a point is given the column whose end it lies before.
    const int column = (8 * (x - board.left) + 7) / pitch;
    const int row = (8 * (y - board.top) + 7) / pitch;
    const bool onLine = x >= board.left + ((column + 1) * pitch) / 8 - lineWidth ||
                        y >= board.top + ((row + 1) * pitch) / 8 - lineWidth;
    return onLine ? NO_MOVE : row * 8 + column;
}

void BoardView::HandleClick(int x, int y)
{
    const int side = platform::LoadShared(gameWindow->displayedPosition.sideToMove);
    if (side < 1 || lineWidth == 0)
        return;
    const int square = SquareAt(x, y);
    if (square == NO_MOVE)
        return;
    if (gameWindow->animationTask)
        return;
    if (gameWindow->PlayerKindOf(side) != 0)
        return;
    gameWindow->PlayMove(square);
}

platform::Rect BoardView::PictureRect(int square) const
{
    const platform::Rect board = gameWindow->boardRect;
    const int pitch = board.Width() + lineWidth;
    const int column = square & 7, row = square >> 3;
    const int x = board.left + ((column * pitch) / 8 + ((column + 1) * pitch) / 8 - lineWidth - pictureSize) / 2;
    const int y = board.top + ((row * pitch) / 8 + ((row + 1) * pitch) / 8 - lineWidth - pictureSize) / 2;
    return {x, y, x + pictureSize, y + pictureSize};
}

void BoardView::SquareCentre(int square, int& x, int& y) const
{
    const platform::Rect board = gameWindow->boardRect;
    const int pitch = board.Width() + lineWidth;
    const int column = square & 7, row = square >> 3;
    x = board.left + ((column * pitch) / 8 + ((column + 1) * pitch) / 8 - lineWidth) / 2;
    y = board.top + ((row * pitch) / 8 + ((row + 1) * pitch) / 8 - lineWidth) / 2;
}

void BoardView::DrawSquarePicture(platform::DrawingContext* context, const platform::Rect& r, int index)
{
    if (!squarePictures.built[static_cast<size_t>(index)])
        BuildSquarePicture(context, index);
    CopyPicture(*context, r, squarePictures.pictures[static_cast<size_t>(index)]);
}

void BoardView::BuildSquarePicture([[maybe_unused]] platform::DrawingContext* context, int index)
{
    // Raster operations need a 32-bit RGB target, which is also the format of
    // the window's back buffer, so the result copies 1:1.
    QImage canvas(CANVAS_SIZE, CANVAS_SIZE, QImage::Format_RGB32);
    {
        platform::DrawingContext canvasContext(canvas);
        platform::DrawingContext* canvasPointer = &canvasContext;
        if (index <= 1) {
            DrawSquarePicture(canvasPointer, CANVAS_RECT, index + 41);
        } else if (index <= 6) {
            canvasContext.FillRect(CANVAS_RECT, boardColour);
            DrawNamedPicture(canvasContext, CANVAS_RECT, QStringLiteral("COU%1").arg(index - 1));
        } else if (index <= 38) {
            const bool dark = index <= 22;
            DrawSquarePicture(canvasPointer, CANVAS_RECT, dark ? FULL_DARK_DISC : FULL_LIGHT_DISC);
            const int frame = dark ? index - 6 : index - 22;
            DrawNamedPicture(canvasContext, OVERLAY_RECT,
                             QStringLiteral("ARROW%1").arg(frame, 2, 10, QLatin1Char('0')));
        } else if (index <= 40) {
            DrawSquarePicture(canvasPointer, CANVAS_RECT, index == 39 ? FULL_DARK_DISC : FULL_LIGHT_DISC);
            DrawNamedPicture(canvasContext, OVERLAY_RECT, QStringLiteral("CENTER"));
        } else {
            canvasContext.FillRect(CANVAS_RECT, boardColour);
            DrawNamedPicture(canvasContext, CANVAS_RECT,
                             index == FULL_DARK_DISC ? QStringLiteral("COU0") : QStringLiteral("COU6"));
        }
    }
    const int size = index >= FULL_DARK_DISC ? CANVAS_SIZE : pictureSize;
    MakeScaledCopy(squarePictures.pictures[static_cast<size_t>(index)], {0, 0, size, size}, canvas, CANVAS_RECT);
    squarePictures.built[static_cast<size_t>(index)] = true;
}

void BoardView::DrawMarks(platform::DrawingContext* context)
{
    DrawingContextGuard guard(context, gameWindow);
    ForEachMarkCentre([context](int x, int y) {
        // A cross of two five-pixel arms meeting at the centre.
        context->Line(x - 2, y - 2, x + 3, y + 3, MARK_COLOUR);
        context->Line(x - 2, y + 2, x + 3, y - 3, MARK_COLOUR);
    });
}

void BoardView::EraseMarks(platform::DrawingContext* context)
{
    DrawingContextGuard guard(context, gameWindow);
    ForEachMarkCentre([this, context](int x, int y) { context->FillRect({x - 2, y - 2, x + 3, y + 3}, boardColour); });
}

template <typename Action>
void BoardView::ForEachMarkCentre(Action action) const
{
    const BoardPosition& position = gameWindow->displayedPosition;
    const int count = platform::LoadShared(position.moveCount);
    for (int i = 0; i < count && i < 48; ++i) {
        int x = 0, y = 0;
        SquareCentre(platform::LoadShared(position.moves[i]), x, y);
        action(x, y);
    }
}
