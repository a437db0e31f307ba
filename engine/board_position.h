// SPDX-License-Identifier: GPL-3.0-or-later
// The board position of a game of Reversi and the rules that change it,
// plus the packed score by which the robot ranks positions.
#pragma once

#include <cstdint>

#include "engine/squares.h"

namespace engine {

// The move that places no disc (a pass); also "no square".
inline constexpr int32_t NO_MOVE = -1;
// Values of sideToMove that are not a colour.
inline constexpr int32_t GAME_OVER = -1;
inline constexpr int32_t NO_GAME = -2;

// The most legal moves a position can list.
inline constexpr int MAX_MOVES = 48;

// A score from colour 1's point of view:
// 0x414141 + 65536 * stable difference + 256 * mobility difference + disc difference.
using PackedScore = int32_t;
inline constexpr PackedScore LOWEST_SCORE = 0;
inline constexpr PackedScore HIGHEST_SCORE = 0x828282;

// The discs one move turns, in the order in which the animation shows them.
struct Captures {
    int32_t runLength[8];  // discs turned in each of DIRECTIONS, 0 where that direction captures nothing
    int32_t squares[64];   // every turned square, direction by direction, each run from next to the move outwards
    int32_t count;         // entries used in squares
};

// One whole game state. A flat record of 32-bit fields that is copied freely;
// nothing in it allocates.
struct BoardPosition {
    int32_t discCount1;
    int32_t discCount2;
    int32_t moves[MAX_MOVES];  // legal squares of the side to move, ascending
    int32_t moveCount;
    int32_t sideToMove;   // 1, 2, GAME_OVER or NO_GAME
    int32_t squares[64];  // 0 empty, 1 or 2 a disc of that colour

    BoardPosition();

    void clear();
    void setStartPosition();
    bool isLegalMove(int square) const;
    void regenerateMoves();
    void applyMove(int square);
    void finishMove();
    void copyAndApply(const BoardPosition& source, int square);
    // The discs that `square` would turn for the side to move; nothing for
    // NO_MOVE or a square off the board. Exactly what applyMove turns.
    Captures capturesOf(int square) const;

    PackedScore evaluate(int parentMoveCount) const;
    PackedScore finalScore() const;
};

// The work record of one stability analysis.
struct StableDiscs {
    int32_t list[64];
    uint8_t isStable[64];
    int32_t stableCount1;
    int32_t stableCount2;
    int32_t listLength;

    StableDiscs();
    void mark(int square, int colour);
};

}  // namespace engine
