// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <vector>

#include "engine/robot.h"
#include "engine/selfplay.h"
#include "positions.h"

namespace engine {
namespace {

const std::atomic<bool> notCancelled{false};

PackedScore packed(int stable, int mobility, int discs)
{
    return 0x414141 + 65536 * stable + 256 * mobility + discs;
}

// The root choice over moves 10, 11, ... with these scores, when r is drawn.
int chooseWithDraw(const std::vector<PackedScore>& scores, int level, int side, unsigned r)
{
    std::vector<int32_t> moves;
    std::vector<int32_t> order;
    for (size_t i = 0; i < scores.size(); ++i) {
        moves.push_back(10 + static_cast<int32_t>(i));
        order.push_back(static_cast<int32_t>(i));
    }
    Random random(seedDrawing(r));
    return chooseRootMove(moves.data(), scores.data(), order.data(), static_cast<int>(scores.size()), level, side,
                          random);
}

// With weights 1 (first move) and w (second), the first move is played while
// r * (1 + w) / 65536 < 1. Checks the draws on both sides of that boundary.
void expectBoundary(const std::vector<PackedScore>& scores, int level, int side, double w)
{
    const double boundary = 65536.0 / (1.0 + w);
    ASSERT_GT(boundary - std::floor(boundary), 1e-6);
    const auto lastFirst = static_cast<unsigned>(std::floor(boundary));
    EXPECT_EQ(chooseWithDraw(scores, level, side, 0), 10);
    EXPECT_EQ(chooseWithDraw(scores, level, side, lastFirst), 10) << "w " << w;
    EXPECT_EQ(chooseWithDraw(scores, level, side, lastFirst + 1), 11) << "w " << w;
    EXPECT_EQ(chooseWithDraw(scores, level, side, 65535), 11);
}

double factor(int level)
{
    return 2.0 / (std::pow(2.0, level) + 1.0);
}

TEST(Random, FollowsTheLinearCongruence)
{
    Random fromZero(0);
    EXPECT_EQ(fromZero.below(65536), 38u);
    EXPECT_EQ(fromZero.seed(), 2531011u);
    Random fromTop(0xFFFFFFFFu);
    EXPECT_EQ(fromTop.below(7), ((0xFFFFFFFFu * 214013u + 2531011u) >> 16) % 7);
    for (unsigned r : {0u, 1u, 38u, 39321u, 65535u}) {
        Random random(seedDrawing(r));
        EXPECT_EQ(random.below(65536), r);
    }
}

TEST(Random, ObjectsKeepTheirOwnState)
{
    Random first;
    Random second;
    EXPECT_EQ(first.seed(), 0u);
    const unsigned a = first.below(1000);
    const unsigned b = first.below(1000);
    EXPECT_EQ(second.seed(), 0u);
    EXPECT_EQ(second.below(1000), a);
    Random copy = first;
    EXPECT_EQ(first.below(1000), copy.below(1000));
    EXPECT_EQ(second.below(1000), b);
}

TEST(RootChoice, LevelOneWeightsPerField)
{
    const double e = factor(1);
    // Stable fields differ by one: weights 1 and 2/3.
    expectBoundary({packed(1, 0, 0), packed(0, 0, 0)}, 1, 1, e);
    // Equal stable fields, mobility differs by one: 1 and 8/9.
    expectBoundary({packed(0, 3, 0), packed(0, 2, 5)}, 1, 1, e + (1 - e) * e);
    // Equal stable and mobility, discs differ by one: 1 and 26/27.
    expectBoundary({packed(0, 0, 4), packed(0, 0, 3)}, 1, 1, e + (1 - e) * (e + (1 - e) * e));
}

TEST(RootChoice, LevelSixWeightsPerField)
{
    const double e = factor(6);
    expectBoundary({packed(2, -5, 9), packed(1, 7, 12)}, 6, 1, e);
    expectBoundary({packed(0, 3, 0), packed(0, 2, 0)}, 6, 1, e + (1 - e) * e);
    expectBoundary({packed(0, 0, 4), packed(0, 0, 3)}, 6, 1, e + (1 - e) * (e + (1 - e) * e));
}

TEST(RootChoice, ColourTwoPrefersLowScores)
{
    const double e = factor(1);
    // The better move for colour 2 is searched second; it still comes first.
    std::vector<PackedScore> scores = {packed(0, 0, 0), packed(-1, 0, 0)};
    EXPECT_EQ(chooseWithDraw(scores, 1, 2, 0), 11);
    const double boundary = 65536.0 / (1.0 + e);
    const auto lastFirst = static_cast<unsigned>(std::floor(boundary));
    EXPECT_EQ(chooseWithDraw(scores, 1, 2, lastFirst), 11);
    EXPECT_EQ(chooseWithDraw(scores, 1, 2, lastFirst + 1), 10);
    // The same scores from colour 1's side reverse the roles.
    EXPECT_EQ(chooseWithDraw(scores, 1, 1, lastFirst), 10);
    expectBoundary({packed(0, -3, 0), packed(0, -2, 0)}, 1, 2, e + (1 - e) * e);
}

TEST(RootChoice, ReferencesResetWithEachCoarserField)
{
    const double e = factor(1);
    // Sorted: 11 (best), 12 (stable one lower), 10 (as 12 but mobility one
    // lower). 10 is measured against 12's mobility, not against 11's.
    const std::vector<PackedScore> scores = {packed(0, 3, 0), packed(1, 0, 0), packed(0, 4, 2)};
    const double w12 = e * (e + (1 - e) * (e + (1 - e)));
    const double w10 = e * (e + (1 - e) * e * (e + (1 - e)));
    const double boundary = 65536.0 * (1 + w12) / (1 + w12 + w10);
    ASSERT_GT(boundary - std::floor(boundary), 1e-6);
    const auto last12 = static_cast<unsigned>(std::floor(boundary));
    EXPECT_EQ(chooseWithDraw(scores, 1, 1, 0), 11);
    EXPECT_EQ(chooseWithDraw(scores, 1, 1, last12), 12);
    EXPECT_EQ(chooseWithDraw(scores, 1, 1, last12 + 1), 10);

    // Sorted: 11 (best), 12 (stable one lower), 10 (as 12 but discs one
    // lower). 10 is measured against 12's discs.
    const std::vector<PackedScore> discs = {packed(0, 4, 1), packed(1, 0, 0), packed(0, 4, 2)};
    const double w10Discs = e * (e + (1 - e) * (e + (1 - e) * e));
    const double boundaryDiscs = 65536.0 * (1 + w12) / (1 + w12 + w10Discs);
    ASSERT_GT(boundaryDiscs - std::floor(boundaryDiscs), 1e-6);
    const auto last12Discs = static_cast<unsigned>(std::floor(boundaryDiscs));
    EXPECT_EQ(chooseWithDraw(discs, 1, 1, last12Discs), 12);
    EXPECT_EQ(chooseWithDraw(discs, 1, 1, last12Discs + 1), 10);
}

TEST(RootChoice, EqualScoresKeepSearchOrderAndDrawZeroPicksTheBest)
{
    const std::vector<PackedScore> scores = {packed(0, 1, 0), packed(0, 2, 0), packed(0, 2, 0), packed(0, 0, 0)};
    // 11 and 12 tie for best; 11 was searched first and stays first.
    EXPECT_EQ(chooseWithDraw(scores, 3, 1, 0), 11);
    // For colour 2 the lowest score is the best.
    EXPECT_EQ(chooseWithDraw(scores, 3, 2, 0), 13);
    // The two tied moves weigh exactly 1 each, ahead of the others.
    const double e = factor(3);
    const double w10 = e + (1 - e) * e;
    const double w13 = e + (1 - e) * e * e;
    const double boundary = 65536.0 * 2 / (2 + w10 + w13);
    ASSERT_GT(boundary - std::floor(boundary), 1e-6);
    const auto lastTied = static_cast<unsigned>(std::floor(boundary));
    EXPECT_EQ(chooseWithDraw(scores, 3, 1, lastTied), 12);
    EXPECT_EQ(chooseWithDraw(scores, 3, 1, lastTied + 1), 10);
    // A threshold equal to a running sum is not past it: with two equal
    // moves and r = 32768 the threshold is exactly 1, the first move's sum.
    EXPECT_EQ(chooseWithDraw({packed(0, 0, 0), packed(0, 0, 0)}, 2, 1, 32767), 10);
    EXPECT_EQ(chooseWithDraw({packed(0, 0, 0), packed(0, 0, 0)}, 2, 1, 32768), 11);
}

TEST(RobotMove, SingleMoveIsPlayedWithoutDrawing)
{
    const BoardPosition position = positionFromText(std::string("XO") + std::string(62, '.') + "X");
    ASSERT_EQ(position.moveCount, 1);
    Random random(99);
    uint64_t nodes = 7;
    EXPECT_EQ(chooseRobotMove(position, 6, random, notCancelled, &nodes), 2);
    EXPECT_EQ(random.seed(), 99u);
    EXPECT_EQ(nodes, 0u);
}

TEST(RobotMove, OpeningIsOneDrawModuloFour)
{
    BoardPosition start;
    start.setStartPosition();
    for (uint32_t seed : {0u, 1u, 2u, 3u, 77u, 4000000000u}) {
        for (int level = 1; level <= 6; ++level) {
            Random random(seed);
            const int32_t square = chooseRobotMove(start, level, random, notCancelled);
            Random replay(seed);
            EXPECT_EQ(square, start.moves[replay.below(4)]);
        }
    }
}

TEST(RobotMove, SameSeedSamePositionSameChoice)
{
    const std::vector<BoardPosition> positions = randomGamePositions(31, 1);
    for (size_t i = 7; i < positions.size(); i += 15) {
        const BoardPosition& position = positions[i];
        if (position.moveCount < 2)
            continue;
        for (int level : {1, 4, 6}) {
            Random random(424242);
            const int32_t first = chooseRobotMove(position, level, random, notCancelled);
            const uint32_t firstSeed = random.seed();
            Random again(424242);
            EXPECT_EQ(chooseRobotMove(position, level, again, notCancelled), first);
            EXPECT_EQ(again.seed(), firstSeed);
            EXPECT_NE(firstSeed, 424242u);
            // It plays one of its legal moves.
            EXPECT_TRUE(position.isLegalMove(first));
        }
    }
}

TEST(SelfPlay, GamesAreLegalCompleteAndRepeatable)
{
    const SelfPlayResult game = selfPlay(5, 2, 3);
    BoardPosition position;
    position.setStartPosition();
    for (int32_t square : game.moves) {
        if (square == NO_MOVE) {
            ASSERT_EQ(position.moveCount, 0);
            ASSERT_NE(position.sideToMove, GAME_OVER);
        } else {
            ASSERT_TRUE(position.isLegalMove(square));
        }
        position.applyMove(square);
    }
    EXPECT_EQ(position.sideToMove, GAME_OVER);
    EXPECT_EQ(game.discCount1, position.discCount1);
    EXPECT_EQ(game.discCount2, position.discCount2);
    EXPECT_GT(game.nodes, 0u);

    const SelfPlayResult again = selfPlay(5, 2, 3);
    EXPECT_EQ(again.moves, game.moves);
    EXPECT_EQ(again.nodes, game.nodes);
    EXPECT_NE(selfPlay(6, 2, 3).moves, game.moves);
}

TEST(SelfPlay, EachSideUsesItsOwnLevel)
{
    // A game replayed move by move with the same seed and levels draws the
    // same numbers, so every choice can be checked against chooseRobotMove.
    const SelfPlayResult game = selfPlay(9, 1, 4);
    Random random(9);
    BoardPosition position;
    position.setStartPosition();
    for (int32_t square : game.moves) {
        if (square != NO_MOVE) {
            ASSERT_EQ(chooseRobotMove(position, position.sideToMove == 1 ? 1 : 4, random, notCancelled), square);
        }
        position.applyMove(square);
    }
}

}  // namespace
}  // namespace engine
