// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the exact endgame solver on the published endgame test positions
// 40 to 44 (20 to 23 empty squares): the best move alone, the hint (the
// first of the best moves) and every move's value, with the nodes searched
// per solve and per second; and every move's value on more positions of 20
// empty squares, the most the game solves exactly, from two kinds of games.
#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <string_view>

#include "engine/board_position.h"
#include "engine/notation.h"
#include "engine/solver.h"
#include "tests/engine/fforum.h"

namespace {

using engine::BoardPosition;

// Positions of 20 empty squares, dark to move, from games of eight random
// moves followed by the robot's hint for both sides.
constexpr std::array<std::string_view, 15> TWENTY_EMPTIES = {
    "...XXXX.O.OOXX..O.OXOXXXOOXOOOXX.XOXXOXXXXXOXOX....XOO.....XXO..X",
    ".X.OO.....XOXX.X.XOOXXXX.OOXOXXX..XOOOOXOOOOOOO...OXXO.O.OO.X.O.X",
    ".OO.XXX...OOXX.O.OOOOXX..OOOXOXX..OOXXOXOOXOOX.O..XXOX....XXXX..X",
    ".OOOOO....OXXOO.XXXOOXOOXOOXOOXOXOOOOOOX.OOOOOOOO.O.O...........X",
    "..OOOO....OXXOO.XOOXXOOOOOOOOXOO.OXOOOXOOOOOOOOO.OO....O..O.....X",
    "..OOOOO...OOXO....OXOOOO..XXXXOX...XXOOO..XXOXOO..XOXOOO.XXXX.OOX",
    "..XXXXX.X.XXOX..XXXOXO..XXXOXO..XXXOXO..XOOOOO..XOXXXX....XXXX..X",
    ".OOOO..X..XXOXX.XXXOOXXX..OXOOXXOOOOXOOO..OOXOOO..OOOO....OO....X",
    ".OOOOO..O.OOOO..OOOXXXX.OXOXOX..OXXOXO..OXXXOO....XXX.O...XXXX.OX",
    "..O.OX...OOOOO...XOXOOXX.XXOOOX..XXOOOX..XXOOOXXX.XXOO...OOOOO..X",
    ".OOO......OOOO.XX.OOOOXXXOOXOXXXXOOXXXXXXOOOOOO.XXO.O..OX.......X",
    "OOOOOOO.OOXXXO..OOXOOOO.OOXOXXX.OOXOX...OOXXXXX...XXXO....X.....X",
    "..XXXXX...XXXXX..OXXXXXO.OXOXOOXOOOXOOX...XOXOO...XXOO.O...X.OX.X",
    ".XO.......OOXX.X.OOXOXXXOOOXXOOXOOXOOOOX.XXOOOXXX.OOOO.....O..O.X",
    "...O....X.XO....XXXOOX.XXXXOOOXXXXOOOOOX..XOXOO...OXOOOO..OOOOOOX",
};

// Positions of 20 empty squares, dark to move, from games of 4 to 15 random
// moves followed by the level-3 robot's for both sides: games closer than the
// ones above, whose moves' values lie nearer each other and take longer to
// tell apart.
constexpr std::array<std::string_view, 15> CLOSE_TWENTY_EMPTIES = {
    "XXXXXXX..XXXXX..X.XXXOX.XXXXOOOOXOXXXOX.XOOO.O....OXOOX......O..X",
    "OXXOOX..OOOOXXO.OXXXOX..OXXXXO..OXXXOOXXO.XX.XXXO...XO.X.....O..X",
    "O.O.X..X.OOXXOX.X.OOXX..XXOOXOXXXXXOXXXXOOOOOXXX.O.OO...O...O...X",
    "XXXX....XOXXO..XXXXXOOOXXXOOXO.XXOOXOOO.OOOXXXO...O..X...OOO....X",
    "....OO.....OOO.....OOO...OXOXXXXOOOOXXX.OOXOOXXOOOOOOOX.OOOOOOO.X",
    "X...O...OXXOXX...XXXXOX..XXXOXX.OXOXXOX.OOOXOXO.X.XOO.XO.XXXO...X",
    "....O..O..O.OOOO..XOOOOO..XXOOOOOOOOOOOO..XXOXOO..XXOOX..XXX.XXXX",
    "X........XXX.OXX.OXXOXX...XOXXOO..XOXXO..OOOO.O..OOXXOOXOOOOOOOOX",
    ".OOOOOOO.XXXOX....XOXX....OXOX..OOXXOO..OOXXOOO..XXOXO...OOOOOO.X",
    "....O......OOX..XOOXOXX.OOOOOXX.OOOOXO.X.OOXOXX.OOXOXXO.O.X.OXOOX",
    "X.XXXO...XXXXOX.OXXXOO...XXOXOX.XXOOXX...OXOOXX.O.XOOOXX...O...XX",
    "O.X.....O..X.X..OOOOXX..OOXOXXXXOOOXOOOOOXOOOOO.OOOOXO..OO..OX..X",
    "X.OOO...XX.O....XXXOXOOOOOOXXXO.OOOXXXXOO.XOOXXX..X..XX...X..XXXX",
    "OOOOOOO..OOOX...X.OOXXXX.XXXOXXXOOXOXOXXOXXXXXO.O..X...OO.......X",
    "..XXX.....XX.XX..OXOOXXX..OOOOOO.OOXXOO...OXOOO..XOOOXXO..OOOOOOX",
};

// Runs `solve` (which reports its node count) on `text` and reports nodes per
// solve and per second.
template <typename Solve>
void solvePosition(benchmark::State& state, std::string_view text, Solve&& solve)
{
    BoardPosition position;
    if (!engine::parsePosition(text, position)) {
        state.SkipWithError("position does not parse");
        return;
    }
    const std::atomic<bool> notCancelled{false};
    uint64_t nodes = 0;
    for (auto _ : state) {
        uint64_t searched = 0;
        solve(position, notCancelled, searched);
        nodes += searched;
    }
    state.counters["nodes"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kAvgIterations);
    state.counters["nodes_per_second"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

// The same on FForum position `state.range(0)`.
template <typename Solve>
void solvePosition(benchmark::State& state, Solve&& solve)
{
    solvePosition(state, fforumPositions()[static_cast<size_t>(state.range(0) - 40)].position, solve);
}

void solveBestMove(benchmark::State& state)
{
    solvePosition(state, [](const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t& nodes) {
        benchmark::DoNotOptimize(engine::solveBest(position, cancelled, &nodes));
    });
}
BENCHMARK(solveBestMove)->DenseRange(40, 44)->Unit(benchmark::kMillisecond)->Iterations(1);

// Solves every move of a position, for solvePosition.
constexpr auto EVERY_MOVE = [](const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t& nodes) {
    benchmark::DoNotOptimize(engine::solveMoves(position, cancelled, &nodes));
};

void solveEveryMove(benchmark::State& state)
{
    solvePosition(state, EVERY_MOVE);
}
BENCHMARK(solveEveryMove)->DenseRange(40, 44)->Unit(benchmark::kMillisecond)->Iterations(1);

void solveHintMove(benchmark::State& state)
{
    solvePosition(state, [](const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t& nodes) {
        benchmark::DoNotOptimize(engine::solveHint(position, cancelled, &nodes));
    });
}
BENCHMARK(solveHintMove)->DenseRange(40, 44)->Unit(benchmark::kMillisecond)->Iterations(1);

// Every move's value on TWENTY_EMPTIES[state.range(0)], and on
// CLOSE_TWENTY_EMPTIES[state.range(0)].
void solveEveryMoveAtTwenty(benchmark::State& state)
{
    solvePosition(state, TWENTY_EMPTIES[static_cast<size_t>(state.range(0))], EVERY_MOVE);
}
BENCHMARK(solveEveryMoveAtTwenty)->DenseRange(0, 14)->Unit(benchmark::kMillisecond)->Iterations(1);

void solveEveryMoveAtTwentyClose(benchmark::State& state)
{
    solvePosition(state, CLOSE_TWENTY_EMPTIES[static_cast<size_t>(state.range(0))], EVERY_MOVE);
}
BENCHMARK(solveEveryMoveAtTwentyClose)->DenseRange(0, 14)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
