// SPDX-License-Identifier: GPL-3.0-or-later
// The exact endgame solver: negamax with alpha-beta over bitboards, to the
// end of the game (the search itself is in engine/solver_search.inc).
//
// The search runs hundreds of millions of nodes a minute on a few bit
// operations each, and the program is built for the baseline x86-64
// instruction set, which lacks the two that matter most: a popcount, and the
// wide vectors that follow four directions at once (to find the moves and
// the discs a move turns). So the search is compiled three times, each copy
// with the instructions it may use, and every solve runs the fastest copy
// this processor can run.
#include "engine/solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <memory>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

#include "engine/bitboard.h"
#include "engine/pattern_evaluation.h"

namespace engine {

namespace {

namespace portable {
#define SEARCH_POPCOUNT_INSTRUCTION 0
#define SEARCH_VECTOR_MOVES 0
#include "engine/solver_search.inc"
#undef SEARCH_POPCOUNT_INSTRUCTION
#undef SEARCH_VECTOR_MOVES
}  // namespace portable

#if ENGINE_X86_64_COPIES
#pragma GCC push_options
#pragma GCC target("popcnt")
namespace withPopcount {
#define SEARCH_POPCOUNT_INSTRUCTION 1
#define SEARCH_VECTOR_MOVES 0
#include "engine/solver_search.inc"
#undef SEARCH_POPCOUNT_INSTRUCTION
#undef SEARCH_VECTOR_MOVES
}  // namespace withPopcount
#pragma GCC pop_options

#pragma GCC push_options
#pragma GCC target("popcnt,bmi,bmi2,avx2")
namespace withAvx2 {
#define SEARCH_POPCOUNT_INSTRUCTION 1
#define SEARCH_VECTOR_MOVES 1
#include "engine/solver_search.inc"
#undef SEARCH_POPCOUNT_INSTRUCTION
#undef SEARCH_VECTOR_MOVES
}  // namespace withAvx2
#pragma GCC pop_options
#endif

// Runs `solve` with the entry points of `copy`, or of the portable copy when
// this processor cannot run that one.
template <typename Solve>
auto runCopy(SolverCopy copy, Solve&& solve)
{
#if ENGINE_X86_64_COPIES
    if (copy == SolverCopy::Avx2 && canRun(SolverCopy::Avx2))
        return solve(withAvx2::Copy{});
    if (copy != SolverCopy::Portable && canRun(SolverCopy::Popcount))
        return solve(withPopcount::Copy{});
#else
    (void)copy;
#endif
    return solve(portable::Copy{});
}

}  // namespace

bool canRun(SolverCopy copy)
{
#if ENGINE_X86_64_COPIES
    static const bool popcount = __builtin_cpu_supports("popcnt");
    static const bool avx2 =
        popcount && __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2");
    switch (copy) {
    case SolverCopy::Portable:
        return true;
    case SolverCopy::Popcount:
        return popcount;
    case SolverCopy::Avx2:
        return avx2;
    }
    return false;
#else
    return copy == SolverCopy::Portable;
#endif
}

SolverCopy fastestCopy()
{
    return canRun(SolverCopy::Avx2)       ? SolverCopy::Avx2
           : canRun(SolverCopy::Popcount) ? SolverCopy::Popcount
                                          : SolverCopy::Portable;
}

std::vector<MoveValue> solveMoves(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes,
                                  SolverCopy copy)
{
    return runCopy(copy, [&](auto search) { return search.moves(position, cancelled, nodes); });
}

MoveValue solveBest(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes)
{
    return runCopy(fastestCopy(), [&](auto search) { return search.best(position, cancelled, nodes, false); });
}

MoveValue solveHint(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes)
{
    return runCopy(fastestCopy(), [&](auto search) { return search.best(position, cancelled, nodes, true); });
}

int solveValue(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes)
{
    return runCopy(fastestCopy(), [&](auto search) { return search.value(position, cancelled, nodes); });
}

}  // namespace engine
