// SPDX-License-Identifier: GPL-3.0-or-later
// The board as assistive technology sees it: a table of 8 rows and 8 columns
// whose cells name their square, what it shows and what marks it ("D3, empty,
// legal move", "E4, dark disc", "C5, light disc, last move"). Columns are A
// to H from the left, rows 1 to 8 from the top. The board is drawn, not a
// widget, so the table and its cells are interfaces of their own, placed in
// the widget the board is drawn in; the cell under the keyboard cursor is the
// focused one.
#pragma once

#include <QAccessible>
#include <QString>
#include <array>

#include "board/board_view.h"
#include "board/drawn_accessible.h"
#include "game/game_state.h"

// "A1" to "H8".
QString SquareCoordinate(int square);

class AccessibleBoard : public DrawnAccessible, public QAccessibleTableInterface {
public:
    // The board that `view` draws of `game` in `host`, whose back buffer
    // `surface` places the board's device pixels on the screen.
    AccessibleBoard(const BoardView& view, const GameState& game, QWidget* host,
                    const platform::WindowSurface& surface);
    // Drops the cells it handed out.
    ~AccessibleBoard() override;
    AccessibleBoard(const AccessibleBoard&) = delete;
    AccessibleBoard& operator=(const AccessibleBoard&) = delete;

    // The cell of a square, made on first use and kept.
    QAccessibleInterface* Cell(int square) const;
    // What the cell of `square` reads, from what the board shows now. During
    // an animation a square reads as the disc its frame shows: the disc
    // under the arrow, the dark or light face of a disc turning over, and
    // "turning disc" for the edge-on frame.
    QString CellName(int square) const;
    // A square's rectangle in screen coordinates.
    QRect SquareRect(int square) const;
    const BoardView& View() const { return view_; }

    // QAccessibleInterface: 64 cells.
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface: 8 by 8, nothing to select.
    QAccessibleInterface* caption() const override;
    QAccessibleInterface* summary() const override;
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    const BoardView& view_;
    const GameState& game_;
    // Registered with Qt's accessibility cache, which owns them; removed
    // from it by the destructor.
    mutable std::array<QAccessible::Id, 64> cells_{};
};
