// SPDX-License-Identifier: GPL-3.0-or-later
// The robot: depth-limited search over packed scores and the weighted
// random choice among the root's moves; and the hint, the best move by the
// same search without the random choice.
#pragma once

#include <atomic>
#include <cstdint>

#include "engine/board_position.h"
#include "engine/random.h"

namespace engine {

// What one search needs besides its arguments: the flag that cancels it and
// the generator the root's choice draws from; and what it reports back.
struct SearchContext {
    SearchContext(const std::atomic<bool>& cancelledFlag, Random& generator)
        : cancelled(cancelledFlag), random(generator)
    {
    }
    const std::atomic<bool>& cancelled;
    Random& random;                // drawn from once, by the root (ply 0)
    int32_t chosenMove = NO_MOVE;  // set by the root (ply 0)
    uint64_t nodes = 0;            // nodes entered, for benchmarks and the bench signature
};

// The shape of a search: positions at ply `horizon` are evaluated; nodes
// order their moves if `orderMoves` (only while their children are searched
// further), and prune if `useCutoffs`.
struct SearchLimits {
    int horizon;
    bool orderMoves;
    bool useCutoffs;
};

// The bounds of the scores that still matter to the nodes above.
struct SearchWindow {
    PackedScore lower;
    PackedScore upper;
};
inline constexpr SearchWindow FULL_WINDOW{LOWEST_SCORE, HIGHEST_SCORE};

// The score of `position` at distance `ply` from the root, whose parent had
// `parentMoveCount` moves (0 after a pass and at the root). At ply 0 it also
// chooses the root's move into context.chosenMove. The result is meaningless
// once context.cancelled is set.
PackedScore search(SearchContext& context, const BoardPosition& position, int parentMoveCount, int ply,
                   SearchLimits limits, SearchWindow window);

// Stable insertion sort of order[0 .. entries - 1] by scores[order[i]]:
// descending for direction -1, ascending for +1.
void sortByScore(int entries, int direction, const PackedScore* scores, int32_t* order);

// The root's weighted random choice among its `entries` searched moves
// order[0 .. entries - 1] (indices into moves and scores) for the robot of
// `level` playing `side`; draws one number from `random`.
int32_t chooseRootMove(const int32_t* moves, const PackedScore* scores, int32_t* order, int entries, int level,
                       int side, Random& random);

// The square the robot of `level` (1..6) plays on `position`, which must have
// at least one legal move. The result is meaningless once `cancelled` is set.
// `nodes`, if given, receives the number of search nodes entered (0 when the
// move was settled without a search).
int32_t chooseRobotMove(const BoardPosition& position, int level, Random& random, const std::atomic<bool>& cancelled,
                        uint64_t* nodes = nullptr);

// The hint: the legal move whose exact level-6 value is best for the side to
// move (highest for colour 1, lowest for colour 2), the first in the move
// list among equals. Each move's value is the search of the position after
// it to the level-6 horizon with the full window; nothing random is drawn.
// A single legal move is returned without a search. NO_MOVE when the side to
// move has no legal move or when `cancelled` is set. `nodes`, if given,
// receives the number of search nodes entered.
int32_t chooseHint(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes = nullptr);

}  // namespace engine
