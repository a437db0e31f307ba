// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the robot's choice at each level and of the evaluation, over a
// fixed set of midgame positions reached by robot self-play.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/board_position.h"
#include "engine/robot.h"
#include "engine/selfplay.h"

namespace {

using engine::BoardPosition;
using engine::selfPlay;
using engine::SelfPlayResult;

// The positions after 20 moves of eight level-3 games with fixed seeds.
const std::vector<BoardPosition>& midgamePositions()
{
    static const std::vector<BoardPosition> positions = [] {
        std::vector<BoardPosition> result;
        for (uint32_t seed = 1; seed <= 8; ++seed) {
            const SelfPlayResult game = selfPlay(seed, 3, 3);
            BoardPosition position;
            position.setStartPosition();
            for (size_t i = 0; i < 20 && i < game.moves.size(); ++i)
                position.applyMove(game.moves[i]);
            if (position.moveCount > 0)
                result.push_back(position);
        }
        return result;
    }();
    return positions;
}

void chooseMove(benchmark::State& state)
{
    const int level = static_cast<int>(state.range(0));
    const std::vector<BoardPosition>& positions = midgamePositions();
    const std::atomic<bool> notCancelled{false};
    uint64_t nodes = 0;
    size_t next = 0;
    engine::Random random(1);
    for (auto _ : state) {
        uint64_t searched = 0;
        benchmark::DoNotOptimize(engine::chooseRobotMove(positions[next], level, random, notCancelled, &searched));
        nodes += searched;
        next = (next + 1) % positions.size();
    }
    state.counters["nodes_per_second"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
    state.counters["nodes_per_choice"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(chooseMove)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

// The hint on the same midgame positions: every move searched exactly to
// the level-6 horizon.
void chooseHintMove(benchmark::State& state)
{
    const std::vector<BoardPosition>& positions = midgamePositions();
    const std::atomic<bool> notCancelled{false};
    uint64_t nodes = 0;
    size_t next = 0;
    for (auto _ : state) {
        uint64_t searched = 0;
        benchmark::DoNotOptimize(engine::chooseHint(positions[next], notCancelled, &searched));
        nodes += searched;
        next = (next + 1) % positions.size();
    }
    state.counters["nodes_per_second"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
    state.counters["nodes_per_choice"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(chooseHintMove)->Unit(benchmark::kMillisecond);

void evaluatePosition(benchmark::State& state)
{
    const std::vector<BoardPosition>& positions = midgamePositions();
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(positions[next].evaluate(10));
        next = (next + 1) % positions.size();
    }
}
BENCHMARK(evaluatePosition);

void evaluateFinishedGames(benchmark::State& state)
{
    // Full boards: every line full, the stability analysis at its longest.
    std::vector<BoardPosition> positions;
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        const SelfPlayResult game = selfPlay(seed, 2, 2);
        BoardPosition position;
        position.setStartPosition();
        for (int32_t move : game.moves)
            position.applyMove(move);
        positions.push_back(position);
    }
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(positions[next].evaluate(3));
        next = (next + 1) % positions.size();
    }
}
BENCHMARK(evaluateFinishedGames);

// Every position of eight level-2 games with a choice of moves: the moves
// the search plays, from the opening to the last empty square.
const std::vector<BoardPosition>& gamePositions()
{
    static const std::vector<BoardPosition> positions = [] {
        std::vector<BoardPosition> result;
        for (uint32_t seed = 1; seed <= 8; ++seed) {
            const SelfPlayResult game = selfPlay(seed, 2, 2);
            BoardPosition position;
            position.setStartPosition();
            for (int32_t move : game.moves) {
                if (position.moveCount > 0)
                    result.push_back(position);
                position.applyMove(move);
            }
        }
        return result;
    }();
    return positions;
}

// One iteration plays every legal move of one position on a copy, as the
// search does for each child: copy, captures, then the turn handed on.
void playMoves(benchmark::State& state)
{
    const std::vector<BoardPosition>& positions = gamePositions();
    BoardPosition child;
    size_t next = 0;
    int64_t moves = 0;
    for (auto _ : state) {
        const BoardPosition& position = positions[next];
        for (int i = 0; i < position.moveCount; ++i) {
            child.copyAndApply(position, position.moves[i]);
            benchmark::DoNotOptimize(child);
        }
        moves += position.moveCount;
        next = (next + 1) % positions.size();
    }
    state.counters["moves_per_second"] = benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(playMoves);

// The capture walk alone: what every legal move of one position turns.
void capturesOfMoves(benchmark::State& state)
{
    const std::vector<BoardPosition>& positions = gamePositions();
    size_t next = 0;
    int64_t moves = 0;
    for (auto _ : state) {
        const BoardPosition& position = positions[next];
        for (int i = 0; i < position.moveCount; ++i)
            benchmark::DoNotOptimize(position.capturesOf(position.moves[i]));
        moves += position.moveCount;
        next = (next + 1) % positions.size();
    }
    state.counters["moves_per_second"] = benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(capturesOfMoves);

void perftFromStart(benchmark::State& state)
{
    BoardPosition start;
    start.setStartPosition();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::perft(start, static_cast<int>(state.range(0))));
}
BENCHMARK(perftFromStart)->Arg(6)->Unit(benchmark::kMillisecond);

}  // namespace
