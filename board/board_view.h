// The board: green ground, grid, dots, bevelled frame, the picture of every
// square, the legal-move marks, and the mapping of a click to a square.
#pragma once

#include <QColor>

#include "board/pictures.h"
#include "platform/drawing_context.h"
#include "platform/geometry.h"

class BoardView {
public:
    // Number of prepared square pictures (codes 1 to 43).
    static constexpr int PICTURE_COUNT = 43;

    BoardView();

    // Takes the sizes and colours for the window's current board rectangle
    // and drops every prepared picture. Called under the drawing lock.
    void Relayout(platform::DrawingContext* context);
    // Draws the whole board without the marks.
    void PaintBoard(platform::DrawingContext* context);
    // The board and, when shown, the marks.
    void Repaint(platform::DrawingContext* context);
    // Draws one square from its code in the displayed position.
    void DrawSquare(platform::DrawingContext* context, int square);
    void SetMarksShown(bool shown);
    // A left click at client point (x, y).
    void HandleClick(int x, int y);
    // The square under client point (x, y), or NO_MOVE on a grid line or
    // outside the board.
    int SquareAt(int x, int y) const;

    // The picture rectangle of a square, and the centre where its mark goes.
    platform::Rect PictureRect(int square) const;
    void SquareCentre(int square, int& x, int& y) const;

    QColor boardColour;
    int lineWidth = 0;
    int pictureSize = -1;
    PictureCache<PICTURE_COUNT> squarePictures;
    bool marksShown = false;

private:
    void DrawSquarePicture(platform::DrawingContext* context, const platform::Rect& r, int index);
    void BuildSquarePicture(platform::DrawingContext* context, int index);
    void DrawMarks(platform::DrawingContext* context);
    void EraseMarks(platform::DrawingContext* context);
    // Calls action(x, y) with the centre of every legal move of the side to move.
    template <typename Action>
    void ForEachMarkCentre(Action action) const;
};
