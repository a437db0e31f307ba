// SPDX-License-Identifier: GPL-3.0-or-later
// The exact endgame solver: the final disc difference that perfect play of
// both sides reaches from a position, and that of every move. It searches the
// whole game tree to the end on bitboards (engine/bitboard.h) and is separate
// from the robot, whose play it never changes.
//
// Values are disc differences at the end of the game from the point of view
// of the side to move (or of the mover, for a move): its discs minus the
// opponent's, where the empty squares left at the end go to the winner; a
// drawn game is 0 however many squares stay empty.
//
// Every call owns its transposition table, so any number of solves may run
// on different threads at once. Each polls `cancelled`; once it is set the
// solve returns promptly and its result is meaningless (and is empty,
// NO_MOVE or 0 when the flag is set on entry). `nodes`, if given, receives
// the number of positions searched.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/board_position.h"

namespace engine {

struct MoveValue {
    int32_t square;  // the move, or NO_MOVE
    int value;       // the exact final disc difference after it, for the side that plays it
};

// The copies of the search, each compiled with the instructions it may use:
// every solve runs the fastest one this processor can run, and tests compare
// them.
enum class SolverCopy { Portable, Popcount, Avx2 };
bool canRun(SolverCopy copy);
SolverCopy fastestCopy();

// Every legal move of the side to move with its exact value, best first;
// equal values keep move-list (ascending square) order. Empty when the side
// has no legal move or when cancelled. `copy` falls back to a slower one
// where it cannot run.
std::vector<MoveValue> solveMoves(const BoardPosition& position, const std::atomic<bool>& cancelled,
                                  uint64_t* nodes = nullptr, SolverCopy copy = fastestCopy());

// A best move and its exact value only, found with null-window searches,
// faster than solveMoves. Among equally good moves it returns the first one
// the search tries. Square NO_MOVE when the side to move has no legal move
// or when cancelled.
MoveValue solveBest(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes = nullptr);

// A move of the best exact value and that value, the first in ascending
// square order among equally good moves (as solveMoves would list it),
// found with null-window searches, faster than solveMoves. Square NO_MOVE
// when the side to move has no legal move or when cancelled.
MoveValue solveHint(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes = nullptr);

// The exact value of the position for the side to move; a side in the pass
// state passes first. A finished game (or no game) has no side to move: its
// value is the final difference for colour 1.
int solveValue(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes = nullptr);

// The game solves exactly at or below this many empty squares.
inline constexpr int EXACT_HINT_EMPTIES = 20;

}  // namespace engine
