// SPDX-License-Identifier: GPL-3.0-or-later
// The board as two 64-bit sets, one bit a square (bit n is square n, so bit
// 0 is a1 and bit 63 is h8): the legal moves of a side and the discs a move
// turns, computed on whole sets at once. The exact endgame solver works on
// these; the robot keeps its BoardPosition.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "engine/board_position.h"
#include "engine/squares.h"

namespace engine {

using Bitboard = uint64_t;

constexpr Bitboard squareBit(int square)
{
    return Bitboard{1} << square;
}

// Every square but those of columns a and h.
inline constexpr Bitboard INNER_COLUMNS = 0x7E7E7E7E7E7E7E7EULL;
inline constexpr Bitboard CORNERS = 0x8100000000000081ULL;

// The discs of `side` (1 or 2) in `position`.
inline Bitboard discsOf(const BoardPosition& position, int side)
{
    Bitboard discs = 0;
    for (int square = 0; square < 64; ++square) {
        if (position.squares[square] == side)
            discs |= squareBit(square);
    }
    return discs;
}

namespace detail {

// The squares reached from every bit of `mover` by one or more steps of
// `shift` across a run of `opponent` discs in `run` (the opponent discs that
// may lie inside a run in this direction), one step past the run's end.
// `b` moved by `Shift` square numbers; bits moved off the board are lost.
template <int Shift>
constexpr Bitboard shifted(Bitboard b)
{
    if constexpr (Shift > 0)
        return b << Shift;
    else
        return b >> -Shift;
}

// The squares reached from every bit of `mover` by steps of `Shift` across a
// run of one or more discs of `run` (the opponent discs that may lie inside
// a run in this direction), one step past the run's end.
template <int Shift>
constexpr Bitboard movesAlong(Bitboard mover, Bitboard run)
{
    // Runs of up to six discs: one step, one step, then two steps twice over
    // pairs of run squares.
    Bitboard reached = run & shifted<Shift>(mover);
    reached |= run & shifted<Shift>(reached);
    const Bitboard pairs = run & shifted<Shift>(run);
    reached |= pairs & shifted<2 * Shift>(reached);
    reached |= pairs & shifted<2 * Shift>(reached);
    return shifted<Shift>(reached);
}

// For each square, the squares beyond it in each of the eight directions up
// to the edge, nearest first in bit order for the directions that add to the
// square number (index 0 to 3: +1, +7, +8, +9) and last for the others
// (index 4 to 7: -1, -7, -8, -9).
struct Ray {
    int rowStep;
    int columnStep;
};
inline constexpr std::array<Ray, 8> RAY_DIRECTIONS = {
    {{0, 1}, {1, -1}, {1, 0}, {1, 1}, {0, -1}, {-1, 1}, {-1, 0}, {-1, -1}}};

inline constexpr auto RAYS = [] {
    std::array<std::array<Bitboard, 64>, 8> rays{};
    for (int direction = 0; direction < 8; ++direction) {
        for (int square = 0; square < 64; ++square) {
            Bitboard ray = 0;
            int row = rowOf(square) + RAY_DIRECTIONS[direction].rowStep;
            int column = columnOf(square) + RAY_DIRECTIONS[direction].columnStep;
            while (onBoard(row, column)) {
                ray |= squareBit(squareAt(row, column));
                row += RAY_DIRECTIONS[direction].rowStep;
                column += RAY_DIRECTIONS[direction].columnStep;
            }
            rays[direction][square] = ray;
        }
    }
    return rays;
}();

}  // namespace detail

// The squares where `mover` may play against `opponent`.
constexpr Bitboard legalMoves(Bitboard mover, Bitboard opponent)
{
    const Bitboard inner = opponent & INNER_COLUMNS;
    const Bitboard moves = detail::movesAlong<1>(mover, inner) | detail::movesAlong<-1>(mover, inner) |
                           detail::movesAlong<8>(mover, opponent) | detail::movesAlong<-8>(mover, opponent) |
                           detail::movesAlong<7>(mover, inner) | detail::movesAlong<-7>(mover, inner) |
                           detail::movesAlong<9>(mover, inner) | detail::movesAlong<-9>(mover, inner);
    return moves & ~(mover | opponent);
}

// The opponent discs that a disc of `mover` on the empty `square` turns;
// none if the move is not legal.
constexpr Bitboard flips(Bitboard mover, Bitboard opponent, int square)
{
    Bitboard turned = 0;
    // Up the square numbers the nearest square that is not an opponent disc
    // is the lowest set bit; the run before it turns if it is the mover's.
    for (int direction = 0; direction < 4; ++direction) {
        const Bitboard ray = detail::RAYS[direction][square];
        const Bitboard stops = ray & ~opponent;
        const Bitboard nearest = stops & (0 - stops);
        if (nearest & mover)
            turned |= ray & (nearest - 1);
    }
    // Down the square numbers it is the highest set bit. With no stop at all
    // the run reaches the edge and turns nothing; bit 0 stands in for the
    // stop then, and is either off the ray or an opponent disc.
    for (int direction = 4; direction < 8; ++direction) {
        const Bitboard ray = detail::RAYS[direction][square];
        const Bitboard stops = ray & ~opponent;
        const Bitboard nearest = Bitboard{1} << (63 - std::countl_zero(stops | 1));
        if (nearest & mover & ray)
            turned |= ray & (0 - (nearest << 1));
    }
    return turned;
}

}  // namespace engine
