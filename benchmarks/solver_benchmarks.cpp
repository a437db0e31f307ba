// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the exact endgame solver on the published endgame test positions
// 40 to 44 (20 to 23 empty squares): the best move alone, the hint (the
// first of the best moves) and every move's value, with the nodes searched
// per solve and per second; and every move's value on more positions of 20
// empty squares, the most the game solves exactly.
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

void solveEveryMove(benchmark::State& state)
{
    solvePosition(state, [](const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t& nodes) {
        benchmark::DoNotOptimize(engine::solveMoves(position, cancelled, &nodes));
    });
}
BENCHMARK(solveEveryMove)->DenseRange(40, 44)->Unit(benchmark::kMillisecond)->Iterations(1);

void solveHintMove(benchmark::State& state)
{
    solvePosition(state, [](const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t& nodes) {
        benchmark::DoNotOptimize(engine::solveHint(position, cancelled, &nodes));
    });
}
BENCHMARK(solveHintMove)->DenseRange(40, 44)->Unit(benchmark::kMillisecond)->Iterations(1);

// Every move's value on TWENTY_EMPTIES[state.range(0)].
void solveEveryMoveAtTwenty(benchmark::State& state)
{
    solvePosition(state, TWENTY_EMPTIES[static_cast<size_t>(state.range(0))],
                  [](const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t& nodes) {
                      benchmark::DoNotOptimize(engine::solveMoves(position, cancelled, &nodes));
                  });
}
BENCHMARK(solveEveryMoveAtTwenty)->DenseRange(0, 14)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
