// SPDX-License-Identifier: GPL-3.0-or-later
// The exact endgame solver: negamax with alpha-beta over bitboards, to the
// end of the game.
//
// The search changes its manner with the number of empty squares n:
// - n > SHALLOW_EMPTIES: the moves are listed and tried fastest first (the
//   move that leaves the opponent the fewest replies first), with a
//   transposition table, null-window searches after the first move, and,
//   high in the tree, a look at the children's table entries before any of
//   them is searched (an enhanced transposition cutoff).
// - n <= SHALLOW_EMPTIES: no list and no table; the empty squares are tried
//   directly, first those in a quadrant with an odd number of empties (the
//   parity of the quadrants: whoever plays last in a region tends to keep
//   it).
// - n = 2 and n = 1: code of their own that only counts the discs at the end.
#include "engine/solver.h"

#include <algorithm>
#include <bit>
#include <memory>

#include "engine/bitboard.h"

namespace engine {

namespace {

// Above any disc difference.
constexpr int INFINITE_VALUE = 65;
// At or below this many empties: no move list and no table.
constexpr int SHALLOW_EMPTIES = 6;
// At or above this many empties: the children's table entries are probed
// before any child is searched.
constexpr int ETC_EMPTIES = 12;

int popcount(Bitboard b)
{
    return std::popcount(b);
}

// The final difference for `mover` when neither side can move.
int finalValue(Bitboard mover, Bitboard opponent)
{
    const int own = popcount(mover);
    const int other = popcount(opponent);
    const int empties = 64 - own - other;
    const int difference = own - other;
    if (difference > 0)
        return difference + empties;
    if (difference < 0)
        return difference - empties;
    return 0;
}

// The four 4 by 4 quadrants of the board.
constexpr Bitboard QUADRANTS[4] = {0x000000000F0F0F0FULL, 0x00000000F0F0F0F0ULL, 0x0F0F0F0F00000000ULL,
                                   0xF0F0F0F000000000ULL};

// The quadrants that hold an odd number of the `empty` squares.
Bitboard oddQuadrants(Bitboard empty)
{
    Bitboard odd = 0;
    for (Bitboard quadrant : QUADRANTS) {
        if (popcount(empty & quadrant) & 1)
            odd |= quadrant;
    }
    return odd;
}

// One position known to the transposition table: the true value lies in
// [lower, upper]. An exact solve has no horizon, so every bound ever found
// for a position stays true and bounds from different searches combine.
struct Entry {
    Bitboard mover = 0;
    Bitboard opponent = 0;
    int8_t lower = 0;
    int8_t upper = 0;
    int8_t move = NO_MOVE;  // the best or refuting move found, to be tried first
    uint8_t empties = 0;    // the size of the subtree, to keep the larger ones
};

// Buckets of two entries: the first keeps the position with the most
// empties, the second the latest arrival.
class TranspositionTable {
public:
    explicit TranspositionTable(int rootEmpties)
    {
        const int bits = std::clamp(rootEmpties, 10, 20);
        entries_.reset(new Entry[size_t{1} << bits]);
        bucketMask_ = (size_t{1} << (bits - 1)) - 1;
    }

    const Entry* find(Bitboard mover, Bitboard opponent) const
    {
        const Entry* bucket = &entries_[bucketOf(mover, opponent)];
        for (int i = 0; i < 2; ++i) {
            if (bucket[i].mover == mover && bucket[i].opponent == opponent)
                return &bucket[i];
        }
        return nullptr;
    }

    void store(Bitboard mover, Bitboard opponent, int empties, int lower, int upper, int move)
    {
        Entry* bucket = &entries_[bucketOf(mover, opponent)];
        for (int i = 0; i < 2; ++i) {
            Entry& entry = bucket[i];
            if (entry.mover == mover && entry.opponent == opponent) {
                entry.lower = static_cast<int8_t>(std::max<int>(entry.lower, lower));
                entry.upper = static_cast<int8_t>(std::min<int>(entry.upper, upper));
                entry.move = static_cast<int8_t>(move);
                return;
            }
        }
        Entry fresh;
        fresh.mover = mover;
        fresh.opponent = opponent;
        fresh.lower = static_cast<int8_t>(lower);
        fresh.upper = static_cast<int8_t>(upper);
        fresh.move = static_cast<int8_t>(move);
        fresh.empties = static_cast<uint8_t>(empties);
        if (empties >= bucket[0].empties) {
            bucket[1] = bucket[0];
            bucket[0] = fresh;
        } else {
            bucket[1] = fresh;
        }
    }

private:
    size_t bucketOf(Bitboard mover, Bitboard opponent) const
    {
        uint64_t h = mover * 0x9E3779B97F4A7C15ULL;
        h ^= (opponent ^ (h >> 29)) * 0xBF58476D1CE4E5B9ULL;
        h ^= h >> 32;
        return static_cast<size_t>(h & bucketMask_) * 2;
    }

    std::unique_ptr<Entry[]> entries_;
    size_t bucketMask_ = 0;
};

// A position after one move, seen from the side that replies.
struct Child {
    Bitboard mover;
    Bitboard opponent;
    int square;
    int order;  // higher is tried first
};

// Stable insertion sort, highest order first.
void sortChildren(Child* children, int count)
{
    for (int i = 1; i < count; ++i) {
        const Child child = children[i];
        int j = i;
        for (; j > 0 && children[j - 1].order < child.order; --j)
            children[j] = children[j - 1];
        children[j] = child;
    }
}

// The position after `mover` plays `square`, turning `turned`, from the
// opponent's side.
Child play(Bitboard mover, Bitboard opponent, int square, Bitboard turned)
{
    return {opponent ^ turned, mover | turned | squareBit(square), square, 0};
}

// The fastest-first order: fewer replies for the opponent is better, and a
// corner reply counts twice.
int fastestFirstOrder(const Child& child)
{
    const Bitboard replies = legalMoves(child.mover, child.opponent);
    return -(popcount(replies) + popcount(replies & CORNERS));
}

class Solver {
public:
    Solver(const std::atomic<bool>& cancelled, int rootEmpties) : cancelled_(cancelled), table_(rootEmpties) {}

    // The exact value for `mover` if it lies in (alpha, beta); otherwise a
    // bound on the wrong side of the window (fail-soft).
    int solve(Bitboard mover, Bitboard opponent, int alpha, int beta)
    {
        const int empties = 64 - popcount(mover | opponent);
        return search(mover, opponent, alpha, beta, empties);
    }

    // The legal moves of `mover` as children in the order the root tries them.
    int rootChildren(Bitboard mover, Bitboard opponent, Child* children)
    {
        int count = 0;
        for (Bitboard moves = legalMoves(mover, opponent); moves; moves &= moves - 1) {
            const int square = std::countr_zero(moves);
            children[count] = play(mover, opponent, square, flips(mover, opponent, square));
            children[count].order = fastestFirstOrder(children[count]);
            ++count;
        }
        sortChildren(children, count);
        return count;
    }

    bool aborted() const { return aborted_; }
    uint64_t nodes() const { return nodes_; }

private:
    int search(Bitboard mover, Bitboard opponent, int alpha, int beta, int empties)
    {
        if (empties > SHALLOW_EMPTIES)
            return searchDeep(mover, opponent, alpha, beta, empties);
        if (empties > 2)
            return searchShallow(mover, opponent, alpha, beta, empties);
        if (empties == 2)
            return searchTwo(mover, opponent, alpha, beta);
        if (empties == 1)
            return lastMove(mover, opponent, std::countr_zero(~(mover | opponent)));
        ++nodes_;
        return finalValue(mover, opponent);
    }

    // One empty square left: the final difference, counted directly.
    int lastMove(Bitboard mover, Bitboard opponent, int square)
    {
        ++nodes_;
        const int own = popcount(mover);  // the opponent has 63 - own
        if (const int turned = popcount(flips(mover, opponent, square)))
            return 2 * (own + turned) - 62;
        if (const int turned = popcount(flips(opponent, mover, square)))
            return 2 * (own - turned) - 64;
        const int difference = 2 * own - 63;  // odd: the empty square goes to the winner
        return difference > 0 ? difference + 1 : difference - 1;
    }

    int searchTwo(Bitboard mover, Bitboard opponent, int alpha, int beta)
    {
        ++nodes_;
        const Bitboard empty = ~(mover | opponent);
        const int first = std::countr_zero(empty);
        const int second = std::countr_zero(empty & (empty - 1));
        int best = -INFINITE_VALUE;
        if (const Bitboard turned = flips(mover, opponent, first)) {
            best = -lastMove(opponent ^ turned, mover | turned | squareBit(first), second);
            if (best >= beta)
                return best;
        }
        if (const Bitboard turned = flips(mover, opponent, second))
            best = std::max(best, -lastMove(opponent ^ turned, mover | turned | squareBit(second), first));
        if (best > -INFINITE_VALUE)
            return best;

        // The mover passes; the opponent picks the lower value for the mover.
        ++nodes_;
        int worst = INFINITE_VALUE;
        if (const Bitboard turned = flips(opponent, mover, first)) {
            worst = lastMove(mover ^ turned, opponent | turned | squareBit(first), second);
            if (worst <= alpha)
                return worst;
        }
        if (const Bitboard turned = flips(opponent, mover, second))
            worst = std::min(worst, lastMove(mover ^ turned, opponent | turned | squareBit(second), first));
        if (worst < INFINITE_VALUE)
            return worst;
        return finalValue(mover, opponent);
    }

    int searchShallow(Bitboard mover, Bitboard opponent, int alpha, int beta, int empties)
    {
        ++nodes_;
        const Bitboard empty = ~(mover | opponent);
        const Bitboard odd = oddQuadrants(empty);
        int best = -INFINITE_VALUE;
        for (Bitboard squares : {empty & odd, empty & ~odd}) {
            for (; squares; squares &= squares - 1) {
                const int square = std::countr_zero(squares);
                const Bitboard turned = flips(mover, opponent, square);
                if (!turned)
                    continue;
                const Child child = play(mover, opponent, square, turned);
                const int value = empties == 3 ? -searchTwo(child.mover, child.opponent, -beta, -alpha)
                                               : -searchShallow(child.mover, child.opponent, -beta, -alpha,
                                                                empties - 1);
                if (value > best) {
                    best = value;
                    if (value > alpha) {
                        alpha = value;
                        if (value >= beta)
                            return value;
                    }
                }
            }
        }
        if (best > -INFINITE_VALUE)
            return best;
        if (!legalMoves(opponent, mover))
            return finalValue(mover, opponent);
        return -searchShallow(opponent, mover, -beta, -alpha, empties);
    }

    int searchDeep(Bitboard mover, Bitboard opponent, int alpha, int beta, int empties)
    {
        ++nodes_;
        if (cancelled_.load(std::memory_order_relaxed)) {
            aborted_ = true;
            return 0;
        }
        Bitboard moves = legalMoves(mover, opponent);
        if (!moves) {
            if (!legalMoves(opponent, mover))
                return finalValue(mover, opponent);
            return -searchDeep(opponent, mover, -beta, -alpha, empties);
        }

        int tableMove = NO_MOVE;
        if (const Entry* entry = table_.find(mover, opponent)) {
            if (entry->lower >= beta)
                return entry->lower;
            if (entry->upper <= alpha || entry->lower == entry->upper)
                return entry->upper;
            alpha = std::max<int>(alpha, entry->lower);
            beta = std::min<int>(beta, entry->upper);
            tableMove = entry->move;
        }

        Child children[MAX_MOVES];
        int count = 0;
        for (; moves; moves &= moves - 1) {
            const int square = std::countr_zero(moves);
            Child& child = children[count++];
            child = play(mover, opponent, square, flips(mover, opponent, square));
            if (empties >= ETC_EMPTIES) {
                // A child already known to be good enough for us cuts at once.
                if (const Entry* entry = table_.find(child.mover, child.opponent)) {
                    if (-entry->upper >= beta) {
                        table_.store(mover, opponent, empties, -entry->upper, INFINITE_VALUE, square);
                        return -entry->upper;
                    }
                }
            }
            child.order = square == tableMove ? 1 << 20 : fastestFirstOrder(child);
        }
        sortChildren(children, count);

        const int lowest = alpha;
        int best = -INFINITE_VALUE;
        int bestMove = NO_MOVE;
        for (int i = 0; i < count; ++i) {
            const Child& child = children[i];
            int value;
            if (i == 0) {
                value = -search(child.mover, child.opponent, -beta, -alpha, empties - 1);
            } else {
                value = -search(child.mover, child.opponent, -alpha - 1, -alpha, empties - 1);
                if (value > alpha && value < beta)
                    value = -search(child.mover, child.opponent, -beta, -value + 1, empties - 1);
            }
            if (aborted_)
                return 0;
            if (value > best) {
                best = value;
                bestMove = child.square;
                if (value > alpha) {
                    alpha = value;
                    if (value >= beta)
                        break;
                }
            }
        }
        if (best >= beta)
            table_.store(mover, opponent, empties, best, INFINITE_VALUE, bestMove);
        else if (best <= lowest)
            table_.store(mover, opponent, empties, -INFINITE_VALUE, best, bestMove);
        else
            table_.store(mover, opponent, empties, best, best, bestMove);
        return best;
    }

    const std::atomic<bool>& cancelled_;
    TranspositionTable table_;
    uint64_t nodes_ = 0;
    bool aborted_ = false;
};

// The two sides of `position`: the side to move first, colour 1 when the
// position has no side to move.
struct Sides {
    Bitboard mover;
    Bitboard opponent;
};
Sides sidesOf(const BoardPosition& position)
{
    const int side = position.sideToMove == 2 ? 2 : 1;
    return {discsOf(position, side), discsOf(position, opponent(side))};
}

int emptiesOf(const Sides& sides)
{
    return 64 - popcount(sides.mover | sides.opponent);
}

}  // namespace

std::vector<MoveValue> solveMoves(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes)
{
    if (nodes)
        *nodes = 0;
    std::vector<MoveValue> values;
    const Sides sides = sidesOf(position);
    if (position.sideToMove < 1 || cancelled.load())
        return values;
    Solver solver(cancelled, emptiesOf(sides));
    Child children[MAX_MOVES];
    const int count = solver.rootChildren(sides.mover, sides.opponent, children);
    for (int i = 0; i < count && !solver.aborted(); ++i) {
        const int value = -solver.solve(children[i].mover, children[i].opponent, -INFINITE_VALUE, INFINITE_VALUE);
        values.push_back({children[i].square, value});
    }
    if (nodes)
        *nodes = solver.nodes();
    if (solver.aborted())
        return {};
    std::sort(values.begin(), values.end(), [](const MoveValue& a, const MoveValue& b) {
        return a.value != b.value ? a.value > b.value : a.square < b.square;
    });
    return values;
}

MoveValue solveBest(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes)
{
    if (nodes)
        *nodes = 0;
    const Sides sides = sidesOf(position);
    if (position.sideToMove < 1 || cancelled.load())
        return {NO_MOVE, 0};
    Solver solver(cancelled, emptiesOf(sides));
    Child children[MAX_MOVES];
    const int count = solver.rootChildren(sides.mover, sides.opponent, children);
    MoveValue best{NO_MOVE, -INFINITE_VALUE};
    for (int i = 0; i < count && !solver.aborted(); ++i) {
        const Child& child = children[i];
        int value;
        if (i == 0) {
            value = -solver.solve(child.mover, child.opponent, -INFINITE_VALUE, INFINITE_VALUE);
        } else {
            value = -solver.solve(child.mover, child.opponent, -best.value - 1, -best.value);
            if (value > best.value)
                value = -solver.solve(child.mover, child.opponent, -INFINITE_VALUE, -value + 1);
        }
        if (value > best.value)
            best = {child.square, value};
    }
    if (nodes)
        *nodes = solver.nodes();
    if (solver.aborted())
        return {NO_MOVE, 0};
    return best;
}

int solveValue(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes)
{
    if (nodes)
        *nodes = 0;
    const Sides sides = sidesOf(position);
    if (cancelled.load())
        return 0;
    Solver solver(cancelled, emptiesOf(sides));
    const int value = solver.solve(sides.mover, sides.opponent, -INFINITE_VALUE, INFINITE_VALUE);
    if (nodes)
        *nodes = solver.nodes();
    return solver.aborted() ? 0 : value;
}

}  // namespace engine
