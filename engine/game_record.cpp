// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/game_record.h"

#include <algorithm>

namespace engine {

namespace {

BoardPosition usualStart()
{
    BoardPosition start;
    start.setStartPosition();
    return start;
}

}  // namespace

GameRecord::GameRecord() : GameRecord(usualStart()) {}

GameRecord::GameRecord(const BoardPosition& start) : start_(start), last_(start) {}

BoardPosition GameRecord::positionAt(int ply) const
{
    if (ply >= size())
        return last_;
    BoardPosition position = start_;
    for (int i = 0; i < ply; ++i)
        position.applyMove(moves_[static_cast<size_t>(i)]);
    return position;
}

int GameRecord::moverOf(int ply) const
{
    return positionAt(ply).sideToMove;
}

bool GameRecord::canAppend(int move) const
{
    if (last_.sideToMove < 1)
        return false;
    if (last_.moveCount == 0)
        return move == NO_MOVE;
    return move >= 0 && move < 64 && last_.isLegalMove(move);
}

bool GameRecord::append(int move)
{
    if (!canAppend(move))
        return false;
    moves_.push_back(move);
    last_.applyMove(move);
    return true;
}

void GameRecord::truncate(int ply)
{
    if (ply < 0 || ply >= size())
        return;
    last_ = positionAt(ply);
    moves_.resize(static_cast<size_t>(ply));
}

bool samePosition(const BoardPosition& a, const BoardPosition& b)
{
    return a.sideToMove == b.sideToMove && std::equal(std::begin(a.squares), std::end(a.squares), b.squares);
}

bool operator==(const GameRecord& a, const GameRecord& b)
{
    return samePosition(a.start_, b.start_) && a.moves_ == b.moves_;
}

}  // namespace engine
