// SPDX-License-Identifier: GPL-3.0-or-later
// The board as two 64-bit sets, one bit a square (bit n is square n, so bit
// 0 is a1 and bit 63 is h8): the legal moves of a side and the discs a move
// turns, computed on whole sets at once. The exact endgame solver works on
// these; the robot keeps its BoardPosition.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "engine/board_position.h"
#include "engine/squares.h"

// GCC on x86-64 compiles copies of the exact search for processors with
// more than the baseline instructions (engine/solver.cpp).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define ENGINE_X86_64_COPIES 1
#include <immintrin.h>
#else
#define ENGINE_X86_64_COPIES 0
#endif

namespace engine {

using Bitboard = uint64_t;

constexpr Bitboard squareBit(int square)
{
    return Bitboard{1} << square;
}

// Every square but those of columns a and h.
inline constexpr Bitboard INNER_COLUMNS = 0x7E7E7E7E7E7E7E7EULL;
inline constexpr Bitboard CORNERS = 0x8100000000000081ULL;
inline constexpr Bitboard COLUMN_A = 0x0101010101010101ULL;
inline constexpr Bitboard COLUMN_H = 0x8080808080808080ULL;
inline constexpr Bitboard ROW_1 = 0x00000000000000FFULL;
inline constexpr Bitboard ROW_8 = 0xFF00000000000000ULL;

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

// The discs of a line of up to eight squares, one bit a square (bit i the
// i-th square of the line), are turned by a move at position `at` of the
// line through two tables. OUTFLANK[at][opponent's inner six squares] holds
// the squares just past the run of opponent discs on either side of `at`
// (where the run is at least one disc long); of those, the ones the mover
// holds close a run, and FLIPPED[at][closing squares] holds the squares
// between `at` and them.
struct LineTables {
    uint8_t outflank[8][64];
    uint8_t flipped[8][256];
};
inline constexpr LineTables LINE_TABLES = [] {
    LineTables tables{};
    for (int at = 0; at < 8; ++at) {
        for (int inner = 0; inner < 64; ++inner) {
            const int opponent = inner << 1;
            int up = at + 1;
            while (up < 8 && (opponent >> up & 1))
                ++up;
            int down = at - 1;
            while (down >= 0 && (opponent >> down & 1))
                --down;
            int outflank = 0;
            if (up > at + 1 && up < 8)
                outflank |= 1 << up;
            if (down < at - 1 && down >= 0)
                outflank |= 1 << down;
            tables.outflank[at][inner] = static_cast<uint8_t>(outflank);
        }
        for (int closing = 0; closing < 256; ++closing) {
            int between = 0;
            for (int square = 0; square < 8; ++square) {
                if (!(closing >> square & 1))
                    continue;
                for (int k = std::min(square, at) + 1; k < std::max(square, at); ++k)
                    between |= 1 << k;
            }
            tables.flipped[at][closing] = static_cast<uint8_t>(between);
        }
    }
    return tables;
}();

// The number of discs a move at `at` turns on a line where that square is
// the only empty one, indexed by the mover's byte: the opponent holds every
// other square.
// Squares beyond the end of a shorter line read as the opponent's there,
// which closes no run: a run that reaches them turns nothing, as at the
// line's end.
inline constexpr auto LAST_FLIP_COUNTS = [] {
    std::array<std::array<uint8_t, 256>, 8> counts{};
    for (int at = 0; at < 8; ++at) {
        for (int mover = 0; mover < 256; ++mover) {
            const int opponent = ~mover & ~(1 << at) & 0xFF;
            const int closing = LINE_TABLES.outflank[at][(opponent >> 1) & 63] & mover;
            counts[at][mover] = static_cast<uint8_t>(std::popcount(unsigned{LINE_TABLES.flipped[at][closing]}));
        }
    }
    return counts;
}();

// The squares of the line of column a whose bits are those of a byte (bit r
// the square of row r).
inline constexpr auto COLUMN_OF_BYTE = [] {
    std::array<Bitboard, 256> columns{};
    for (int byte = 0; byte < 256; ++byte) {
        for (int row = 0; row < 8; ++row) {
            if (byte >> row & 1)
                columns[byte] |= squareBit(squareAt(row, 0));
        }
    }
    return columns;
}();

// The two diagonals through each square: down-right (a1 to h8) and up-right
// (a8 to h1). A diagonal holds one square of each of its columns, so
// multiplying its discs by COLUMN_A gathers them into the top byte, bit c
// the square of column c; multiplying a byte by COLUMN_A and masking with
// the diagonal puts it back.
struct DiagonalMasks {
    Bitboard down[64];
    Bitboard up[64];
};
inline constexpr DiagonalMasks DIAGONAL_MASKS = [] {
    DiagonalMasks masks{};
    for (int square = 0; square < 64; ++square) {
        for (int other = 0; other < 64; ++other) {
            if (columnOf(other) - rowOf(other) == columnOf(square) - rowOf(square))
                masks.down[square] |= squareBit(other);
            if (columnOf(other) + rowOf(other) == columnOf(square) + rowOf(square))
                masks.up[square] |= squareBit(other);
        }
    }
    return masks;
}();

// Gathers column a (bit 8r) into the top byte (bit 56 + r).
inline constexpr Bitboard COLUMN_GATHER = 0x0102040810204080ULL;

// The discs turned on one line given the line's mover and opponent bytes.
constexpr unsigned flippedOnLine(unsigned mover, unsigned opponent, int at)
{
    return LINE_TABLES.flipped[at][LINE_TABLES.outflank[at][(opponent >> 1) & 63] & mover];
}

// The bytes of the four lines through a square, gathered as flips does.
constexpr unsigned rowByte(Bitboard b, int square)
{
    return static_cast<unsigned>(b >> (square & 56)) & 0xFF;
}
constexpr unsigned columnByte(Bitboard b, int square)
{
    return static_cast<unsigned>((((b >> (square & 7)) & COLUMN_A) * COLUMN_GATHER) >> 56);
}
constexpr unsigned diagonalByte(Bitboard b, Bitboard diagonal)
{
    return static_cast<unsigned>(((b & diagonal) * COLUMN_A) >> 56);
}

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

#if ENGINE_X86_64_COPIES
// legalMoves with AVX2, for processors that have it: the four directions
// towards higher squares (1, 8, 9 and 7 apart) are the four lanes of a
// vector, and the four towards lower squares are the same lanes shifted
// the other way, with the same steps as movesAlong.
[[gnu::target("avx2"), gnu::always_inline]] inline Bitboard legalMovesAvx2(Bitboard mover, Bitboard opponent)
{
    const __m256i shift = _mm256_set_epi64x(7, 9, 8, 1);
    const __m256i doubled = _mm256_add_epi64(shift, shift);
    const auto inner = static_cast<long long>(opponent & INNER_COLUMNS);
    const __m256i run = _mm256_set_epi64x(inner, inner, static_cast<long long>(opponent), inner);
    const __m256i own = _mm256_set1_epi64x(static_cast<long long>(mover));
    __m256i up = _mm256_and_si256(run, _mm256_sllv_epi64(own, shift));
    __m256i down = _mm256_and_si256(run, _mm256_srlv_epi64(own, shift));
    up = _mm256_or_si256(up, _mm256_and_si256(run, _mm256_sllv_epi64(up, shift)));
    down = _mm256_or_si256(down, _mm256_and_si256(run, _mm256_srlv_epi64(down, shift)));
    const __m256i pairsUp = _mm256_and_si256(run, _mm256_sllv_epi64(run, shift));
    const __m256i pairsDown = _mm256_and_si256(run, _mm256_srlv_epi64(run, shift));
    for (int twice = 0; twice < 2; ++twice) {
        up = _mm256_or_si256(up, _mm256_and_si256(pairsUp, _mm256_sllv_epi64(up, doubled)));
        down = _mm256_or_si256(down, _mm256_and_si256(pairsDown, _mm256_srlv_epi64(down, doubled)));
    }
    const __m256i moves = _mm256_or_si256(_mm256_sllv_epi64(up, shift), _mm256_srlv_epi64(down, shift));
    __m128i folded = _mm_or_si128(_mm256_castsi256_si128(moves), _mm256_extracti128_si256(moves, 1));
    folded = _mm_or_si128(folded, _mm_unpackhi_epi64(folded, folded));
    return static_cast<Bitboard>(_mm_cvtsi128_si64(folded)) & ~(mover | opponent);
}

namespace detail {
// The squares from each square along the four directions towards higher
// squares (steps 1, 8, 9 and 7, one lane each, as in legalMovesAvx2) up to
// the edge, and along the same directions backwards.
struct Rays {
    alignas(32) Bitboard up[64][4];
    alignas(32) Bitboard down[64][4];
};
inline constexpr Rays RAYS = [] {
    Rays rays{};
    constexpr int ROW_STEP[4] = {0, 1, 1, 1};
    constexpr int COLUMN_STEP[4] = {1, 0, 1, -1};
    for (int square = 0; square < 64; ++square) {
        for (int lane = 0; lane < 4; ++lane) {
            for (int sign : {1, -1}) {
                Bitboard ray = 0;
                int row = rowOf(square) + sign * ROW_STEP[lane];
                int column = columnOf(square) + sign * COLUMN_STEP[lane];
                for (; row >= 0 && row < 8 && column >= 0 && column < 8;
                     row += sign * ROW_STEP[lane], column += sign * COLUMN_STEP[lane])
                    ray |= squareBit(squareAt(row, column));
                (sign > 0 ? rays.up : rays.down)[square][lane] = ray;
            }
        }
    }
    return rays;
}();
}  // namespace detail

// flips with AVX2: the eight rays from the square are two vectors of four.
// Along a ray, the discs turned are the opponent's run from the square up
// to the nearest square that is not the opponent's, where that square is
// the mover's. Towards higher squares the nearest is the lowest set bit of
// the ray's other squares; towards lower ones it is the one that no other
// lies beyond, found by spreading them along the ray. Like legalMovesAvx2
// it is always inlined, so only code compiled for AVX2 may call it.
[[gnu::target("avx2"), gnu::always_inline]] inline Bitboard flipsAvx2(Bitboard mover, Bitboard opponent, int square)
{
    const __m256i own = _mm256_set1_epi64x(static_cast<long long>(mover));
    const __m256i other = _mm256_set1_epi64x(static_cast<long long>(opponent));
    const __m256i zero = _mm256_setzero_si256();
    const __m256i up = _mm256_load_si256(reinterpret_cast<const __m256i*>(detail::RAYS.up[square]));
    const __m256i down = _mm256_load_si256(reinterpret_cast<const __m256i*>(detail::RAYS.down[square]));

    __m256i others = _mm256_andnot_si256(other, up);
    __m256i nearest = _mm256_and_si256(others, _mm256_sub_epi64(zero, others));
    __m256i run = _mm256_and_si256(_mm256_add_epi64(nearest, _mm256_set1_epi64x(-1)), up);
    __m256i open = _mm256_cmpeq_epi64(_mm256_and_si256(nearest, own), zero);
    __m256i turned = _mm256_andnot_si256(open, run);

    const __m256i step = _mm256_set_epi64x(7, 9, 8, 1);
    others = _mm256_andnot_si256(other, down);
    __m256i beyond = _mm256_srlv_epi64(others, step);
    beyond = _mm256_or_si256(beyond, _mm256_srlv_epi64(beyond, step));
    beyond = _mm256_or_si256(beyond, _mm256_srlv_epi64(beyond, _mm256_add_epi64(step, step)));
    beyond = _mm256_or_si256(beyond, _mm256_srlv_epi64(beyond, _mm256_slli_epi64(step, 2)));
    nearest = _mm256_andnot_si256(beyond, others);
    run = _mm256_andnot_si256(_mm256_or_si256(beyond, others), down);
    open = _mm256_cmpeq_epi64(_mm256_and_si256(nearest, own), zero);
    turned = _mm256_or_si256(turned, _mm256_andnot_si256(open, run));

    __m128i folded = _mm_or_si128(_mm256_castsi256_si128(turned), _mm256_extracti128_si256(turned, 1));
    folded = _mm_or_si128(folded, _mm_unpackhi_epi64(folded, folded));
    return static_cast<Bitboard>(_mm_cvtsi128_si64(folded));
}
#endif

// The opponent discs that a disc of `mover` on the empty `square` turns;
// none if the move is not legal. Each of the four lines through the square
// is gathered into a byte, looked up, and spread back.
[[gnu::always_inline]] constexpr Bitboard flips(Bitboard mover, Bitboard opponent, int square)
{
    using namespace detail;
    const int row = rowOf(square);
    const int column = columnOf(square);
    const Bitboard down = DIAGONAL_MASKS.down[square];
    const Bitboard up = DIAGONAL_MASKS.up[square];
    Bitboard turned = Bitboard{flippedOnLine(rowByte(mover, square), rowByte(opponent, square), column)} << (8 * row);
    turned |= COLUMN_OF_BYTE[flippedOnLine(columnByte(mover, square), columnByte(opponent, square), row)] << column;
    turned |= (Bitboard{flippedOnLine(diagonalByte(mover, down), diagonalByte(opponent, down), column)} * COLUMN_A) &
              down;
    turned |= (Bitboard{flippedOnLine(diagonalByte(mover, up), diagonalByte(opponent, up), column)} * COLUMN_A) & up;
    return turned;
}

// The number of discs flips(mover, opponent, square) would turn where
// `square` is the only empty square of the board, so the opponent holds all
// the others: only the mover's discs need gathering.
[[gnu::always_inline]] constexpr int lastFlipCount(Bitboard mover, int square)
{
    using namespace detail;
    const int row = rowOf(square);
    const int column = columnOf(square);
    return LAST_FLIP_COUNTS[column][rowByte(mover, square)] + LAST_FLIP_COUNTS[row][columnByte(mover, square)] +
           LAST_FLIP_COUNTS[column][diagonalByte(mover, DIAGONAL_MASKS.down[square])] +
           LAST_FLIP_COUNTS[column][diagonalByte(mover, DIAGONAL_MASKS.up[square])];
}
}  // namespace engine
