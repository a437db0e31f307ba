// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <bit>

#include "engine/bitboard.h"
#include "engine/pattern_evaluation.h"
#include "engine/solver.h"
#include "positions.h"

namespace {

using engine::Bitboard;
namespace patterns = engine::patterns;

int evaluationOf(Bitboard mover, Bitboard opponent)
{
    return patterns::evaluate(mover, opponent, std::popcount(engine::legalMoves(mover, opponent)),
                              std::popcount(engine::legalMoves(opponent, mover)));
}

class PatternSymmetry : public testing::TestWithParam<int> {};

// Each symmetry moves the squares as its bits say, and the evaluation of a
// position is that of its every image.
TEST_P(PatternSymmetry, MovesSquaresAndKeepsTheEvaluation)
{
    const int symmetry = GetParam();
    for (int square = 0; square < 64; ++square) {
        int row = engine::rowOf(square);
        int column = engine::columnOf(square);
        if (symmetry & 4)
            std::swap(row, column);
        if (symmetry & 2)
            row = 7 - row;
        if (symmetry & 1)
            column = 7 - column;
        ASSERT_EQ(patterns::symmetric(engine::squareBit(square), symmetry),
                  engine::squareBit(engine::squareAt(row, column)))
            << square;
    }
    for (const engine::BoardPosition& position : randomGamePositions(7, 4)) {
        if (position.sideToMove < 1)
            continue;
        const Bitboard mover = engine::discsOf(position, position.sideToMove);
        const Bitboard opponent = engine::discsOf(position, 3 - position.sideToMove);
        ASSERT_EQ(evaluationOf(patterns::symmetric(mover, symmetry), patterns::symmetric(opponent, symmetry)),
                  evaluationOf(mover, opponent));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBoardSymmetry, PatternSymmetry, testing::Range(0, 8));

// The weights the program carries estimate exact values: the sign of the
// estimate agrees with that of clearly won or lost random endings.
TEST(PatternEvaluation, EstimatesClearResultsRightMostly)
{
    const std::atomic<bool> never{false};
    int clear = 0;
    int right = 0;
    for (const engine::BoardPosition& position : randomGamePositions(11, 30)) {
        if (position.sideToMove < 1 || position.discCount1 + position.discCount2 != 52)
            continue;
        const int value = engine::solveValue(position, never);
        if (std::abs(value) < 16)
            continue;
        const Bitboard mover = engine::discsOf(position, position.sideToMove);
        const Bitboard opponent = engine::discsOf(position, 3 - position.sideToMove);
        ++clear;
        right += (evaluationOf(mover, opponent) > 0) == (value > 0);
    }
    ASSERT_GE(clear, 10);
    EXPECT_GE(right * 10, clear * 9) << right << " of " << clear;
}

}  // namespace
