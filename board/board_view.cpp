// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board_view.h"

#include <algorithm>

#include "engine/board_position.h"
#include "platform/resources.h"

using engine::BoardPosition;
using engine::NO_MOVE;

namespace {

using engine::NO_MOVE;
namespace code = square_picture;

constexpr int CANVAS_SIZE = 120;
// The 113 x 113 arrow and hub pictures sit 4 pixels in from the canvas's
// left and top edges.
constexpr platform::Rect OVERLAY_RECT{4, 4, 117, 117};
// The legal-move cross: two arms five pixels across, one pixel thick.
constexpr int MARK_SIZE = 5;
// The large cross spans about a third of the square's pitch, its arms about
// a tenth of their length thick.
constexpr int LARGE_MARK_PARTS = 3;
constexpr int LARGE_STROKE_PARTS = 10;
// A move's value plate: fifteen sixteenths of the square's picture wide and
// ten sixteenths high; light, or gold for the best move.
constexpr int PLATE_WIDTH_SIXTEENTHS = 15;
constexpr int PLATE_HEIGHT_SIXTEENTHS = 10;
const QColor PLATE_COLOUR{0xF5, 0xF2, 0xE6};
const QColor BEST_PLATE_COLOUR{0xFF, 0xCC, 0x33};
const QColor VALUE_TEXT_COLOUR{0x10, 0x10, 0x10};
const QColor LOSS_TEXT_COLOUR{0x8A, 0x10, 0x10};

// Where a square picture is composed: the canvas and the place of the arrow
// or hub on it. The pictures drawn at double resolution go on a canvas of
// twice the size, at twice the offsets.
struct Canvas {
    bool doubleResolution;
    int size;
    platform::Rect rect;
    platform::Rect overlay;
};
Canvas CanvasFor(qreal ratio)
{
    const bool doubled = platform::UsesDoubleResolution(ratio);
    const int k = doubled ? 2 : 1;
    const platform::Rect& o = OVERLAY_RECT;
    return {doubled,
            k * CANVAS_SIZE,
            {0, 0, k * CANVAS_SIZE, k * CANVAS_SIZE},
            {k * o.left, k * o.top, k * o.right, k * o.bottom}};
}

const QColor BOARD_GREEN(0x69, 0xBD, 0x8C);
const QColor LINE_COLOUR(0x26, 0x27, 0x26);
const QColor MARK_COLOUR(0x00, 0x00, 0x00);
// The keyboard cursor's frame: a strong blue, which no picture of the board
// uses, dark against the green ground and the light disc and bright against
// the dark disc.
const QColor CURSOR_COLOUR(0x10, 0x40, 0xFF);
// Where the keyboard cursor appears before any move has been made.
constexpr int FIRST_CURSOR_SQUARE = 27;

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

// The named picture that a code draws over its disc or ground.
QString TurningPictureName(int pictureCode)
{
    return QStringLiteral("COU%1").arg(pictureCode - code::FIRST_TURNING + 1);
}
QString ArrowPictureName(int pictureCode)
{
    return QStringLiteral("ARROW%1").arg(code::ArrowFrame(pictureCode) + 1, 2, 10, QLatin1Char('0'));
}

}  // namespace

BoardView::BoardView(const GameState& game, DrawingTarget target, SquareClicked squareClicked)
    : boardColour(BOARD_GREEN), game_(game), target_(target), squareClicked_(std::move(squareClicked))
{
}

void BoardView::Relayout([[maybe_unused]] platform::DrawingContext* context, const platform::Rect& boardRect,
                         qreal ratio)
{
    boardRect_ = boardRect;
    ratio_ = ratio;
    const int width = boardRect.Width();
    lineWidth = width / 160 <= 1 ? 1 : width / 160;
    pictureSize = (width + lineWidth) / 10;
    boardColour = platform::DrawingContext::Nearest(BOARD_GREEN);
    squarePictures.DiscardAll();
}

bool BoardView::PrepareNextPicture()
{
    if (pictureSize <= 0)
        return false;  // no layout yet
    for (int pictureCode = 1; pictureCode <= PICTURE_COUNT; ++pictureCode) {
        if (!squarePictures.built[static_cast<size_t>(code::PictureIndex(pictureCode))]) {
            BuildSquarePicture(nullptr, pictureCode);
            return true;
        }
    }
    return false;
}

void BoardView::PaintBoard(platform::DrawingContext* context)
{
    DrawingContextGuard guard(context, target_);
    platesDrawn_ = 0;  // painted over
    const platform::Rect board = boardRect_;
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

    DrawDots(context);

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
        if (game_.SquareCode(square) != code::EMPTY)
            DrawSquare(context, square);
    if (keyboardCursor_ != NO_MOVE)
        DrawCursorFrame(context, keyboardCursor_, true);
}

void BoardView::DrawDots(platform::DrawingContext* context)
{
    // The four dots where the second and sixth lines cross, each spreading r
    // pixels beyond the line.
    const platform::Rect board = boardRect_;
    const int t = lineWidth;
    const int pitch = board.Width() + t;
    const int rowPitch = board.Height() + t;
    const int r = board.Width() / 80;
    const QColor lineColour = platform::DrawingContext::Nearest(LINE_COLOUR);
    const int dotX[2] = {board.left + pitch / 4, board.left + (3 * pitch) / 4};
    const int dotY[2] = {board.top + rowPitch / 4, board.top + (3 * rowPitch) / 4};
    for (int y : dotY)
        for (int x : dotX)
            context->Ellipse({x - t - r, y - t - r, x + r, y + r}, lineColour, lineColour);
}

void BoardView::PaintGround(platform::DrawingContext* context, const platform::Rect& area)
{
    // A dot may reach into a square, so it is drawn again, clipped to the area.
    context->SetClip(area);
    context->FillRect(area, boardColour);
    DrawDots(context);
    context->ClearClip();
}

void BoardView::Repaint(platform::DrawingContext* context)
{
    DrawingContextGuard guard(context, target_);
    PaintBoard(context);
    if (marksShown)
        DrawMarks(context);
}

void BoardView::DrawSquare(platform::DrawingContext* context, int square)
{
    DrawingContextGuard guard(context, target_);
    int pictureCode = game_.SquareCode(square);
    if (pictureCode == code::EMPTY)
        return;
    // The disc of the last move carries the hub of the arrow.
    if (code::IsDisc(pictureCode) && square == game_.LastMove())
        pictureCode = code::WithLastMoveMark(pictureCode);
    if (pictureCode >= 1 && pictureCode <= code::HIGHEST_CODE)
        DrawSquarePicture(context, PictureRect(square), pictureCode);
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

void BoardView::SetLargeMarks(bool large)
{
    if (large == largeMarks_)
        return;
    const bool shown = marksShown;
    SetMarksShown(false);
    largeMarks_ = large;
    SetMarksShown(shown);
}

int BoardView::SquareAt(int x, int y) const
{
    const platform::Rect board = boardRect_;
    if (lineWidth == 0 || !board.Contains(x, y))
        return NO_MOVE;
    const int pitch = board.Width() + lineWidth;
    // Rounds up, so a point is given the column whose end it lies before.
    const int column = (8 * (x - board.left) + 7) / pitch;
    const int row = (8 * (y - board.top) + 7) / pitch;
    const bool onLine = x >= board.left + ((column + 1) * pitch) / 8 - lineWidth ||
                        y >= board.top + ((row + 1) * pitch) / 8 - lineWidth;
    return onLine ? NO_MOVE : engine::squareAt(row, column);
}

void BoardView::HandleClick(int x, int y)
{
    if (boardRect_.Contains(x, y))
        HideKeyboardCursor();
    const int square = SquareAt(x, y);
    if (square != NO_MOVE && squareClicked_)
        squareClicked_(square);
}

platform::Rect BoardView::SquareRect(int square) const
{
    const platform::Rect board = boardRect_;
    const int pitch = board.Width() + lineWidth;
    const int column = engine::columnOf(square), row = engine::rowOf(square);
    return {board.left + (column * pitch) / 8, board.top + (row * pitch) / 8,
            board.left + ((column + 1) * pitch) / 8 - lineWidth, board.top + ((row + 1) * pitch) / 8 - lineWidth};
}

platform::Rect BoardView::PictureRect(int square) const
{
    const platform::Rect board = boardRect_;
    const int pitch = board.Width() + lineWidth;
    const int column = engine::columnOf(square), row = engine::rowOf(square);
    const int x = board.left + ((column * pitch) / 8 + ((column + 1) * pitch) / 8 - lineWidth - pictureSize) / 2;
    const int y = board.top + ((row * pitch) / 8 + ((row + 1) * pitch) / 8 - lineWidth - pictureSize) / 2;
    return {x, y, x + pictureSize, y + pictureSize};
}

void BoardView::SquareCentre(int square, int& x, int& y) const
{
    const platform::Rect board = boardRect_;
    const int pitch = board.Width() + lineWidth;
    const int column = engine::columnOf(square), row = engine::rowOf(square);
    x = board.left + ((column * pitch) / 8 + ((column + 1) * pitch) / 8 - lineWidth) / 2;
    y = board.top + ((row * pitch) / 8 + ((row + 1) * pitch) / 8 - lineWidth) / 2;
}

void BoardView::CursorFrame(int square, platform::Rect& outer, platform::Rect& inner) const
{
    const platform::Rect cell = SquareRect(square);
    const platform::Rect picture = PictureRect(square);
    // The frame keeps the same distance from the picture on every side, as
    // much as the narrowest side of the margin allows, and is about as thick
    // as a grid line.
    const int margin = std::min(
        {picture.left - cell.left, picture.top - cell.top, cell.right - picture.right, cell.bottom - picture.bottom});
    if (lineWidth == 0 || margin < 1) {
        outer = inner = {};
        return;
    }
    const int thickness = std::min(margin, lineWidth + 1);
    outer = {picture.left - margin, picture.top - margin, picture.right + margin, picture.bottom + margin};
    inner = {outer.left + thickness, outer.top + thickness, outer.right - thickness, outer.bottom - thickness};
}

void BoardView::DrawCursorFrame(platform::DrawingContext* context, int square, bool shown)
{
    platform::Rect outer, inner;
    CursorFrame(square, outer, inner);
    if (outer.IsEmpty())
        return;
    const platform::Rect bars[4] = {{outer.left, outer.top, outer.right, inner.top},
                                    {outer.left, inner.bottom, outer.right, outer.bottom},
                                    {outer.left, inner.top, inner.left, inner.bottom},
                                    {inner.right, inner.top, outer.right, inner.bottom}};
    for (const platform::Rect& bar : bars) {
        if (shown)
            context->FillRect(bar, platform::DrawingContext::Nearest(CURSOR_COLOUR));
        else
            PaintGround(context, bar);
    }
}

void BoardView::SetKeyboardCursorObserver(std::function<void(int square)> observer)
{
    keyboardCursorObserver_ = std::move(observer);
}

void BoardView::MoveKeyboardCursor(int rowStep, int columnStep)
{
    if (keyboardCursor_ == NO_MOVE) {
        const int last = game_.LastMove();
        SetKeyboardCursor(last != NO_MOVE ? last : FIRST_CURSOR_SQUARE);
        return;
    }
    const int row = std::clamp(engine::rowOf(keyboardCursor_) + rowStep, 0, 7);
    const int column = std::clamp(engine::columnOf(keyboardCursor_) + columnStep, 0, 7);
    SetKeyboardCursor(engine::squareAt(row, column));
}

void BoardView::HideKeyboardCursor()
{
    SetKeyboardCursor(NO_MOVE);
}

void BoardView::SetKeyboardCursor(int square)
{
    if (square == keyboardCursor_)
        return;
    {
        platform::DrawingContext* context = nullptr;
        DrawingContextGuard guard(context, target_);
        if (keyboardCursor_ != NO_MOVE)
            DrawCursorFrame(context, keyboardCursor_, false);
        if (square != NO_MOVE)
            DrawCursorFrame(context, square, true);
        keyboardCursor_ = square;
    }
    if (keyboardCursorObserver_)
        keyboardCursorObserver_(square);
}

void BoardView::DrawDisc(platform::DrawingContext* context, int square, int side)
{
    DrawingContextGuard guard(context, target_);
    if (lineWidth == 0)
        return;
    DrawSquarePicture(context, PictureRect(square), code::Disc(side));
}

void BoardView::RestoreSquare(platform::DrawingContext* context, int square)
{
    DrawingContextGuard guard(context, target_);
    if (lineWidth == 0)
        return;
    PaintGround(context, PictureRect(square));
    DrawSquare(context, square);
    if (ShowsMark(square))
        DrawMarkOn(context, square);
}

platform::Rect BoardView::MarkRect(int square) const
{
    int x = 0, y = 0;
    SquareCentre(square, x, y);
    int size = platform::ScaledLength(MARK_SIZE, ratio_);
    // A large cross of an odd size, so that it is centred on a pixel like
    // the small one; it stays well inside the square's picture, where a
    // hint's disc and its restoring cover it.
    if (largeMarks_)
        size = std::max(size, ((boardRect_.Width() + lineWidth) / 8 / LARGE_MARK_PARTS) | 1);
    const int left = x - (size - 1) / 2, top = y - (size - 1) / 2;
    return {left, top, left + size, top + size};
}

void BoardView::DrawSquarePicture(platform::DrawingContext* context, const platform::Rect& r, int pictureCode)
{
    const auto index = static_cast<size_t>(code::PictureIndex(pictureCode));
    if (!squarePictures.built[index])
        BuildSquarePicture(context, pictureCode);
    CopyPicture(*context, r, squarePictures.pictures[index]);
}

void BoardView::BuildSquarePicture([[maybe_unused]] platform::DrawingContext* context, int pictureCode)
{
    // Raster operations need a 32-bit RGB target, which is also the format of
    // the window's back buffer, so the result copies 1:1.
    const Canvas c = CanvasFor(ratio_);
    QImage canvas(c.size, c.size, QImage::Format_RGB32);
    {
        platform::DrawingContext canvasContext(canvas);
        platform::DrawingContext* canvasPointer = &canvasContext;
        const int side = code::SideOf(pictureCode);
        if (code::IsFullSizeDisc(pictureCode)) {
            canvasContext.FillRect(c.rect, boardColour);
            DrawNamedPicture(canvasContext, c.rect, side == 1 ? QStringLiteral("COU0") : QStringLiteral("COU6"),
                             c.doubleResolution);
        } else if (code::IsTurning(pictureCode)) {
            canvasContext.FillRect(c.rect, boardColour);
            DrawNamedPicture(canvasContext, c.rect, TurningPictureName(pictureCode), c.doubleResolution);
        } else {
            // Every other picture is a full-size disc, maybe with an overlay.
            DrawSquarePicture(canvasPointer, c.rect, code::FullSizeDisc(side));
            if (code::IsArrow(pictureCode))
                DrawNamedPicture(canvasContext, c.overlay, ArrowPictureName(pictureCode), c.doubleResolution);
            else if (code::IsLastMoveMark(pictureCode))
                DrawNamedPicture(canvasContext, c.overlay, QStringLiteral("CENTER"), c.doubleResolution);
        }
    }
    const int size = code::IsFullSizeDisc(pictureCode) ? c.size : pictureSize;
    const auto index = static_cast<size_t>(code::PictureIndex(pictureCode));
    MakeScaledCopy(squarePictures.pictures[index], {0, 0, size, size}, canvas, c.rect);
    squarePictures.built[index] = true;
}

void BoardView::DrawMarks(platform::DrawingContext* context)
{
    DrawingContextGuard guard(context, target_);
    const int count = game_.MoveCount();
    for (int i = 0; i < count && i < engine::MAX_MOVES; ++i)
        DrawMarkOn(context, game_.LegalMove(i));
}

void BoardView::DrawMarkOn(platform::DrawingContext* context, int square)
{
    if (const std::optional<int> value = game_.MoveValue(square))
        DrawValuePlate(context, square, *value, value == BestMoveValue());
    else
        DrawMark(context, MarkRect(square));
}

std::optional<int> BoardView::BestMoveValue() const
{
    std::optional<int> best;
    const int count = game_.MoveCount();
    for (int i = 0; i < count && i < engine::MAX_MOVES; ++i)
        if (const std::optional<int> value = game_.MoveValue(game_.LegalMove(i)); value && (!best || *value > *best))
            best = value;
    return best;
}

platform::Rect BoardView::PlateRect(int square) const
{
    const platform::Rect picture = PictureRect(square);
    const int width = picture.Width() * PLATE_WIDTH_SIXTEENTHS / 16;
    const int height = picture.Height() * PLATE_HEIGHT_SIXTEENTHS / 16;
    const int left = picture.left + (picture.Width() - width) / 2;
    const int top = picture.top + (picture.Height() - height) / 2;
    return {left, top, left + width, top + height};
}

void BoardView::DrawValuePlate(platform::DrawingContext* context, int square, int value, bool best)
{
    // A light plate with a dark edge, readable on the green; the best move's
    // plate is gold with a thicker edge. Losses are written in dark red.
    const platform::Rect plate = PlateRect(square);
    const int edge = platform::ScaledLength(best ? 2 : 1, ratio_);
    context->BorderedRect(plate, best ? BEST_PLATE_COLOUR : PLATE_COLOUR, LINE_COLOUR, edge);
    const QString text = value > 0   ? QStringLiteral("+%1").arg(value)
                         : value < 0 ? QStringLiteral("\u2212%1").arg(-value)
                                     : QStringLiteral("0");
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    // As large as the plate holds: most of its height, narrowed for wide figures.
    int size = std::max(1, plate.Height() * 3 / 4);
    font.setPixelSize(size);
    const int room = plate.Width() - 4 * edge;
    const int wide = QFontMetrics(font).horizontalAdvance(text);
    if (wide > room && room > 0) {
        size = std::max(1, size * room / wide);
        font.setPixelSize(size);
    }
    const QFontMetrics metrics(font);
    const int x = plate.left + (plate.Width() - metrics.horizontalAdvance(text)) / 2;
    const int y = plate.top + (plate.Height() - metrics.height()) / 2;
    context->SetClip({plate.left + edge, plate.top + edge, plate.right - edge, plate.bottom - edge});
    context->Text(x, y, text, font, value < 0 ? LOSS_TEXT_COLOUR : VALUE_TEXT_COLOUR);
    context->ClearClip();
    platesDrawn_ |= uint64_t{1} << square;
}

void BoardView::RedrawMarks()
{
    if (!marksShown)
        return;
    platform::DrawingContext* context = nullptr;
    DrawingContextGuard guard(context, target_);
    EraseMarks(context);
    DrawMarks(context);
}

int BoardView::MarkStroke() const
{
    const int small = platform::ScaledLength(1, ratio_);
    if (!largeMarks_)
        return small;
    const int size = MarkRect(0).Width();
    return std::max(small, (size + LARGE_STROKE_PARTS / 2) / LARGE_STROKE_PARTS);
}

void BoardView::DrawMark(platform::DrawingContext* context, const platform::Rect& box) const
{
    // A cross of two arms from corner to corner of the box, meeting at the
    // centre. On a screen of a higher ratio, or when large, the arms are
    // thicker as well as longer: each is `stroke` diagonals side by side,
    // mirrored left to right, every one inside the box. The small cross's
    // diagonals lie beside the corner-to-corner line on one side, as they
    // always have; the large cross's go to either side in turn, so that its
    // thick arms still meet at the centre.
    const int stroke = MarkStroke();
    for (int j = 0; j < stroke; ++j) {
        const int shift = largeMarks_ ? (j % 2 == 1 ? (j + 1) / 2 : -(j / 2)) : j;
        const int up = std::max(shift, 0), down = std::max(-shift, 0);
        context->Line(box.left + up, box.top + down, box.right - down, box.bottom - up, MARK_COLOUR);
        context->Line(box.left + down, box.bottom - 1 - up, box.right - up, box.top - 1 + down, MARK_COLOUR);
    }
}

void BoardView::EraseMarks(platform::DrawingContext* context)
{
    DrawingContextGuard guard(context, target_);
    for (int square = 0; platesDrawn_ != 0 && square < 64; ++square)
        if (platesDrawn_ & (uint64_t{1} << square))
            PaintGround(context, PlateRect(square));
    platesDrawn_ = 0;
    ForEachMarkRect([this, context](const platform::Rect& box) { context->FillRect(box, boardColour); });
}

template <typename Action>
void BoardView::ForEachMarkRect(Action action) const
{
    const int count = game_.MoveCount();
    for (int i = 0; i < count && i < engine::MAX_MOVES; ++i)
        action(MarkRect(game_.LegalMove(i)));
}
