// The board: green ground, grid, dots, bevelled frame, the picture of every
// square, the legal-move marks, and the mapping of a click to a square. It
// shows the game it is handed and reports clicked squares; whether a click
// is a move is the game's business.
#pragma once

#include <QColor>
#include <functional>

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
    // Draws the whole board without the marks.
    void PaintBoard(platform::DrawingContext* context);
    // The board and, when shown, the marks.
    void Repaint(platform::DrawingContext* context);
    // Draws one square from its code in the game.
    void DrawSquare(platform::DrawingContext* context, int square);
    void SetMarksShown(bool shown);
    // A left click at device pixel (x, y) of the client area: reports the
    // square under it, if any.
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

    // The square of the keyboard cursor, NO_MOVE while it is hidden.
    int KeyboardCursor() const { return keyboardCursor_; }
    // Told the cursor's square (NO_MOVE when it goes) whenever the cursor
    // appears, moves or disappears.
    void SetKeyboardCursorObserver(std::function<void(int square)> observer);

    QColor boardColour;
    int lineWidth = 0;
    int pictureSize = -1;
    PictureCache<PICTURE_COUNT> squarePictures;
    bool marksShown = false;

private:
    // Until keyboard play moves the cursor, the tests move it (TestSeam).
    friend class TestSeam;

    void DrawSquarePicture(platform::DrawingContext* context, const platform::Rect& r, int code);
    void BuildSquarePicture(platform::DrawingContext* context, int code);
    void DrawMarks(platform::DrawingContext* context);
    void EraseMarks(platform::DrawingContext* context);
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
};
