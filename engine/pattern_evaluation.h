// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's estimate of a position: the final disc difference for the
// side to move, as a sum of weights of board patterns and of both sides'
// mobility, fitted by least squares to exact values of positions with 10 to
// 17 empty squares (tools/pattern-training). The exact endgame solver orders
// its moves by it where the subtrees are large; it is not the robot's
// evaluation and never changes the robot's play.
//
// A pattern is a set of squares near the corner a1 or the first row; the
// eight symmetries of the board carry it onto each of its places, and every
// place reads the same weight table: the position is carried by each
// symmetry in turn, and the pattern read at its base squares. A pattern's squares
// read as a base-3 number, 0 an empty square, 1 the mover's disc, 2 the
// opponent's.
#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "engine/bitboard.h"

namespace engine::patterns {

// The board mirrored on the a1-h8 diagonal: three rounds of swapping blocks
// across it (4 x 4, then 2 x 2, then single squares).
constexpr Bitboard transposed(Bitboard b)
{
    Bitboard t = 0x0F0F0F0F00000000ULL & (b ^ (b << 28));
    b ^= t ^ (t >> 28);
    t = 0x3333000033330000ULL & (b ^ (b << 14));
    b ^= t ^ (t >> 14);
    t = 0x5500550055005500ULL & (b ^ (b << 7));
    b ^= t ^ (t >> 7);
    return b;
}

// The board mirrored left to right: the bits of each row reversed.
constexpr Bitboard mirroredColumns(Bitboard b)
{
    b = ((b >> 1) & 0x5555555555555555ULL) | ((b & 0x5555555555555555ULL) << 1);
    b = ((b >> 2) & 0x3333333333333333ULL) | ((b & 0x3333333333333333ULL) << 2);
    return ((b >> 4) & 0x0F0F0F0F0F0F0F0FULL) | ((b & 0x0F0F0F0F0F0F0F0FULL) << 4);
}

// The board carried by symmetry `symmetry` (0..7): transposed if bit 2 is
// set, then mirrored top to bottom if bit 1 is set, then left to right if
// bit 0 is set.
constexpr Bitboard symmetric(Bitboard b, int symmetry)
{
    if (symmetry & 4)
        b = transposed(b);
    if (symmetry & 2)
        b = __builtin_bswap64(b);
    if (symmetry & 1)
        b = mirroredColumns(b);
    return b;
}

enum Pattern {
    EDGE_X,      // the first row and the two squares diagonal to its corners
    CORNER_3X3,  // the 3 x 3 squares of the corner
    CORNER_2X5,  // the first five squares of the first two rows
    ROW_2,
    ROW_3,
    ROW_4,
    DIAGONAL_8,  // a1 to h8
    DIAGONAL_7,  // b1 to h7
    DIAGONAL_6,
    DIAGONAL_5,
    DIAGONAL_4,  // e1 to h4
    PATTERN_COUNT
};

// The base squares of each pattern.
inline constexpr std::array<Bitboard, PATTERN_COUNT> BASE_SQUARES = {
    0x42FFULL,
    0x070707ULL,
    0x1F1FULL,
    0xFF00ULL,
    0xFF0000ULL,
    0xFF000000ULL,
    0x8040201008040201ULL,
    0x0080402010080402ULL,
    0x0000804020100804ULL,
    0x0000008040201008ULL,
    0x0000000080402010ULL,
};

constexpr int squareCount(Bitboard b)
{
    int count = 0;
    for (; b; b &= b - 1)
        ++count;
    return count;
}

constexpr int powerOfThree(int exponent)
{
    int power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 3;
    return power;
}

// The symmetries that carry each pattern onto its distinct places, one bit
// each: those whose images of the base squares differ from all the earlier
// ones' (the others read the same squares again).
inline constexpr std::array<int, PATTERN_COUNT> SYMMETRIES = [] {
    std::array<int, PATTERN_COUNT> used{};
    for (int pattern = 0; pattern < PATTERN_COUNT; ++pattern) {
        Bitboard seen[8] = {};
        int count = 0;
        for (int symmetry = 0; symmetry < 8; ++symmetry) {
            // The squares of the original board that the carried board's base squares show.
            Bitboard place = 0;
            for (int square = 0; square < 64; ++square) {
                if (symmetric(squareBit(square), symmetry) & BASE_SQUARES[pattern])
                    place |= squareBit(square);
            }
            bool fresh = true;
            for (int i = 0; i < count; ++i)
                fresh = fresh && seen[i] != place;
            if (fresh) {
                seen[count++] = place;
                used[pattern] |= 1 << symmetry;
            }
        }
    }
    return used;
}();

// Where each pattern's weights start in the weight table, and its size.
inline constexpr std::array<int, PATTERN_COUNT + 1> PATTERN_OFFSETS = [] {
    std::array<int, PATTERN_COUNT + 1> offsets{};
    for (int pattern = 0; pattern < PATTERN_COUNT; ++pattern)
        offsets[pattern + 1] = offsets[pattern] + powerOfThree(squareCount(BASE_SQUARES[pattern]));
    return offsets;
}();

// After the patterns: a weight for each number of moves of the mover, then
// of the opponent (counts above the last share its weight), then a constant.
inline constexpr int MOBILITY_SIZE = 32;
inline constexpr int OWN_MOBILITY_OFFSET = PATTERN_OFFSETS[PATTERN_COUNT];
inline constexpr int OTHER_MOBILITY_OFFSET = OWN_MOBILITY_OFFSET + MOBILITY_SIZE;
inline constexpr int CONSTANT_OFFSET = OTHER_MOBILITY_OFFSET + MOBILITY_SIZE;
inline constexpr int WEIGHT_COUNT = CONSTANT_OFFSET + 1;
// The weights are stored as int8 in this many parts of a disc.
inline constexpr int WEIGHT_UNITS = 8;

// The base-3 number whose digit i is bit i of `bits`.
inline constexpr auto TERNARY = [] {
    std::array<uint16_t, 1024> ternary{};
    for (int bits = 0; bits < 1024; ++bits) {
        int value = 0;
        for (int i = 9; i >= 0; --i)
            value = 3 * value + (bits >> i & 1);
        ternary[bits] = static_cast<uint16_t>(value);
    }
    return ternary;
}();

// The base squares of `pattern` in `b`, one bit a square in the pattern's order.
template <int Pattern>
constexpr unsigned gathered(Bitboard b)
{
    if constexpr (Pattern == EDGE_X)
        return static_cast<unsigned>((b & 0xFF) | ((b >> 1) & 0x100) | ((b >> 5) & 0x200));
    else if constexpr (Pattern == CORNER_3X3)
        return static_cast<unsigned>((b & 7) | ((b >> 5) & 0x38) | ((b >> 10) & 0x1C0));
    else if constexpr (Pattern == CORNER_2X5)
        return static_cast<unsigned>((b & 0x1F) | ((b >> 3) & 0x3E0));
    else if constexpr (Pattern >= ROW_2 && Pattern <= ROW_4)
        return static_cast<unsigned>(b >> (8 * (Pattern - ROW_2 + 1))) & 0xFF;
    else
        // A diagonal holds one square of each of its columns: the product
        // gathers them into the top byte, bit c the square of column c.
        return static_cast<unsigned>(((b & BASE_SQUARES[Pattern]) * COLUMN_A) >> (56 + Pattern - DIAGONAL_8));
}

// The index of `pattern` at its base squares, within the pattern's weights.
template <int Pattern>
constexpr int patternIndex(Bitboard mover, Bitboard opponent)
{
    return TERNARY[gathered<Pattern>(mover)] + 2 * TERNARY[gathered<Pattern>(opponent)];
}

// The same with the pattern chosen at run time, for the training tool.
int patternIndexOf(int pattern, Bitboard mover, Bitboard opponent);

// The eight images of `b`, in symmetry order, sharing the work between them.
constexpr std::array<Bitboard, 8> images(Bitboard b)
{
    const Bitboard t = transposed(b);
    const Bitboard v = __builtin_bswap64(b);
    const Bitboard tv = __builtin_bswap64(t);
    return {b, mirroredColumns(b), v, mirroredColumns(v), t, mirroredColumns(t), tv, mirroredColumns(tv)};
}

namespace detail {

template <int Symmetry, int P, typename Visit>
constexpr void visitPlace(Bitboard mover, Bitboard opponent, Visit& visit)
{
    if constexpr (SYMMETRIES[P] >> Symmetry & 1)
        visit(PATTERN_OFFSETS[P] + patternIndex<P>(mover, opponent));
}

template <int Symmetry, typename Visit, int... P>
constexpr void visitImage(Bitboard mover, Bitboard opponent, Visit& visit, std::integer_sequence<int, P...>)
{
    (visitPlace<Symmetry, P>(mover, opponent, visit), ...);
}

template <typename Visit, int... S>
constexpr void visitImages(const std::array<Bitboard, 8>& mover, const std::array<Bitboard, 8>& opponent, Visit& visit,
                           std::integer_sequence<int, S...>)
{
    (visitImage<S>(mover[S], opponent[S], visit, std::make_integer_sequence<int, PATTERN_COUNT>{}), ...);
}

}  // namespace detail

// Calls visit(weightIndex) for every pattern place of the position: the
// weight table's index of the pattern read there. Unrolled at compile time
// over the symmetries and patterns.
template <typename Visit>
constexpr void forEachPatternWeight(Bitboard mover, Bitboard opponent, Visit&& visit)
{
    detail::visitImages(images(mover), images(opponent), visit, std::make_integer_sequence<int, 8>{});
}

// The estimate for `mover`, in WEIGHT_UNITS parts of a disc, given both
// sides' numbers of legal moves.
int evaluate(Bitboard mover, Bitboard opponent, int moverMoves, int opponentMoves);

}  // namespace engine::patterns
