// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game as its moves: the position it started from (any position,
// not only the usual start) and every move since, in order, each pass an
// entry of its own (NO_MOVE). Replaying the first n moves from the start
// gives the position after them.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/board_position.h"

namespace engine {

class GameRecord {
public:
    // A game from the usual start.
    GameRecord();
    // A game from `start`, a position with a side to move (1 or 2), in the
    // pass state, or over.
    explicit GameRecord(const BoardPosition& start);

    const BoardPosition& start() const { return start_; }
    const std::vector<int32_t>& moves() const { return moves_; }
    // The number of moves, passes included.
    int size() const { return static_cast<int>(moves_.size()); }
    bool empty() const { return moves_.empty(); }

    // The position after the first `ply` moves (0: the start; clamped to
    // 0 .. size()).
    BoardPosition positionAt(int ply) const;
    // The position after every move.
    const BoardPosition& last() const { return last_; }
    // The side (1 or 2) that made move `ply` (0-based).
    int moverOf(int ply) const;
    bool isOver() const { return last_.sideToMove == GAME_OVER; }

    // Whether `move` may come next: a legal square of the side to move, or
    // NO_MOVE when that side must pass.
    bool canAppend(int move) const;
    // Appends `move` if it may come next; false, and nothing changes,
    // otherwise.
    bool append(int move);
    // Keeps the first `ply` moves and drops the rest.
    void truncate(int ply);

    friend bool operator==(const GameRecord& a, const GameRecord& b);

private:
    BoardPosition start_;
    std::vector<int32_t> moves_;
    BoardPosition last_;
};

// Whether two positions hold the same squares and the same side to move.
bool samePosition(const BoardPosition& a, const BoardPosition& b);

}  // namespace engine
