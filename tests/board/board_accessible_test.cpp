// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QWidget>

#include "board/board_accessible.h"
#include "tests/game/fake_game.h"

namespace {

namespace code = square_picture;
using engine::NO_MOVE;

// The start position, a 400-pixel board at (30, 20) of a widget of our own,
// and the accessible table of it.
class BoardAccessibleTest : public testing::Test {
protected:
    BoardAccessibleTest()
    {
        game.position.setStartPosition();
        host.setGeometry(50, 60, 460, 440);
        host.show();
        QImage image(460, 440, QImage::Format_RGB32);
        platform::DrawingContext context(image);
        view.Relayout(&context, {30, 20, 430, 420});
    }

    QString Name(int square) const { return board.Cell(square)->text(QAccessible::Name); }
    QPoint Global(int x, int y) const { return host.mapToGlobal(QPoint(x, y)); }

    FakeGame game;
    QWidget host;
    platform::WindowSurface hostSurface{&host};
    BoardView view{game, game.Target(), nullptr};
    AccessibleBoard board{view, game, &host, hostSurface};
};

struct CellCase {
    const char* what;
    int square;
    int pictureCode;  // put on the square of the start position; -1 keeps it
    int lastMove;
    bool marksShown;
    const char* name;
};

class CellNames : public BoardAccessibleTest, public testing::WithParamInterface<CellCase> {};

TEST_P(CellNames, CoordinateContentMarks)
{
    const CellCase& c = GetParam();
    if (c.pictureCode >= 0)
        game.position.squares[c.square] = c.pictureCode;
    game.lastMove = c.lastMove;
    view.marksShown = c.marksShown;
    EXPECT_EQ(Name(c.square), QString::fromUtf8(c.name));
}

INSTANTIATE_TEST_SUITE_P(
    Board, CellNames,
    testing::Values(CellCase{"legal move marked", 19, -1, NO_MOVE, true, "D3, empty, legal move"},
                    CellCase{"marks hidden", 19, -1, NO_MOVE, false, "D3, empty"},
                    CellCase{"no legal move", 20, -1, NO_MOVE, true, "E3, empty"},
                    CellCase{"light disc", 27, -1, NO_MOVE, true, "D4, light disc"},
                    CellCase{"dark disc", 28, -1, NO_MOVE, true, "E4, dark disc"},
                    CellCase{"last move", 34, code::Disc(2), 34, true, "C5, light disc, last move"},
                    CellCase{"last move elsewhere", 34, code::Disc(2), 35, true, "C5, light disc"},
                    CellCase{"top-left corner", 0, -1, NO_MOVE, false, "A1, empty"},
                    CellCase{"bottom-right corner", 63, code::Disc(1), NO_MOVE, false, "H8, dark disc"},
                    // During an animation: the disc that the frame shows.
                    CellCase{"dark disc under the arrow", 19, code::Arrow(1, 5), 19, false, "D3, dark disc"},
                    CellCase{"light disc under the arrow", 19, code::Arrow(2, 15), 19, false, "D3, light disc"},
                    CellCase{"dark face turning", 27, code::FIRST_TURNING + 1, 19, false, "D4, dark disc"},
                    CellCase{"edge-on", 27, code::FIRST_TURNING + 2, 19, false, "D4, turning disc"},
                    CellCase{"light face turning", 27, code::FIRST_TURNING + 4, 19, false, "D4, light disc"}));

TEST_F(BoardAccessibleTest, TableOfEightRowsOfEightCells)
{
    ASSERT_NE(board.tableInterface(), nullptr);
    EXPECT_EQ(board.role(), QAccessible::Table);
    EXPECT_EQ(board.tableInterface()->rowCount(), 8);
    EXPECT_EQ(board.tableInterface()->columnCount(), 8);
    EXPECT_EQ(board.childCount(), 64);
    for (int square = 0; square < 64; ++square) {
        SCOPED_TRACE(square);
        const int row = square / 8, column = square % 8;
        QAccessibleInterface* cell = board.child(square);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell, board.tableInterface()->cellAt(row, column));
        EXPECT_EQ(board.indexOfChild(cell), square);
        EXPECT_EQ(cell->parent(), &board);
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        ASSERT_NE(cell->tableCellInterface(), nullptr);
        EXPECT_EQ(cell->tableCellInterface()->rowIndex(), row);
        EXPECT_EQ(cell->tableCellInterface()->columnIndex(), column);
        EXPECT_EQ(cell->tableCellInterface()->table(), &board);
        EXPECT_TRUE(cell->state().focusable);
        EXPECT_FALSE(cell->state().focused);  // no keyboard cursor
    }
    EXPECT_EQ(board.tableInterface()->cellAt(8, 0), nullptr);
    EXPECT_EQ(board.tableInterface()->cellAt(0, -1), nullptr);
    EXPECT_EQ(board.child(64), nullptr);
    EXPECT_EQ(board.focusChild(), nullptr);
    EXPECT_EQ(board.tableInterface()->columnDescription(0), QStringLiteral("A"));
    EXPECT_EQ(board.tableInterface()->columnDescription(7), QStringLiteral("H"));
    EXPECT_EQ(board.tableInterface()->rowDescription(7), QStringLiteral("8"));
}

// Cells lie where the board view draws their squares, on the screen; a point
// finds the cell a click there would find.
TEST_F(BoardAccessibleTest, CellsLieOnTheirSquaresOnTheScreen)
{
    EXPECT_EQ(board.rect(), QRect(Global(30, 20), QSize(400, 400)));
    // On a 400-pixel board square 0's picture is (L + 4, T + 4)-(L + 44, T + 44).
    EXPECT_EQ(board.Cell(0)->rect(), QRect(Global(34, 24), QSize(40, 40)));
    for (int square : {0, 19, 63})
        EXPECT_EQ(board.Cell(square)->rect(), QRect(view.PictureRect(square).ToQRect()).translated(Global(0, 0)));
    const QPoint inColumn1 = Global(30 + 50, 20 + 10);
    EXPECT_EQ(board.childAt(inColumn1.x(), inColumn1.y()), board.Cell(1));
    const QPoint onLine = Global(30 + 48, 20 + 10);
    EXPECT_EQ(board.childAt(onLine.x(), onLine.y()), nullptr);

    // On a screen of ratio 2 the board's device pixels take half as many
    // logical ones, both ways.
    hostSurface.Resize(QSize(920, 880), 2.0);
    EXPECT_EQ(board.Cell(0)->rect(), QRect(Global(17, 12), QSize(20, 20)));
    const QPoint halfway = Global((30 + 50) / 2, (20 + 10) / 2);
    EXPECT_EQ(board.childAt(halfway.x(), halfway.y()), board.Cell(1));
}

TEST_F(BoardAccessibleTest, NoPlaceBeforeTheFirstLayout)
{
    BoardView fresh(game, game.Target(), nullptr);
    AccessibleBoard unlaid(fresh, game, &host, hostSurface);
    EXPECT_TRUE(unlaid.rect().isNull());
    EXPECT_TRUE(unlaid.Cell(0)->rect().isNull());
    EXPECT_EQ(unlaid.Cell(27)->text(QAccessible::Name), QStringLiteral("D4, light disc"));
}

TEST_F(BoardAccessibleTest, WithoutItsWidgetTheBoardIsGone)
{
    auto widget = std::make_unique<QWidget>();
    const platform::WindowSurface widgetSurface(widget.get());
    AccessibleBoard orphan(view, game, widget.get(), widgetSurface);
    QAccessibleInterface* cell = orphan.Cell(5);
    EXPECT_TRUE(orphan.isValid());
    widget.reset();
    EXPECT_FALSE(orphan.isValid());
    EXPECT_FALSE(cell->isValid());
    EXPECT_EQ(orphan.parent(), nullptr);
}

}  // namespace
