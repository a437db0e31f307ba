// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board_accessible.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdlib>

#include "engine/board_position.h"
#include "game/square_picture.h"

namespace {

namespace code = square_picture;
using engine::NO_MOVE;

// The edge-on frame of a disc turning over; the frames before it show the
// dark face, those after it the light one.
constexpr int EDGE_ON = code::FIRST_TURNING + code::TURNING_STEPS / 2;

// What a square shows, in words.
QString Content(int pictureCode)
{
    if (pictureCode == code::EMPTY)
        return QCoreApplication::translate("AccessibleBoard", "empty");
    int side = 0;
    if (code::IsTurning(pictureCode)) {
        if (pictureCode == EDGE_ON)
            return QCoreApplication::translate("AccessibleBoard", "turning disc");
        side = pictureCode < EDGE_ON ? 1 : 2;
    } else {
        side = code::SideOf(pictureCode);
    }
    return side == 1 ? QCoreApplication::translate("AccessibleBoard", "dark disc")
                     : QCoreApplication::translate("AccessibleBoard", "light disc");
}

// One square of the board table.
class AccessibleCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    AccessibleCell(const AccessibleBoard& board, int square) : board_(board), square_(square) {}

    bool isValid() const override { return board_.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_.window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return const_cast<AccessibleBoard*>(&board_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? board_.CellName(square_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return board_.SquareRect(square_); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = board_.View().KeyboardCursor() == square_;
        state.readOnly = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return engine::columnOf(square_); }
    int rowIndex() const override { return engine::rowOf(square_); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const AccessibleBoard& board_;
    const int square_;
};

}  // namespace

QString SquareCoordinate(int square)
{
    return QString(QChar(u'A' + engine::columnOf(square))) + QString::number(engine::rowOf(square) + 1);
}

AccessibleBoard::AccessibleBoard(const BoardView& view, const GameState& game, QWidget* host,
                                 const platform::WindowSurface& surface)
    : DrawnAccessible(host, surface), view_(view), game_(game)
{
}

AccessibleBoard::~AccessibleBoard()
{
    for (QAccessible::Id id : cells_)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* AccessibleBoard::Cell(int square) const
{
    if (square < 0 || square >= 64)
        return nullptr;
    QAccessible::Id& id = cells_[static_cast<size_t>(square)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new AccessibleCell(*this, square));
    return QAccessible::accessibleInterface(id);
}

QString AccessibleBoard::CellName(int square) const
{
    const int pictureCode = game_.SquareCode(square);
    QStringList parts{SquareCoordinate(square), Content(pictureCode)};
    // The marks as the board draws them: the hub on the disc of the last
    // move, the crosses on the legal moves while they are shown.
    if (code::IsDisc(pictureCode) && square == game_.LastMove())
        parts << QCoreApplication::translate("AccessibleBoard", "last move");
    else if (pictureCode == code::EMPTY && view_.ShowsMark(square)) {
        parts << QCoreApplication::translate("AccessibleBoard", "legal move");
        if (const std::optional<int> value = game_.MoveValue(square)) {
            //: A legal move's exact value: the final disc difference it leads to.
            parts << (*value > 0   ? QCoreApplication::translate("AccessibleBoard", "value plus %1")
                      : *value < 0 ? QCoreApplication::translate("AccessibleBoard", "value minus %1")
                                   : QCoreApplication::translate("AccessibleBoard", "value %1"))
                         .arg(std::abs(*value));
        }
    }
    return parts.join(QStringLiteral(", "));
}

QRect AccessibleBoard::SquareRect(int square) const
{
    if (view_.lineWidth == 0)
        return {};
    return OnScreen(view_.PictureRect(square).ToQRect());
}

QAccessibleInterface* AccessibleBoard::focusChild() const
{
    return Cell(view_.KeyboardCursor());
}

QAccessibleInterface* AccessibleBoard::childAt(int x, int y) const
{
    if (!HasHost())
        return nullptr;
    const QPoint device = FromScreen(QPoint(x, y));
    return Cell(view_.SquareAt(device.x(), device.y()));
}

QAccessibleInterface* AccessibleBoard::child(int index) const
{
    return Cell(index);
}

int AccessibleBoard::childCount() const
{
    return 64;
}

int AccessibleBoard::indexOfChild(const QAccessibleInterface* child) const
{
    if (child == nullptr)
        return -1;
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    for (size_t square = 0; square < cells_.size(); ++square)
        if (cells_[square] == id)
            return static_cast<int>(square);
    return -1;
}

QString AccessibleBoard::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? QCoreApplication::translate("AccessibleBoard", "Board") : QString();
}

QRect AccessibleBoard::rect() const
{
    if (view_.lineWidth == 0)
        return {};
    return OnScreen(view_.BoardRect().ToQRect());
}

QAccessible::Role AccessibleBoard::role() const
{
    return QAccessible::Table;
}

void* AccessibleBoard::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
}

QAccessibleInterface* AccessibleBoard::caption() const
{
    return nullptr;
}
QAccessibleInterface* AccessibleBoard::summary() const
{
    return nullptr;
}
QAccessibleInterface* AccessibleBoard::cellAt(int row, int column) const
{
    if (row < 0 || row >= 8 || column < 0 || column >= 8)
        return nullptr;
    return Cell(engine::squareAt(row, column));
}
int AccessibleBoard::selectedCellCount() const
{
    return 0;
}
QList<QAccessibleInterface*> AccessibleBoard::selectedCells() const
{
    return {};
}
QString AccessibleBoard::columnDescription(int column) const
{
    return QString(QChar(u'A' + column));
}
QString AccessibleBoard::rowDescription(int row) const
{
    return QString::number(row + 1);
}
int AccessibleBoard::selectedColumnCount() const
{
    return 0;
}
int AccessibleBoard::selectedRowCount() const
{
    return 0;
}
int AccessibleBoard::columnCount() const
{
    return 8;
}
int AccessibleBoard::rowCount() const
{
    return 8;
}
QList<int> AccessibleBoard::selectedColumns() const
{
    return {};
}
QList<int> AccessibleBoard::selectedRows() const
{
    return {};
}
bool AccessibleBoard::isColumnSelected(int) const
{
    return false;
}
bool AccessibleBoard::isRowSelected(int) const
{
    return false;
}
bool AccessibleBoard::selectRow(int)
{
    return false;
}
bool AccessibleBoard::selectColumn(int)
{
    return false;
}
bool AccessibleBoard::unselectRow(int)
{
    return false;
}
bool AccessibleBoard::unselectColumn(int)
{
    return false;
}
void AccessibleBoard::modelChange(QAccessibleTableModelChangeEvent*) {}
