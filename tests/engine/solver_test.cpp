// SPDX-License-Identifier: GPL-3.0-or-later
// The exact endgame solver against plain minimax over the rules of
// BoardPosition, its cancellation, two solves at once, and its copies for
// different processors, whose vector code must turn what the tables turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <string>
#include <thread>
#include <vector>

#include "engine/bitboard.h"
#include "engine/notation.h"
#include "engine/solver.h"
#include "positions.h"

namespace engine {
namespace {

const std::atomic<bool> notCancelled{false};

int emptiesOf(const BoardPosition& position)
{
    return 64 - position.discCount1 - position.discCount2;
}

// The final disc difference for `side` under perfect play of both sides,
// by minimax over every line of play; the empty squares go to the winner.
int minimax(const BoardPosition& position, int side)
{
    if (position.sideToMove == GAME_OVER) {
        const int difference = (position.discCount1 - position.discCount2) * (side == 1 ? 1 : -1);
        return difference + sign(difference) * emptiesOf(position);
    }
    BoardPosition child;
    if (position.moveCount == 0) {
        child.copyAndApply(position, NO_MOVE);
        return minimax(child, side);
    }
    int best = position.sideToMove == side ? -65 : 65;
    for (int i = 0; i < position.moveCount; ++i) {
        child.copyAndApply(position, position.moves[i]);
        const int value = minimax(child, side);
        best = position.sideToMove == side ? std::max(best, value) : std::min(best, value);
    }
    return best;
}

// Every entry point agrees with minimax: the position's value, each move's
// value in order, a best move, and the hint: the first of the best moves in
// that order.
void expectSolvedExactly(const BoardPosition& position)
{
    const std::string shown = formatPosition(position) + " side " + std::to_string(position.sideToMove);
    const int side = position.sideToMove == 2 ? 2 : 1;
    const std::vector<MoveValue> values = solveMoves(position, notCancelled);
    const MoveValue best = solveBest(position, notCancelled);
    const MoveValue hint = solveHint(position, notCancelled);
    if (position.sideToMove < 1 || position.moveCount == 0) {
        EXPECT_TRUE(values.empty()) << shown;
        EXPECT_EQ(best.square, NO_MOVE) << shown;
        EXPECT_EQ(hint.square, NO_MOVE) << shown;
        EXPECT_EQ(solveValue(position, notCancelled), minimax(position, side)) << shown;
        return;
    }
    std::vector<int32_t> squares;
    int highest = -65;
    for (size_t i = 0; i < values.size(); ++i) {
        BoardPosition child;
        child.copyAndApply(position, values[i].square);
        const int value = minimax(child, side);
        EXPECT_EQ(values[i].value, value) << shown << " " << squareName(values[i].square);
        highest = std::max(highest, value);
        if (i > 0) {
            EXPECT_TRUE(values[i - 1].value > values[i].value ||
                        (values[i - 1].value == values[i].value && values[i - 1].square < values[i].square))
                << shown;
        }
        squares.push_back(values[i].square);
    }
    std::sort(squares.begin(), squares.end());
    EXPECT_EQ(squares, std::vector<int32_t>(position.moves, position.moves + position.moveCount)) << shown;
    EXPECT_EQ(solveValue(position, notCancelled), highest) << shown;
    EXPECT_EQ(best.value, highest) << shown;
    EXPECT_EQ(hint.square, values.front().square) << shown;
    EXPECT_EQ(hint.value, highest) << shown;
    EXPECT_NE(std::find_if(values.begin(), values.end(),
                           [&](const MoveValue& v) { return v.square == best.square && v.value == best.value; }),
              values.end())
        << shown;
}

TEST(Solver, AgreesWithMinimaxOnRandomEndings)
{
    int passStates = 0;
    int finished = 0;
    for (const BoardPosition& position : randomGamePositions(2024, 12)) {
        if (emptiesOf(position) > 10)
            continue;
        passStates += position.sideToMove >= 1 && position.moveCount == 0;
        finished += position.sideToMove == GAME_OVER;
        expectSolvedExactly(position);
    }
    EXPECT_GT(passStates, 0);
    EXPECT_GT(finished, 0);
}

TEST(Solver, AgreesWithMinimaxOnWipeOutsAndDeadSquares)
{
    const std::string empty8(8, '.');
    const std::string rest = empty8 + empty8 + empty8 + empty8 + empty8 + empty8 + empty8;
    for (const std::string& text : {
             "XO......" + rest + "X",       // c1 takes the last light disc: +64 with 61 empty squares
             "XOO....." + rest + "X",       // the same with two discs to turn
             "XO..O..." + rest + "X",       // c1 leaves one light disc, which then has no move
             "OXX.XO.." + rest + "O",       // light to move: d1 turns the runs on both sides at once
             "XXX....." + rest + "O",       // light has no discs: the game is over, +64 for colour 1
             // h8 turns g8 and h7, and then nobody can play a1: it goes to the winner.
             std::string(".XXXXXXXXXOOOOOOXOXOOOOOXOOXOOOOXOOOXOOOXOOOOXOXXOOOOOXOXOOOOXO.X"),
         }) {
        BoardPosition position;
        ASSERT_TRUE(parsePosition(text, position)) << text;
        expectSolvedExactly(position);
    }
}

TEST(Solver, ReturnsNothingOnceCancelled)
{
    BoardPosition position;
    ASSERT_TRUE(parsePosition(".OOOOO....OOOOX..OOOOOO.XXXXXOO..XXOOX..OOXOXX....OXXO...OOO..O.X", position));
    const std::atomic<bool> cancelled{true};
    uint64_t nodes = 1;
    EXPECT_TRUE(solveMoves(position, cancelled, &nodes).empty());
    EXPECT_EQ(nodes, 0u);
    nodes = 1;
    EXPECT_EQ(solveBest(position, cancelled, &nodes).square, NO_MOVE);
    EXPECT_EQ(nodes, 0u);
    nodes = 1;
    EXPECT_EQ(solveHint(position, cancelled, &nodes).square, NO_MOVE);
    EXPECT_EQ(nodes, 0u);
    nodes = 1;
    EXPECT_EQ(solveValue(position, cancelled, &nodes), 0);
    EXPECT_EQ(nodes, 0u);

    // Set while a long solve runs (22 empty squares, seconds of work): it
    // stops and reports nothing.
    std::atomic<bool> stop{false};
    std::vector<MoveValue> values{{0, 0}};
    std::thread solving([&] { values = solveMoves(position, stop); });
    stop = true;
    solving.join();
    EXPECT_TRUE(values.empty());
}

TEST(Solver, TwoSolvesAtOnceAgree)
{
    // The first position of a random game with 14 empty squares and a choice.
    BoardPosition chosen;
    for (const BoardPosition& position : randomGamePositions(7, 3)) {
        if (emptiesOf(position) == 14 && position.moveCount >= 3) {
            chosen = position;
            break;
        }
    }
    ASSERT_GE(chosen.moveCount, 3);
    const std::vector<MoveValue> alone = solveMoves(chosen, notCancelled);
    std::vector<MoveValue> first;
    std::vector<MoveValue> second;
    std::thread other([&] { second = solveMoves(chosen, notCancelled); });
    first = solveMoves(chosen, notCancelled);
    other.join();
    ASSERT_EQ(alone.size(), static_cast<size_t>(chosen.moveCount));
    for (const std::vector<MoveValue>* run : {&first, &second}) {
        ASSERT_EQ(run->size(), alone.size());
        for (size_t i = 0; i < alone.size(); ++i) {
            EXPECT_EQ((*run)[i].square, alone[i].square);
            EXPECT_EQ((*run)[i].value, alone[i].value);
        }
    }
}

TEST(Solver, EveryCopySearchesTheSameTree)
{
    // Each copy of the search this processor can run gives the same values
    // after the same number of nodes, on positions that reach the listed
    // nodes, the table and the look-ahead order.
    int compared = 0;
    for (const BoardPosition& position : randomGamePositions(31, 3)) {
        if (emptiesOf(position) != 13 || position.moveCount < 2)
            continue;
        uint64_t fastestNodes = 0;
        const std::vector<MoveValue> fastest = solveMoves(position, notCancelled, &fastestNodes);
        for (SolverCopy copy : {SolverCopy::Portable, SolverCopy::Popcount, SolverCopy::Avx2}) {
            if (!canRun(copy))
                continue;
            uint64_t nodes = 0;
            const std::vector<MoveValue> values = solveMoves(position, notCancelled, &nodes, copy);
            EXPECT_EQ(nodes, fastestNodes) << formatPosition(position);
            ASSERT_EQ(values.size(), fastest.size());
            for (size_t i = 0; i < values.size(); ++i) {
                EXPECT_EQ(values[i].square, fastest[i].square);
                EXPECT_EQ(values[i].value, fastest[i].value);
            }
            ++compared;
        }
    }
    EXPECT_GE(compared, 3);
}

#if ENGINE_X86_64_COPIES
[[gnu::target("avx2")]] Bitboard vectorFlips(Bitboard mover, Bitboard opponent, int square)
{
    return flipsAvx2(mover, opponent, square);
}

TEST(Bitboard, VectorFlipsTurnWhatTheLineTablesTurn)
{
    // Every empty square of every position of a few random games, for both
    // sides: legal moves and the squares where nothing turns alike.
    if (!canRun(SolverCopy::Avx2))
        GTEST_SKIP() << "no AVX2 on this processor";
    for (const BoardPosition& position : randomGamePositions(7, 4)) {
        const Bitboard dark = discsOf(position, 1);
        const Bitboard light = discsOf(position, 2);
        for (Bitboard empty = ~(dark | light); empty; empty &= empty - 1) {
            const int square = std::countr_zero(empty);
            EXPECT_EQ(vectorFlips(dark, light, square), flips(dark, light, square)) << formatPosition(position);
            EXPECT_EQ(vectorFlips(light, dark, square), flips(light, dark, square)) << formatPosition(position);
        }
    }
}
#endif

}  // namespace
}  // namespace engine
