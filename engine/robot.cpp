// SPDX-License-Identifier: GPL-3.0-or-later
// The robot: a depth-limited alpha-beta search over packed scores, and the
// weighted random choice among the root's moves that depends on the level.
#include "engine/robot.h"

#include <cmath>

namespace engine {

namespace {

int stableByte(PackedScore score)
{
    return (score >> 16) & 0xFF;
}
int mobilityByte(PackedScore score)
{
    return (score >> 8) & 0xFF;
}
int discByte(PackedScore score)
{
    return score & 0xFF;
}

}  // namespace

void sortByScore(int entries, int direction, const PackedScore* scores, int32_t* order)
{
    // Insertion sort; an entry moves only past strictly worse entries, so
    // equal scores keep their relative order.
    for (int i = 1; i < entries; ++i) {
        const int32_t entry = order[i];
        const PackedScore score = scores[entry];
        int j = i;
        while (j > 0 && sign(scores[order[j - 1]] - score) == direction) {
            order[j] = order[j - 1];
            --j;
        }
        order[j] = entry;
    }
}

PackedScore search(SearchContext& context, const BoardPosition& position, int parentMoveCount, int ply,
                   SearchLimits limits, SearchWindow window)
{
    const int horizon = limits.horizon;
    ++context.nodes;
    if (context.cancelled.load(std::memory_order_relaxed))
        return LOWEST_SCORE;
    if (ply == horizon)
        return position.evaluate(parentMoveCount);

    BoardPosition child;
    if (position.moveCount == 0) {
        if (position.sideToMove == GAME_OVER)
            return position.finalScore();
        // The pass state: the pass is a move of its own and costs one ply.
        child.copyAndApply(position, NO_MOVE);
        return search(context, child, 0, ply + 1, limits, window);
    }

    const int n = position.moveCount;
    const int side = position.sideToMove;
    int32_t order[MAX_MOVES];
    PackedScore scores[MAX_MOVES];
    for (int i = 0; i < n; ++i)
        order[i] = i;

    const bool childrenSearched = ply < horizon - 1;
    if (limits.orderMoves && childrenSearched) {
        for (int i = 0; i < n; ++i) {
            child.copyAndApply(position, position.moves[i]);
            scores[i] = child.evaluate(n);
        }
        sortByScore(n, side == 1 ? -1 : 1, scores, order);
    }

    PackedScore best = side == 1 ? LOWEST_SCORE : HIGHEST_SCORE;
    bool stop = false;
    const SearchLimits childLimits{horizon, childrenSearched ? limits.orderMoves : false, limits.useCutoffs};
    int i = 0;
    while (i < n) {
        child.copyAndApply(position, position.moves[order[i]]);
        const PackedScore q = search(context, child, n, ply + 1, childLimits, window);
        // A cancelled child's score means nothing: unwind without using it.
        if (context.cancelled.load(std::memory_order_relaxed))
            return LOWEST_SCORE;
        scores[order[i]] = q;
        if (side == 1) {
            if (q > best) {
                best = q;
                if (limits.useCutoffs && q > window.lower) {
                    if (q >= window.upper) {
                        stop = true;
                    } else {
                        window.lower = q;
                    }
                }
            }
        } else {
            if (q < best) {
                best = q;
                if (limits.useCutoffs && q < window.upper) {
                    if (q <= window.lower) {
                        stop = true;
                    } else {
                        window.upper = q;
                    }
                }
            }
        }
        ++i;
        if (stop)
            break;
    }

    if (ply == 0)
        context.chosenMove = chooseRootMove(position.moves, scores, order, i, horizon, side, context.random);
    return best;
}

int32_t chooseRootMove(const int32_t* moves, const PackedScore* scores, int32_t* order, int entries, int level,
                       int side, Random& random)
{
    const int s = side == 1 ? 1 : -1;
    sortByScore(entries, -s, scores, order);

    const double e = 1.0 / (std::pow(2.0, static_cast<double>(level - 1)) + 0.5);
    double weights[MAX_MOVES];
    double total = 0.0;
    int bestStable = 0;
    int referenceMobility = 0;
    int referenceDiscs = 0;
    for (int k = 0; k < entries; ++k) {
        const PackedScore v = scores[order[k]];
        const int t = s * (stableByte(v) - 0x41);
        const int m = s * (mobilityByte(v) - 0x41);
        const int d = s * (discByte(v) - 0x41);
        if (k == 0) {
            bestStable = t;
            referenceMobility = m;
            referenceDiscs = d;
        } else {
            const PackedScore previous = scores[order[k - 1]];
            if (stableByte(v) != stableByte(previous)) {
                referenceMobility = m;
                referenceDiscs = d;
            } else if (mobilityByte(v) != mobilityByte(previous)) {
                referenceDiscs = d;
            }
        }
        // Each step worse than the reference multiplies the weight by e; a
        // worse field still keeps the share e of the finer fields' weight.
        const double w = std::pow(e, static_cast<double>(bestStable - t)) *
                         (e + (1.0 - e) * std::pow(e, static_cast<double>(referenceMobility - m)) *
                                  (e + (1.0 - e) * std::pow(e, static_cast<double>(referenceDiscs - d))));
        weights[k] = w;
        total += w;
    }

    const unsigned r = random.below(65536);
    const double threshold = static_cast<double>(r) * total / 65536.0;
    double sum = 0.0;
    for (int k = 0; k < entries; ++k) {
        sum += weights[k];
        if (sum > threshold)
            return moves[order[k]];
    }
    return moves[order[entries - 1]];
}

int32_t chooseRobotMove(const BoardPosition& position, int level, Random& random, const std::atomic<bool>& cancelled,
                        uint64_t* nodes)
{
    if (nodes != nullptr)
        *nodes = 0;
    if (position.moveCount == 1)
        return position.moves[0];
    // The opening position: any of the four symmetric moves, without a search.
    if (position.discCount2 == 2 && position.discCount1 == 2)
        return position.moves[random.below(4)];
    SearchContext context(cancelled, random);
    search(context, position, 0, 0, {level, true, true}, FULL_WINDOW);
    if (nodes != nullptr)
        *nodes = context.nodes;
    return context.chosenMove;
}

int32_t chooseHint(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes)
{
    if (nodes != nullptr)
        *nodes = 0;
    if (position.moveCount == 0 || cancelled.load(std::memory_order_relaxed))
        return NO_MOVE;
    if (position.moveCount == 1)
        return position.moves[0];
    // Every search here starts below the root, so none of them draws.
    Random unused;
    SearchContext context(cancelled, unused);
    const int side = position.sideToMove;
    BoardPosition child;
    int32_t hint = NO_MOVE;
    PackedScore best = 0;
    for (int i = 0; i < position.moveCount; ++i) {
        child.copyAndApply(position, position.moves[i]);
        // Each move's value is exact: its own search with the full window,
        // not one narrowed by the moves before it.
        const PackedScore value = search(context, child, position.moveCount, 1, {6, true, true}, FULL_WINDOW);
        if (cancelled.load(std::memory_order_relaxed))
            break;
        if (hint == NO_MOVE || (side == 1 ? value > best : value < best)) {
            hint = position.moves[i];
            best = value;
        }
    }
    if (nodes != nullptr)
        *nodes = context.nodes;
    return cancelled.load(std::memory_order_relaxed) ? NO_MOVE : hint;
}

}  // namespace engine
