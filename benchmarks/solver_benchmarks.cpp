// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the exact endgame solver on the published endgame test positions
// 40 to 44 (20 to 23 empty squares): the best move alone and every move's
// value, with the nodes searched per solve and per second.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>

#include "engine/board_position.h"
#include "engine/notation.h"
#include "engine/solver.h"
#include "tests/engine/fforum.h"

namespace {

using engine::BoardPosition;

// Runs `solve` (which reports its node count) on FForum position
// `state.range(0)` and reports nodes per solve and per second.
template <typename Solve>
void solvePosition(benchmark::State& state, Solve&& solve)
{
    const FforumPosition& published = fforumPositions()[static_cast<size_t>(state.range(0) - 40)];
    BoardPosition position;
    if (!engine::parsePosition(published.position, position)) {
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

}  // namespace
