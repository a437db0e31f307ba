// SPDX-License-Identifier: GPL-3.0-or-later
// The record of the game being played: every move and pass since the game
// began, who made it, and how far the game has got. Undo moves the present
// back to the moment at which a human last moved or passed; the moves it
// took back stay after the present, for Redo, until a new move is played.
#pragma once

#include <vector>

#include "engine/game_record.h"

class GameHistory {
public:
    // Starts a record from `start`, with nothing played yet.
    void Begin(const engine::BoardPosition& start);
    // Starts a record that has already been played through to its end.
    void Begin(const engine::GameRecord& record);
    // No game, no record.
    void End();
    bool Exists() const { return exists_; }

    // Every move recorded, those after the present included.
    const engine::GameRecord& Record() const { return record_; }
    // How many moves of the record the game has played.
    int Present() const { return present_; }
    engine::BoardPosition PresentPosition() const { return record_.positionAt(present_); }

    // Records `move` (a square or NO_MOVE) as the next move after the
    // present, dropping the moves that could have been redone. False, and
    // nothing changes, when the move cannot come next.
    bool Play(int move, bool byHuman);

    // Where Undo goes: the last moment before the present at which a human
    // moved or passed; -1 when there is none.
    int UndoTarget() const;
    // Where Redo goes: the next moment after the present at which a human
    // moved or passed, or the end of the record; -1 when nothing was undone.
    int RedoTarget() const;
    // How many moments an undo can go back to.
    int UndoDepth() const;
    // Makes `ply` the present, keeping the moves after it for Redo.
    void MoveTo(int ply);
    // Makes `ply` the present and drops the moves after it.
    void CutAt(int ply);

    // The square of the last disc placed `ply` moves into the game, NO_MOVE
    // at the start and after a pass.
    int LastMoveAt(int ply) const;
    // Whether the move that led to `ply` was a robot's pass.
    bool RobotPassedAt(int ply) const;

private:
    engine::GameRecord record_;
    std::vector<bool> byHuman_;
    int present_ = 0;
    bool exists_ = false;
};
