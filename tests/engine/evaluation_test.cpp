// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "engine/board_position.h"
#include "positions.h"

namespace engine {
namespace {

int stableField(PackedScore score)
{
    return ((score >> 16) & 0xFF) - 0x41;
}
int mobilityField(PackedScore score)
{
    return ((score >> 8) & 0xFF) - 0x41;
}
int discField(PackedScore score)
{
    return (score & 0xFF) - 0x41;
}

// A board holding only the given discs, colour 1 to move, moves listed.
BoardPosition discsOnly(std::initializer_list<int> colour1, std::initializer_list<int> colour2)
{
    BoardPosition position;
    for (int square : colour1)
        position.squares[square] = 1;
    for (int square : colour2)
        position.squares[square] = 2;
    position.sideToMove = 1;
    position.regenerateMoves();
    return position;
}

TEST(Evaluation, StartPositionAndFirstMove)
{
    BoardPosition position;
    position.setStartPosition();
    EXPECT_EQ(position.evaluate(0), 0x414141 + 256 * 4);

    position.applyMove(19);
    // Colour 2 to move with 3 moves; colour 1 had 4: mobility 1, discs 3.
    EXPECT_EQ(position.evaluate(4), 0x414244);
}

TEST(Evaluation, MobilityIsAlwaysColourOneMinusColourTwo)
{
    BoardPosition position;
    position.setStartPosition();
    ASSERT_EQ(position.sideToMove, 1);
    EXPECT_EQ(mobilityField(position.evaluate(7)), 4 - 7);
    position.applyMove(19);
    ASSERT_EQ(position.sideToMove, 2);
    EXPECT_EQ(mobilityField(position.evaluate(7)), 7 - 3);
}

TEST(Evaluation, NoMovesOnEitherSideScoresDiscsTwice)
{
    // Colour 1 has no move here and no parent moves are given: the disc
    // difference fills the stable field too, with no stability analysis
    // (corner 0 would otherwise count as stable for colour 2).
    BoardPosition position = discsOnly({30, 31}, {0, 1, 2});
    position.moveCount = 0;
    EXPECT_EQ(position.evaluate(0), 0x414141 + 65537 * (2 - 3));
    // With a parent move count the analysis runs: corner 0 and its row
    // neighbours are stable for colour 2.
    EXPECT_EQ(stableField(position.evaluate(1)), -3);
}

TEST(Evaluation, CornerBlockSpreadsAlongEdgesOnly)
{
    // 0, 1 and 8 are stable; 9 is not, its anti-diagonal through 2 and 16
    // being open.
    const BoardPosition position = discsOnly({0, 1, 8, 9}, {});
    EXPECT_EQ(stableField(position.evaluate(1)), 3);
}

TEST(Evaluation, StabilitySpreadsThroughEachDiagonalNeighbour)
{
    // 9 is first tested before 16 is stable and fails; it is tested again
    // from 16, whose stability closes its anti-diagonal.
    EXPECT_EQ(stableField(discsOnly({0, 1, 8, 9, 16}, {}).evaluate(1)), 5);
    // The mirror image at corner 7: 14's diagonal is closed by 23.
    EXPECT_EQ(stableField(discsOnly({7, 6, 15, 14, 23}, {}).evaluate(1)), 5);
    // A neighbour of the other colour does not help, and is itself not
    // stable: its column is open below and held by colour 1 above.
    EXPECT_EQ(stableField(discsOnly({0, 1, 8, 9}, {16}).evaluate(1)), 3);
}

TEST(Evaluation, EveryCornerCountsForItsOwner)
{
    const BoardPosition position = discsOnly({0, 63}, {7, 56, 28});
    EXPECT_EQ(stableField(position.evaluate(1)), 0);
    const BoardPosition uneven = discsOnly({0, 63, 7}, {56, 28});
    EXPECT_EQ(stableField(uneven.evaluate(1)), 3 - 1);
}

TEST(Evaluation, DiscWithAllFourLinesFullIsStableWithoutNeighbours)
{
    // Row 3, column 3, the long diagonal and anti-diagonal 6 are full; square
    // 27, where they cross, holds colour 1, everything else on them colour 2.
    // Stable: 27 (full lines) and the corners 0 and 63; none of their
    // neighbours has a second line secured.
    BoardPosition position;
    for (int square = 0; square < 64; ++square) {
        const int y = square >> 3;
        const int x = square & 7;
        if (y == 3 || x == 3 || y == x || y + x == 6)
            position.squares[square] = 2;
    }
    position.squares[27] = 1;
    position.sideToMove = 1;
    position.regenerateMoves();
    EXPECT_EQ(stableField(position.evaluate(1)), 1 - 2);
}

TEST(Evaluation, FullBoardIsEntirelyStable)
{
    std::string text;
    for (int square = 0; square < 64; ++square)
        text += (square * 7 % 5 < 3) ? 'X' : 'O';
    BoardPosition position = positionFromText(text + "X");
    ASSERT_EQ(position.sideToMove, GAME_OVER);
    const PackedScore score = position.evaluate(2);
    EXPECT_EQ(stableField(score), position.discCount1 - position.discCount2);
    EXPECT_EQ(discField(score), position.discCount1 - position.discCount2);
    // A finished game at the horizon: mobility is the parent's count minus 0.
    EXPECT_EQ(mobilityField(score), 2);
}

TEST(Evaluation, FinalScoreRanksWinsAboveEverything)
{
    BoardPosition position;
    position.discCount1 = 40;
    position.discCount2 = 24;
    EXPECT_EQ(position.finalScore(), 0x824151);
    position.discCount1 = 32;
    position.discCount2 = 32;
    EXPECT_EQ(position.finalScore(), 0x414141);
    position.discCount1 = 0;
    position.discCount2 = 20;
    EXPECT_EQ(position.finalScore(), 0x00412D);
}

TEST(Evaluation, ScoresStayInsideTheBoundsAndFieldsDoNotCarry)
{
    for (const BoardPosition& position : randomGamePositions(11, 30)) {
        for (int parent : {0, 1, 12, 30}) {
            const PackedScore score = position.evaluate(parent);
            ASSERT_GT(score, LOWEST_SCORE);
            ASSERT_LT(score, HIGHEST_SCORE);
            ASSERT_EQ(score >> 24, 0);
            ASSERT_EQ(discField(score), position.discCount1 - position.discCount2);
        }
        if (position.sideToMove == GAME_OVER) {
            const PackedScore final = position.finalScore();
            ASSERT_GT(final, LOWEST_SCORE);
            ASSERT_LT(final, HIGHEST_SCORE);
        }
    }
}

}  // namespace
}  // namespace engine
