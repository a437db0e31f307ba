// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "engine/robot.h"
#include "engine/selfplay.h"
#include "positions.h"

namespace engine {
namespace {

const std::atomic<bool> notCancelled{false};

// Plain minimax over the same tree: no window, no ordering.
PackedScore minimax(const BoardPosition& position, int parentMoveCount, int ply, int horizon)
{
    if (ply == horizon)
        return position.evaluate(parentMoveCount);
    BoardPosition child;
    if (position.moveCount == 0) {
        if (position.sideToMove == GAME_OVER)
            return position.finalScore();
        child.copyAndApply(position, NO_MOVE);
        return minimax(child, 0, ply + 1, horizon);
    }
    PackedScore best = position.sideToMove == 1 ? LOWEST_SCORE : HIGHEST_SCORE;
    for (int i = 0; i < position.moveCount; ++i) {
        child.copyAndApply(position, position.moves[i]);
        const PackedScore q = minimax(child, position.moveCount, ply + 1, horizon);
        best = position.sideToMove == 1 ? std::max(best, q) : std::min(best, q);
    }
    return best;
}

// Midgame positions with a choice of moves, from random play.
std::vector<BoardPosition> choicePositions(uint32_t seed, int games, int every)
{
    std::vector<BoardPosition> chosen;
    const std::vector<BoardPosition> all = randomGamePositions(seed, games);
    for (size_t i = 0; i < all.size(); i += static_cast<size_t>(every)) {
        if (all[i].moveCount >= 2)
            chosen.push_back(all[i]);
    }
    return chosen;
}

// A position whose side to move has a move after which the opponent must pass.
bool findMoveIntoPass(BoardPosition& found, int& square)
{
    for (const BoardPosition& position : randomGamePositions(5, 50)) {
        for (int i = 0; i < position.moveCount; ++i) {
            BoardPosition child;
            child.copyAndApply(position, position.moves[i]);
            if (child.sideToMove != GAME_OVER && child.moveCount == 0) {
                found = position;
                square = position.moves[i];
                return true;
            }
        }
    }
    return false;
}

TEST(SortByScore, DescendingAndAscendingKeepEqualScoresInOrder)
{
    const PackedScore scores[] = {5, 9, 5, 7, 9, 1};
    int32_t order[] = {0, 1, 2, 3, 4, 5};
    sortByScore(6, -1, scores, order);
    EXPECT_EQ(std::vector<int32_t>(order, order + 6), (std::vector<int32_t>{1, 4, 3, 0, 2, 5}));

    int32_t ascending[] = {0, 1, 2, 3, 4, 5};
    sortByScore(6, 1, scores, ascending);
    EXPECT_EQ(std::vector<int32_t>(ascending, ascending + 6), (std::vector<int32_t>{5, 0, 2, 3, 1, 4}));

    // The order given, not the index, decides among equals.
    int32_t reversed[] = {5, 4, 3, 2, 1, 0};
    sortByScore(6, -1, scores, reversed);
    EXPECT_EQ(std::vector<int32_t>(reversed, reversed + 6), (std::vector<int32_t>{4, 1, 3, 2, 0, 5}));
}

TEST(SortByScore, SortsOnlyTheGivenEntries)
{
    const PackedScore scores[] = {1, 2, 3};
    int32_t order[] = {0, 1, 2};
    sortByScore(0, -1, scores, order);
    sortByScore(1, -1, scores, order);
    EXPECT_EQ(std::vector<int32_t>(order, order + 3), (std::vector<int32_t>{0, 1, 2}));
    sortByScore(2, -1, scores, order);
    EXPECT_EQ(std::vector<int32_t>(order, order + 3), (std::vector<int32_t>{1, 0, 2}));
}

TEST(Search, LevelOneScoresEachChildByItsEvaluation)
{
    for (const BoardPosition& position : choicePositions(3, 4, 3)) {
        const int n = position.moveCount;
        PackedScore best = position.sideToMove == 1 ? LOWEST_SCORE : HIGHEST_SCORE;
        int bestSquare = NO_MOVE;
        for (int i = 0; i < n; ++i) {
            BoardPosition child;
            child.copyAndApply(position, position.moves[i]);
            const PackedScore q = child.evaluate(n);
            // Strictly better only: the first of equals, in ascending squares, stays.
            if (position.sideToMove == 1 ? q > best : q < best) {
                best = q;
                bestSquare = position.moves[i];
            }
        }
        Random random(seedDrawing(0));  // a draw of 0 selects the best move
        SearchContext context(notCancelled, random);
        EXPECT_EQ(search(context, position, 0, 0, {1, true, true}, FULL_WINDOW), best);
        EXPECT_EQ(context.chosenMove, bestSquare);
        EXPECT_EQ(context.nodes, static_cast<uint64_t>(1 + n));
    }
}

TEST(Search, RootScoreEqualsPlainMinimaxUpToLevelThree)
{
    for (const BoardPosition& position : choicePositions(17, 3, 4)) {
        for (int level = 1; level <= 3; ++level) {
            Random random;
            SearchContext pruned(notCancelled, random);
            SearchContext full(notCancelled, random);
            const PackedScore expected = minimax(position, 0, 0, level);
            EXPECT_EQ(search(pruned, position, 0, 0, {level, true, true}, FULL_WINDOW), expected);
            EXPECT_EQ(search(full, position, 0, 0, {level, false, false}, FULL_WINDOW), expected);
            EXPECT_LE(pruned.nodes, full.nodes);
        }
    }
}

TEST(Search, ColourOneNodeStopsAtTheFirstChildReachingUpper)
{
    Random random;
    BoardPosition position;
    position.setStartPosition();
    const int n = position.moveCount;
    BoardPosition child;
    child.copyAndApply(position, position.moves[0]);
    const PackedScore first = child.evaluate(n);

    // Upper at the first child's score: it stops after one child, returning it.
    SearchContext stopping(notCancelled, random);
    EXPECT_EQ(search(stopping, position, 0, 1, {2, false, true}, {LOWEST_SCORE, first}), first);
    EXPECT_EQ(stopping.nodes, 2u);
    // The same window without cutoffs searches every child.
    SearchContext open(notCancelled, random);
    search(open, position, 0, 1, {2, false, false}, {LOWEST_SCORE, first});
    EXPECT_EQ(open.nodes, static_cast<uint64_t>(1 + n));
    // A score not above lower never stops the node, even when it reaches
    // upper; the four children score alike by symmetry.
    SearchContext below(notCancelled, random);
    search(below, position, 0, 1, {2, false, true}, {first, first + 1});
    EXPECT_EQ(below.nodes, static_cast<uint64_t>(1 + n));
}

TEST(Search, ColourTwoNodeStopsAtTheFirstChildReachingLower)
{
    Random random;
    BoardPosition position;
    position.setStartPosition();
    position.applyMove(19);
    ASSERT_EQ(position.sideToMove, 2);
    const int n = position.moveCount;
    BoardPosition child;
    child.copyAndApply(position, position.moves[0]);
    const PackedScore first = child.evaluate(n);

    SearchContext stopping(notCancelled, random);
    EXPECT_EQ(search(stopping, position, 4, 1, {2, false, true}, {first, HIGHEST_SCORE}), first);
    EXPECT_EQ(stopping.nodes, 2u);
    // A score not below upper never stops the node, even when it reaches lower.
    SearchContext above(notCancelled, random);
    search(above, position, 4, 1, {2, false, true}, {first - 1, first});
    EXPECT_GT(above.nodes, 2u);
}

TEST(Search, FinishedGameBeforeTheHorizonScoresExactly)
{
    Random random;
    // Colour 1's only move takes the last disc of colour 2.
    const BoardPosition position = positionFromText(std::string("XO") + std::string(62, '.') + "X");
    BoardPosition over;
    over.copyAndApply(position, 2);
    ASSERT_EQ(over.sideToMove, GAME_OVER);
    SearchContext deep(notCancelled, random);
    EXPECT_EQ(search(deep, position, 0, 0, {3, true, true}, FULL_WINDOW), over.finalScore());
    EXPECT_EQ(over.finalScore(), 0x824144);
    SearchContext shallow(notCancelled, random);
    EXPECT_EQ(search(shallow, position, 0, 0, {1, true, true}, FULL_WINDOW), over.evaluate(1));
    EXPECT_EQ(over.evaluate(1), 0x444244);
}

TEST(Search, APassCostsOnePly)
{
    Random random;
    BoardPosition position;
    int square = NO_MOVE;
    ASSERT_TRUE(findMoveIntoPass(position, square));
    BoardPosition passState;
    passState.copyAndApply(position, square);
    BoardPosition afterPass;
    afterPass.copyAndApply(passState, NO_MOVE);
    const int n = position.moveCount;

    // The pass state at ply 1 of a level-2 search: the position after the
    // pass is at the horizon and is evaluated with no parent moves.
    SearchContext context(notCancelled, random);
    EXPECT_EQ(search(context, passState, n, 1, {2, false, true}, FULL_WINDOW), afterPass.evaluate(0));
    EXPECT_EQ(context.nodes, 2u);
    // At the horizon the pass state itself is evaluated.
    SearchContext horizon(notCancelled, random);
    EXPECT_EQ(search(horizon, passState, n, 1, {1, false, true}, FULL_WINDOW), passState.evaluate(n));
    // At level 3 the pass leaves one more ply below it.
    SearchContext deeper(notCancelled, random);
    EXPECT_EQ(search(deeper, passState, n, 1, {3, true, true}, FULL_WINDOW), minimax(passState, n, 1, 3));
}

TEST(Search, StartedCancelledItReturnsAtOnceWithoutMoveOrDraw)
{
    const std::atomic<bool> cancelled{true};
    const BoardPosition position = choicePositions(3, 1, 10).at(1);
    Random random(1234);
    SearchContext context(cancelled, random);
    search(context, position, 0, 0, {6, true, true}, FULL_WINDOW);
    EXPECT_EQ(context.chosenMove, NO_MOVE);
    EXPECT_EQ(context.nodes, 1u);
    EXPECT_EQ(random.seed(), 1234u);
    EXPECT_EQ(chooseRobotMove(position, 6, random, cancelled), NO_MOVE);
    EXPECT_EQ(random.seed(), 1234u);
}

TEST(Search, FlagSetFromAnotherThreadEndsALevelSixSearch)
{
    // Searches run one after another until one of them sees the flag; the
    // flag is set once the first search is under way.
    BoardPosition position = choicePositions(23, 1, 20).at(1);
    std::atomic<bool> cancelled{false};
    std::atomic<bool> started{false};
    int32_t lastMove = 0;
    std::thread worker([&] {
        Random random;
        for (;;) {
            SearchContext context(cancelled, random);
            started.store(true);
            search(context, position, 0, 0, {6, true, true}, FULL_WINDOW);
            if (context.chosenMove == NO_MOVE) {
                lastMove = context.chosenMove;
                return;
            }
        }
    });
    while (!started.load())
        std::this_thread::yield();
    cancelled.store(true);
    worker.join();
    EXPECT_EQ(lastMove, NO_MOVE);
}

// The hint by brute force: each move's value by plain minimax of the
// position after it to the level-6 horizon; the first of the best, in the
// order of the move list.
int32_t referenceHint(const BoardPosition& position, std::vector<PackedScore>* values = nullptr)
{
    int32_t hint = NO_MOVE;
    PackedScore best = 0;
    for (int i = 0; i < position.moveCount; ++i) {
        BoardPosition child;
        child.copyAndApply(position, position.moves[i]);
        const PackedScore value = minimax(child, position.moveCount, 1, 6);
        if (values != nullptr)
            values->push_back(value);
        if (hint == NO_MOVE || (position.sideToMove == 1 ? value > best : value < best)) {
            hint = position.moves[i];
            best = value;
        }
    }
    return hint;
}

TEST(Hint, EqualsBruteForceOnSelfPlayPositionsForBothSides)
{
    // The last moves of two games, few enough for plain minimax: a short
    // game that colour 1 ends by taking colour 2's last discs, and a long one
    // that colour 2 ends on the last empty square.
    struct Game {
        uint32_t seed;
        size_t lastMoves;
    };
    bool sideSeen[3] = {};
    bool endingHintSeen = false;
    for (const Game& g : {Game{1, 2}, Game{8, 14}}) {
        const SelfPlayResult game = selfPlay(g.seed, 1, 2);
        BoardPosition position;
        position.setStartPosition();
        for (size_t i = 0; i < game.moves.size(); ++i) {
            if (i + g.lastMoves >= game.moves.size() && position.moveCount >= 2) {
                const int32_t expected = referenceHint(position);
                uint64_t nodes = 0;
                ASSERT_EQ(chooseHint(position, notCancelled, &nodes), expected) << "seed " << g.seed << " move " << i;
                EXPECT_GT(nodes, 0u);
                sideSeen[position.sideToMove] = true;
                BoardPosition after;
                after.copyAndApply(position, expected);
                endingHintSeen = endingHintSeen || after.sideToMove == GAME_OVER;
            }
            position.applyMove(game.moves[i]);
        }
    }
    EXPECT_TRUE(sideSeen[1]);
    EXPECT_TRUE(sideSeen[2]);
    EXPECT_TRUE(endingHintSeen);
}

TEST(Hint, AmongEqualValuesTheFirstSquareWins)
{
    // The start position is symmetric: every move of either colour is worth
    // the same, and the lowest square is the hint.
    const std::string start = std::string(27, '.') + "OX......XO" + std::string(27, '.');
    for (const char* side : {"X", "O"}) {
        const BoardPosition position = positionFromText(start + side);
        std::vector<PackedScore> values;
        referenceHint(position, &values);
        ASSERT_EQ(values.size(), 4u);
        ASSERT_EQ(std::count(values.begin(), values.end(), values[0]), 4) << side;
        EXPECT_EQ(chooseHint(position, notCancelled), position.moves[0]) << side;
    }
}

TEST(Hint, NoMoveWithoutALegalMoveOrWhenCancelled)
{
    const std::atomic<bool> cancelled{true};
    BoardPosition passState;
    int square = NO_MOVE;
    ASSERT_TRUE(findMoveIntoPass(passState, square));
    const BoardPosition choice = choicePositions(3, 1, 10).at(1);
    passState.applyMove(square);
    const BoardPosition over = positionFromText(std::string("XXX") + std::string(61, '.') + "O");
    const BoardPosition single = positionFromText(std::string("XO") + std::string(62, '.') + "X");
    ASSERT_EQ(passState.moveCount, 0);
    ASSERT_EQ(over.sideToMove, GAME_OVER);
    ASSERT_EQ(single.moveCount, 1);
    EXPECT_EQ(chooseHint(passState, notCancelled), NO_MOVE);
    EXPECT_EQ(chooseHint(over, notCancelled), NO_MOVE);
    EXPECT_EQ(chooseHint(BoardPosition(), notCancelled), NO_MOVE);
    EXPECT_EQ(chooseHint(single, notCancelled), 2);
    uint64_t nodes = 7;
    EXPECT_EQ(chooseHint(choice, cancelled, &nodes), NO_MOVE);
    EXPECT_EQ(nodes, 0u);
    EXPECT_EQ(chooseHint(single, cancelled), NO_MOVE);
}

}  // namespace
}  // namespace engine
