// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/game_history.h"

#include <algorithm>

using engine::NO_MOVE;

void GameHistory::Begin(const engine::BoardPosition& start)
{
    Begin(engine::GameRecord(start));
    present_ = 0;
}

void GameHistory::Begin(const engine::GameRecord& record)
{
    record_ = record;
    // A record that comes from outside the game tells nobody's kind: its
    // moves count as a human's, so that Undo can step through them.
    byHuman_.assign(static_cast<size_t>(record.size()), true);
    present_ = record.size();
    exists_ = true;
}

void GameHistory::End()
{
    record_ = engine::GameRecord();
    byHuman_.clear();
    present_ = 0;
    exists_ = false;
}

bool GameHistory::Play(int move, bool byHuman)
{
    if (!exists_)
        return false;
    engine::GameRecord played = record_;
    played.truncate(present_);
    if (!played.append(move))
        return false;
    record_ = std::move(played);
    byHuman_.resize(static_cast<size_t>(present_));
    byHuman_.push_back(byHuman);
    ++present_;
    return true;
}

int GameHistory::UndoTarget() const
{
    for (int ply = present_ - 1; ply >= 0; --ply)
        if (byHuman_[static_cast<size_t>(ply)])
            return ply;
    return -1;
}

int GameHistory::RedoTarget() const
{
    if (present_ >= record_.size())
        return -1;
    for (int ply = present_ + 1; ply < record_.size(); ++ply)
        if (byHuman_[static_cast<size_t>(ply)])
            return ply;
    return record_.size();
}

int GameHistory::UndoDepth() const
{
    return static_cast<int>(std::count(byHuman_.begin(), byHuman_.begin() + present_, true));
}

void GameHistory::MoveTo(int ply)
{
    present_ = std::clamp(ply, 0, record_.size());
}

void GameHistory::CutAt(int ply)
{
    MoveTo(ply);
    record_.truncate(present_);
    byHuman_.resize(static_cast<size_t>(present_));
}

int GameHistory::LastMoveAt(int ply) const
{
    return ply > 0 && ply <= record_.size() ? record_.moves()[static_cast<size_t>(ply - 1)] : NO_MOVE;
}

bool GameHistory::RobotPassedAt(int ply) const
{
    return ply > 0 && ply <= record_.size() && record_.moves()[static_cast<size_t>(ply - 1)] == NO_MOVE &&
           !byHuman_[static_cast<size_t>(ply - 1)];
}
