// SPDX-License-Identifier: GPL-3.0-or-later
// The board: green ground, grid, dots, bevelled frame, the picture of every
// square, the legal-move marks, and the mapping of a click to a square. It
// shows the game it is handed and reports clicked squares; whether a click
// is a move is the game's business.
#pragma once

#include <QColor>
#include <cstdint>
#include <functional>
#include <optional>

#include "board/drawing_context_guard.h"
#include "board/pictures.h"
#include "engine/board_position.h"
#include "game/game_state.h"
#include "game/square_picture.h"
#include "platform/drawing_context.h"
#include "platform/geometry.h"

class BoardView {
public:
    // One prepared picture per square picture code from 1 up.
    static constexpr int PICTURE_COUNT = square_picture::HIGHEST_CODE;

    // Told the square of every click that lands on one.
    using SquareClicked = std::function<void(int square)>;

    BoardView(const GameState& game, DrawingTarget target, SquareClicked squareClicked);

    // Takes the board rectangle, in device pixels of a screen of `ratio`, and
    // the sizes and colours that follow from it, and drops every prepared
    // picture. Called under the drawing lock.
    void Relayout(platform::DrawingContext* context, const platform::Rect& boardRect, qreal ratio = 1.0);
    // Builds one prepared picture that is not built yet, so that the first
    // move after a layout finds every picture ready; false once all are.
    // Called under the drawing lock.
    bool PrepareNextPicture();
    // Draws the whole board without the marks.
    void PaintBoard(platform::DrawingContext* context);
    // The board and, when shown, the marks.
    void Repaint(platform::DrawingContext* context);
    // Draws one square from its code in the game.
    void DrawSquare(platform::DrawingContext* context, int square);
    void SetMarksShown(bool shown);
    // Large marks: crosses about a third of a square across, their arms as
    // thick as the square's size asks; otherwise the small crosses. Shown
    // marks are drawn again at the new size.
    void SetLargeMarks(bool large);
    // A left click at device pixel (x, y) of the client area: hides the
    // keyboard cursor if the click lands on the board, and reports the square
    // under it, if any.
    void HandleClick(int x, int y);
    // The square under device pixel (x, y), or NO_MOVE on a grid line,
    // outside the board, or before the first layout.
    int SquareAt(int x, int y) const;

    const platform::Rect& BoardRect() const { return boardRect_; }
    // The device pixel ratio of the last layout.
    qreal Ratio() const { return ratio_; }
    // The picture rectangle of a square, and the centre where its mark goes.
    platform::Rect PictureRect(int square) const;
    void SquareCentre(int square, int& x, int& y) const;
    // The square box that the legal-move mark of a square covers.
    platform::Rect MarkRect(int square) const;
    // Whether the square carries a legal-move mark now.
    bool ShowsMark(int square) const { return marksShown && game_.IsListedMove(square); }
    // Draws the marks again, with the value of each move where the game
    // knows it, or without; nothing while the marks are hidden.
    void RedrawMarks();
    // The plate on which a move's value is shown instead of its cross,
    // centred in the square's picture.
    platform::Rect PlateRect(int square) const;

    // The part of a square between the grid lines.
    platform::Rect SquareRect(int square) const;
    // The keyboard cursor's frame on a square: the pixels inside `outer` and
    // outside `inner`; both are empty where the square leaves no room.
    void CursorFrame(int square, platform::Rect& outer, platform::Rect& inner) const;

    // --- The keyboard cursor (window thread) ---
    // A frame around one square's picture, in the margin between the picture
    // and the grid lines, so that nothing drawn on the square touches it.
    // NO_MOVE while hidden.
    int KeyboardCursor() const { return keyboardCursor_; }
    // Told the cursor's square whenever the cursor appears, moves or
    // disappears (NO_MOVE then).
    void SetKeyboardCursorObserver(std::function<void(int square)> observer);
    // While hidden: shows the cursor on the last move, or on square 27 before
    // any move. Otherwise moves it by the steps, stopping at the edges.
    void MoveKeyboardCursor(int rowStep, int columnStep);
    void HideKeyboardCursor();

    // --- The hint's disc (window thread) ---
    // The plain disc of `side` on the square, whatever the square holds.
    void DrawDisc(platform::DrawingContext* context, int square, int side);
    // The square's picture rectangle as the game shows it: the ground, the
    // square's picture and, while the marks are shown, its legal-move mark.
    void RestoreSquare(platform::DrawingContext* context, int square);

    QColor boardColour;
    int lineWidth = 0;
    int pictureSize = -1;
    PictureCache<PICTURE_COUNT> squarePictures;
    bool marksShown = false;

private:
    void DrawSquarePicture(platform::DrawingContext* context, const platform::Rect& r, int code);
    void BuildSquarePicture(platform::DrawingContext* context, int code);
    void DrawMarks(platform::DrawingContext* context);
    // One legal-move mark, in its box.
    void DrawMark(platform::DrawingContext* context, const platform::Rect& box) const;
    // The mark of one move to play: its value on a plate when the game knows
    // it, the highest value of all standing out, else the cross.
    void DrawMarkOn(platform::DrawingContext* context, int square);
    void DrawValuePlate(platform::DrawingContext* context, int square, int value, bool best);
    // The highest value of the moves to play that the game knows.
    std::optional<int> BestMoveValue() const;
    // How many diagonals side by side make one arm of the cross.
    int MarkStroke() const;
    void EraseMarks(platform::DrawingContext* context);
    // The four dots where the second and sixth grid lines cross.
    void DrawDots(platform::DrawingContext* context);
    // The bare board within `area` of one square: the ground and any part of
    // a dot, exactly as the whole board was painted.
    void PaintGround(platform::DrawingContext* context, const platform::Rect& area);
    void SetKeyboardCursor(int square);
    // Draws the keyboard cursor's frame on a square, or paints the ground
    // over it again.
    void DrawCursorFrame(platform::DrawingContext* context, int square, bool shown);
    // Calls action(box) with the mark box of every legal move of the side to
    // move.
    template <typename Action>
    void ForEachMarkRect(Action action) const;

    const GameState& game_;
    const DrawingTarget target_;
    const SquareClicked squareClicked_;
    platform::Rect boardRect_;
    int keyboardCursor_ = engine::NO_MOVE;
    std::function<void(int square)> keyboardCursorObserver_;
    qreal ratio_ = 1.0;
    bool largeMarks_ = false;
    // The squares that show a value plate, which erasing the marks covers.
    uint64_t platesDrawn_ = 0;
};
