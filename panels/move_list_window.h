// SPDX-License-Identifier: GPL-3.0-or-later
// The game's moves in a window of their own beside the game window: a first
// row for the position the game started from, then one numbered row for
// each move of the dark side with the light side's reply ("1. f5 d6"), a
// pass written as such. It shows the record it is handed, keeps the row of
// the position on the board current and in view, and reports the rows a
// player chooses while the game may be looked back over.
#pragma once

#include <QWidget>

#include "engine/game_record.h"

class QListWidget;
class QPushButton;

class MoveListWindow : public QWidget {
    Q_OBJECT

public:
    // A window that belongs to `owner`, hidden until shown.
    explicit MoveListWindow(QWidget* owner);

    // Shows the first `plies` moves of `record`, the row of the position
    // after `shownPly` moves current. While `browsable`, a row chosen by a
    // click or a key reports its position (PlyChosen); otherwise the current
    // row follows the game alone. `canContinue` enables "Continue from Here".
    void ShowRecord(const engine::GameRecord& record, int plies, int shownPly, bool browsable, bool canContinue);

    // The number of moves after which a row's position stands, and the row
    // that holds the move after which `ply` moves stand.
    int PlyOfRow(int row) const;
    int RowOfPly(int ply) const;

    QListWidget* List() const { return list_; }
    QPushButton* ContinueButton() const { return continueButton_; }

    // Puts the window beside `owner`, on its right if the screen has room
    // there, else on its left, as tall as `owner`.
    void PlaceBeside(const QWidget& owner);

signals:
    void PlyChosen(int ply);
    void ContinueRequested();
    // The window has been shown or hidden (also by its close button).
    void VisibilityChanged(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void OnCurrentRowChanged(int row);
    // Makes `row` current and keeps it in view, reporting nothing.
    void SetCurrentRow(int row);

    QListWidget* list_;
    QPushButton* continueButton_;
    int plies_ = 0;
    // 1 when the record starts with the light side to move: its first row
    // then holds no dark move.
    int lightFirst_ = 0;
    int currentRow_ = 0;
    bool browsable_ = false;
    bool updating_ = false;
};
