// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/move_list_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/notation.h"

namespace {

// The width of the list's window, in logical pixels, that shows every row
// at ease, and the least it is narrowed to beside a window that leaves
// little room.
constexpr int PREFERRED_WIDTH = 180;
constexpr int MINIMUM_WIDTH = 120;

QString MoveText(int move)
{
    if (move == engine::NO_MOVE)
        return QCoreApplication::translate("MoveListWindow", "pass");
    return QString::fromStdString(engine::squareName(move));
}

// The text of row `row` (1 up): its number, the dark move and the light
// reply among the first `plies` moves, the dark one shown as "…" when the
// row starts with the light side.
QString RowText(const engine::GameRecord& record, int plies, int lightFirst, int row)
{
    const int dark = 2 * (row - 1) - lightFirst;
    QString text = QStringLiteral("%1.").arg(row);
    for (int ply : {dark, dark + 1}) {
        if (ply >= plies)
            break;
        text += u' ';
        text += ply < 0 ? QStringLiteral("…") : MoveText(record.moves()[static_cast<size_t>(ply)]);
    }
    return text;
}

}  // namespace

MoveListWindow::MoveListWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool), list_(new QListWidget(this)), continueButton_(new QPushButton(this))
{
    //: The title of the window that lists the moves.
    setWindowTitle(tr("Move List"));
    list_->setAccessibleName(tr("Moves"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    continueButton_->setText(tr("&Continue from Here"));
    continueButton_->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(continueButton_);
    connect(list_, &QListWidget::currentRowChanged, this, &MoveListWindow::OnCurrentRowChanged);
    connect(continueButton_, &QPushButton::clicked, this, &MoveListWindow::ContinueRequested);
    resize(PREFERRED_WIDTH, 400);
}

int MoveListWindow::PlyOfRow(int row) const
{
    return row <= 0 ? 0 : std::min(plies_, 2 * row - lightFirst_);
}

int MoveListWindow::RowOfPly(int ply) const
{
    return ply <= 0 ? 0 : (ply - 1 + lightFirst_) / 2 + 1;
}

void MoveListWindow::ShowRecord(const engine::GameRecord& record, int plies, int shownPly, bool browsable,
                                bool canContinue)
{
    updating_ = true;
    plies_ = std::clamp(plies, 0, record.size());
    lightFirst_ = record.start().sideToMove == 2 ? 1 : 0;
    browsable_ = browsable;
    const int rows = 1 + RowOfPly(plies_);
    while (list_->count() > rows)
        delete list_->takeItem(list_->count() - 1);
    //: The first row of the move list: the position the game started from.
    const QString start = tr("Start");
    for (int row = 0; row < rows; ++row) {
        const QString text = row == 0 ? start : RowText(record, plies_, lightFirst_, row);
        if (row < list_->count()) {
            if (list_->item(row)->text() != text)
                list_->item(row)->setText(text);
        } else {
            list_->addItem(text);
        }
    }
    SetCurrentRow(RowOfPly(std::clamp(shownPly, 0, plies_)));
    continueButton_->setEnabled(canContinue);
    updating_ = false;
}

void MoveListWindow::SetCurrentRow(int row)
{
    const bool wasUpdating = updating_;
    updating_ = true;
    currentRow_ = row;
    list_->setCurrentRow(row);
    if (QListWidgetItem* item = list_->item(row))
        list_->scrollToItem(item);
    updating_ = wasUpdating;
}

void MoveListWindow::OnCurrentRowChanged(int row)
{
    if (updating_ || row < 0)
        return;
    if (!browsable_) {
        // While the game runs the list only shows it.
        SetCurrentRow(currentRow_);
        return;
    }
    currentRow_ = row;
    emit PlyChosen(PlyOfRow(row));
}

void MoveListWindow::PlaceBeside(const QWidget& owner)
{
    const QRect frame = owner.frameGeometry();
    const QScreen* screen = owner.screen() != nullptr ? owner.screen() : QGuiApplication::primaryScreen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : frame;
    // On the side with more room, narrowed to fit it where the list still
    // reads well.
    const int decoration = frameGeometry().width() - width();
    const int rightRoom = room.right() - frame.right() - decoration;
    const int leftRoom = frame.left() - room.left() - decoration;
    const int wide = std::clamp(std::max(rightRoom, leftRoom), MINIMUM_WIDTH, PREFERRED_WIDTH);
    resize(wide, std::max(frame.height() - (frameGeometry().height() - height()), minimumSizeHint().height()));
    const int x = rightRoom >= leftRoom ? frame.right() + 1 : frame.left() - wide - decoration;
    move(std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - wide - decoration)), frame.top());
}

// The window system hides and shows a tool window with its owner, as the
// owner is minimised and restored; only the program's own showing and hiding
// (and the close button's) count.
void MoveListWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        emit VisibilityChanged(true);
}

void MoveListWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit VisibilityChanged(false);
}
