// SPDX-License-Identifier: GPL-3.0-or-later
// The exact solver on published endgame test positions (20 to 23 empty
// squares). Labelled "slow": seconds each in an optimized build, so the
// sanitizer runs leave it out.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <ostream>
#include <vector>

#include "engine/notation.h"
#include "engine/solver.h"
#include "fforum.h"

// Names the position in messages instead of dumping its bytes.
void PrintTo(const FforumPosition& position, std::ostream* out)
{
    *out << "FForum #" << position.number;
}

namespace engine {
namespace {

class Fforum : public testing::TestWithParam<FforumPosition> {};

TEST_P(Fforum, BestMoveAndValue)
{
    const FforumPosition& expected = GetParam();
    BoardPosition position;
    ASSERT_TRUE(parsePosition(expected.position, position));
    const std::atomic<bool> notCancelled{false};
    const MoveValue best = solveBest(position, notCancelled);
    EXPECT_EQ(best.value, expected.value);
    EXPECT_NE(std::find(expected.best.begin(), expected.best.end(), squareName(best.square)), expected.best.end())
        << squareName(best.square);
}

// Every move's value on #40 as a solve of the position after it finds it:
// the values of the moves the search only tests against others' come out
// of a different sequence of windows.
TEST(FforumEveryMove, ValuesMatchSolvesOfTheirPositions)
{
    BoardPosition position;
    ASSERT_TRUE(parsePosition(fforumPositions().front().position, position));
    const std::atomic<bool> notCancelled{false};
    const std::vector<MoveValue> values = solveMoves(position, notCancelled);
    ASSERT_EQ(values.size(), static_cast<size_t>(position.moveCount));
    EXPECT_EQ(values.front().value, fforumPositions().front().value);
    for (const MoveValue& move : values) {
        BoardPosition child;
        child.copyAndApply(position, move.square);
        const int value = solveValue(child, notCancelled);  // for colour 1 once the game is over
        EXPECT_EQ(move.value, child.sideToMove == GAME_OVER && position.sideToMove == 1 ? value : -value)
            << squareName(move.square);
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, Fforum, testing::ValuesIn(fforumPositions()),
                         [](const testing::TestParamInfo<FforumPosition>& info) {
                             return "Number" + std::to_string(info.param.number);
                         });

}  // namespace
}  // namespace engine
