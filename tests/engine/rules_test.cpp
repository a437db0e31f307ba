// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/board_position.h"
#include "engine/selfplay.h"
#include "positions.h"

namespace engine {
namespace {

std::vector<int> moveList(const BoardPosition& position)
{
    return std::vector<int>(position.moves, position.moves + position.moveCount);
}

TEST(Rules, ConstructedAndClearedPositionsHoldNoGame)
{
    BoardPosition position;
    EXPECT_EQ(position.sideToMove, NO_GAME);
    EXPECT_EQ(position.moveCount, 0);
    EXPECT_EQ(position.discCount1, 0);
    EXPECT_EQ(position.discCount2, 0);
    for (int square = 0; square < 64; ++square)
        EXPECT_EQ(position.squares[square], 0);

    position.setStartPosition();
    position.applyMove(19);
    position.clear();
    EXPECT_EQ(position.sideToMove, NO_GAME);
    EXPECT_EQ(position.moveCount, 0);
    EXPECT_EQ(position.discCount1 + position.discCount2, 0);
    for (int square = 0; square < 64; ++square)
        EXPECT_EQ(position.squares[square], 0);
}

TEST(Rules, StartPositionAndFirstMove)
{
    BoardPosition position;
    position.setStartPosition();
    EXPECT_EQ(moveList(position), (std::vector<int>{19, 26, 37, 44}));
    EXPECT_EQ(position.sideToMove, 1);
    EXPECT_EQ(position.discCount1, 2);
    EXPECT_EQ(position.discCount2, 2);
    EXPECT_EQ(position.squares[27], 2);
    EXPECT_EQ(position.squares[28], 1);

    position.applyMove(19);
    EXPECT_EQ(position.squares[19], 1);
    EXPECT_EQ(position.squares[27], 1);
    EXPECT_EQ(position.discCount1, 4);
    EXPECT_EQ(position.discCount2, 1);
    EXPECT_EQ(position.sideToMove, 2);
    EXPECT_EQ(moveList(position), (std::vector<int>{18, 20, 34}));
}

TEST(Rules, CopyAndApplyLeavesTheSourceAlone)
{
    BoardPosition start;
    start.setStartPosition();
    BoardPosition child;
    child.copyAndApply(start, 44);
    EXPECT_EQ(child.squares[36], 1);
    EXPECT_EQ(start.squares[36], 2);
    EXPECT_EQ(start.sideToMove, 1);
    EXPECT_EQ(child.sideToMove, 2);
}

TEST(Rules, MoveTurnsEveryBracketedRunAndNothingElse)
{
    // Colour 1 plays 27 (row 3, column 3). Bracketed: up (19, 11 by 3),
    // right (28, 29 by 30), down-left (34 by 41). Not bracketed: left run
    // 26, 25 ends in an empty square; down run 35, 43, 51, 59 reaches the edge;
    // up-left 18 is colour 1's own disc with no run.
    const BoardPosition before = positionFromText("...X...."
                                                  "...O...."
                                                  "..XO...."
                                                  ".OO.OOX."
                                                  "..OO...."
                                                  ".X.O...."
                                                  "...O...."
                                                  "...O...."
                                                  "X");
    ASSERT_TRUE(before.isLegalMove(27));
    BoardPosition after;
    after.copyAndApply(before, 27);
    const int turned[] = {11, 19, 28, 29, 34};
    const int untouched[] = {25, 26, 35, 43, 51, 59};
    for (int square : turned)
        EXPECT_EQ(after.squares[square], 1) << square;
    for (int square : untouched)
        EXPECT_EQ(after.squares[square], 2) << square;
    EXPECT_EQ(after.squares[27], 1);
    EXPECT_EQ(after.discCount1, before.discCount1 + 1 + 5);
    EXPECT_EQ(after.discCount2, before.discCount2 - 5);
}

TEST(Rules, LegalityNeedsABracketedRun)
{
    // Square 9 is surrounded by colour 2, but every run from it ends at the
    // edge or in an empty square.
    BoardPosition position;
    const int ring[] = {0, 1, 2, 8, 10, 16, 17, 18};
    for (int square : ring)
        position.squares[square] = 2;
    position.squares[36] = 1;
    position.sideToMove = 1;
    position.regenerateMoves();
    EXPECT_FALSE(position.isLegalMove(9));
    // Occupied squares are never legal, whoever holds them.
    EXPECT_FALSE(position.isLegalMove(0));
    EXPECT_FALSE(position.isLegalMove(36));
    // A disc of colour 1 at the end of the run 18, 27 makes 9 legal.
    position.squares[27] = 1;
    EXPECT_TRUE(position.isLegalMove(9));
    position.regenerateMoves();
    EXPECT_EQ(moveList(position), (std::vector<int>{9}));
}

TEST(Rules, CapturesNextToTheEdgeAndAlongIt)
{
    // Runs that touch the edge: colour 1 on 0, colour 2 on 1..6, 7 empty.
    BoardPosition position = positionFromText("XOOOOOO."
                                              "........"
                                              "........"
                                              "........"
                                              "........"
                                              "........"
                                              "........"
                                              "........"
                                              "X");
    EXPECT_EQ(moveList(position), (std::vector<int>{7}));
    position.applyMove(7);
    for (int square = 0; square < 8; ++square)
        EXPECT_EQ(position.squares[square], 1);
    EXPECT_EQ(position.sideToMove, GAME_OVER);
    EXPECT_EQ(position.moveCount, 0);
}

TEST(Rules, OpponentWithoutMovesMustPassThenTheTurnComesBack)
{
    // Colour 1 plays 2, turning 1 and 9; colour 2, left on 10 and 11, has no
    // move, while colour 1 can still take them from 12.
    BoardPosition position = positionFromText("XO......"
                                              "XOOO...."
                                              "X......."
                                              "........"
                                              "........"
                                              "........"
                                              "........"
                                              "........"
                                              "X");
    ASSERT_TRUE(position.isLegalMove(2));
    position.applyMove(2);
    ASSERT_EQ(position.sideToMove, 2);
    EXPECT_EQ(position.moveCount, 0);
    EXPECT_EQ(position.discCount1, 6);
    EXPECT_EQ(position.discCount2, 2);

    position.applyMove(NO_MOVE);
    EXPECT_EQ(position.sideToMove, 1);
    EXPECT_GT(position.moveCount, 0);
    EXPECT_TRUE(position.isLegalMove(12));
    EXPECT_EQ(position.discCount1, 6);
    EXPECT_EQ(position.discCount2, 2);
    for (int i = 0; i < position.moveCount; ++i)
        EXPECT_TRUE(position.isLegalMove(position.moves[i]));
}

TEST(Rules, FillingTheLastSquareEndsTheGame)
{
    // Colour 1 everywhere but colour 2 on 0 and square 63 empty: colour 2
    // takes 63 along the long diagonal and the board is full.
    std::string text(64, 'X');
    text[0] = 'O';
    text[63] = '.';
    BoardPosition position = positionFromText(text + "O");
    ASSERT_EQ(position.sideToMove, 2);
    ASSERT_EQ(moveList(position), (std::vector<int>{63}));
    position.applyMove(63);
    EXPECT_EQ(position.sideToMove, GAME_OVER);
    EXPECT_EQ(position.moveCount, 0);
    EXPECT_EQ(position.discCount1, 56);
    EXPECT_EQ(position.discCount2, 8);
}

TEST(Rules, MovesStayConsistentThroughRandomGames)
{
    for (const BoardPosition& position : randomGamePositions(7, 20)) {
        int count1 = 0;
        int count2 = 0;
        for (int square = 0; square < 64; ++square) {
            count1 += position.squares[square] == 1;
            count2 += position.squares[square] == 2;
        }
        ASSERT_EQ(position.discCount1, count1);
        ASSERT_EQ(position.discCount2, count2);
        if (position.sideToMove == GAME_OVER)
            continue;
        std::vector<int> legal;
        for (int square = 0; square < 64; ++square) {
            if (position.isLegalMove(square))
                legal.push_back(square);
        }
        if (position.moveCount == 0) {
            // Pass state: this side has nothing, the other side something.
            ASSERT_TRUE(legal.empty());
            BoardPosition other = position;
            other.sideToMove = 3 - position.sideToMove;
            other.regenerateMoves();
            ASSERT_GT(other.moveCount, 0);
        } else {
            ASSERT_EQ(moveList(position), legal);
        }
    }
}

TEST(Rules, PerftFromTheStartMatchesPublishedCounts)
{
    BoardPosition start;
    start.setStartPosition();
    const uint64_t expected[] = {1, 4, 12, 56, 244, 1396, 8200, 55092, 390216};
    for (int depth = 0; depth <= 8; ++depth)
        EXPECT_EQ(perft(start, depth), expected[depth]) << depth;
}

TEST(Rules, PerftCountsAFinishedGameAsOneLeafAndAPassAsAPly)
{
    // Colour 1's only move ends the game: every depth from 1 on sees one leaf.
    const BoardPosition ending = positionFromText(std::string("XO") + std::string(62, '.') + "X");
    EXPECT_EQ(perft(ending, 1), 1u);
    EXPECT_EQ(perft(ending, 5), 1u);
    // In the pass state the pass is the only ply available.
    BoardPosition passing = positionFromText("XO......"
                                             "XOOO...."
                                             "X......."
                                             "........"
                                             "........"
                                             "........"
                                             "........"
                                             "........"
                                             "X");
    passing.applyMove(2);
    ASSERT_EQ(passing.moveCount, 0);
    BoardPosition afterPass;
    afterPass.copyAndApply(passing, NO_MOVE);
    EXPECT_EQ(perft(passing, 1), 1u);
    EXPECT_EQ(perft(passing, 2), static_cast<uint64_t>(afterPass.moveCount));
}

}  // namespace
}  // namespace engine
