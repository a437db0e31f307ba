// SPDX-License-Identifier: GPL-3.0-or-later
// The exact endgame solver: negamax with alpha-beta over bitboards, to the
// end of the game.
//
// The search changes its manner with the number of empty squares n:
// - n > SHALLOW_EMPTIES: the moves are listed and tried fastest first (the
//   move that leaves the opponent the fewest replies first; from
//   EVALUATION_ORDER_EMPTIES up, weighed against a pattern evaluation of the
//   position after the move, looked ahead one or two moves where n is
//   larger), the move the transposition table remembers before all others,
//   null-window searches after the first move, a cutoff on stable discs, and
//   from ETC_EMPTIES up a look at the children's table entries before any of
//   them is searched (an enhanced transposition cutoff).
// - n <= SHALLOW_EMPTIES: no list and no table; the empty squares are tried
//   directly, first those in a quadrant with an odd number of empties (the
//   parity of the quadrants: whoever plays last in a region tends to keep
//   it).
// - n = 2 and n = 1: code of their own that only counts the discs at the end.
//
// Every value is even: the discs and the empties given to the winner always
// add up to 64. A window (v - 1, v + 1) therefore admits v alone, and a
// search in it either proves v or returns a bound beyond it.
#include "engine/solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <memory>
#include <new>
#include <type_traits>

#ifdef __linux__
#include <sys/mman.h>
#endif

#include "engine/bitboard.h"
#include "engine/pattern_evaluation.h"

namespace engine {

namespace {

// Above any disc difference.
constexpr int INFINITE_VALUE = 65;
// At or below this many empties: no move list and no table.
constexpr int SHALLOW_EMPTIES = 6;

// At or above this many empties: the children's table entries are probed
// before any child is searched.
constexpr int ETC_EMPTIES = 10;
// The stable discs are counted only where a cutoff is likely enough to pay
// for it: in listed nodes once the window's bound is this far from a draw,
// in the shallow ones (from STABLE_SHALLOW_EMPTIES empties) this far.
constexpr int STABLE_DEEP_BOUND = 10;
constexpr int STABLE_SHALLOW_BOUND = 20;
constexpr int STABLE_SHALLOW_EMPTIES = 4;
// How much one reply of the opponent weighs against one empty square next
// to our discs in the fastest-first order.
constexpr int MOBILITY_WEIGHT = 4;

// The number of set bits. The baseline x86-64 instruction set the program is
// built for has no instruction for it, and the library call std::popcount
// becomes there costs more than the few operations written out below; so
// the search is compiled twice, with `Hardware` true for processors that
// have the instruction (nearly all of them), and each solve picks its copy.
template <bool Hardware>
int popcount(Bitboard b)
{
#if defined(__POPCNT__)
    return __builtin_popcountll(b);
#else
#if defined(__x86_64__) && defined(__GNUC__)
    if constexpr (Hardware) {
        Bitboard count;
        asm("popcnt %1, %0" : "=r"(count) : "r"(b));
        return static_cast<int>(count);
    }
#endif
    b -= (b >> 1) & 0x5555555555555555ULL;
    b = (b & 0x3333333333333333ULL) + ((b >> 2) & 0x3333333333333333ULL);
    b = (b + (b >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((b * 0x0101010101010101ULL) >> 56);
#endif
}

// Whether popcount<true> may run on this processor.
bool hasPopcountInstruction()
{
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__POPCNT__)
    static const bool supported = __builtin_cpu_supports("popcnt");
    return supported;
#else
    return true;
#endif
}

// Runs `solve` with the copy of the search this processor can run: it is
// given std::true_type where popcount<true> may run, std::false_type elsewhere.
template <typename Solve>
auto onThisProcessor(Solve&& solve)
{
    return hasPopcountInstruction() ? solve(std::true_type{}) : solve(std::false_type{});
}

// The final difference for `mover` when neither side can move.
template <bool Hardware>
int finalValue(Bitboard mover, Bitboard opponent)
{
    const int own = popcount<Hardware>(mover);
    const int other = popcount<Hardware>(opponent);
    const int empties = 64 - own - other;
    const int difference = own - other;
    if (difference > 0)
        return difference + empties;
    if (difference < 0)
        return difference - empties;
    return 0;
}

// The quadrants that hold an odd number of the `empty` squares. Folding the
// rows onto rows 0 and 4 and then the columns onto columns 0 and 4 leaves
// each quadrant's parity in one bit, which the multiplication spreads over
// its quadrant.
Bitboard oddQuadrants(Bitboard empty)
{
    Bitboard parity = empty ^ (empty >> 8);
    parity ^= parity >> 16;
    parity ^= parity >> 1;
    parity ^= parity >> 2;
    return (parity & 0x0000001100000011ULL) * 0x000000000F0F0F0FULL;
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
// empties, the second the latest arrival. A bucket fills one cache line, so
// a look-up costs at most one read from memory, and that read can be asked
// for ahead (prefetch) while the search works on something else.
class TranspositionTable {
public:
    explicit TranspositionTable(int rootEmpties)
    {
        const int bits = std::clamp(rootEmpties, 10, 20) - 1;
        const size_t count = size_t{1} << bits;
        // In pages as large as the system gives, where it gives them: the
        // look-ups are spread over the whole table, and with small pages
        // most of them would also miss the address translation cache.
        const size_t bytes = (count * sizeof(Bucket) + LARGE_PAGE - 1) / LARGE_PAGE * LARGE_PAGE;
        void* memory = std::aligned_alloc(LARGE_PAGE, bytes);
        if (!memory)
            throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
        madvise(memory, bytes, MADV_HUGEPAGE);
#endif
        buckets_.reset(static_cast<Bucket*>(memory));
        std::uninitialized_default_construct_n(buckets_.get(), count);
        bucketMask_ = count - 1;
    }

    void prefetch(Bitboard mover, Bitboard opponent) const { __builtin_prefetch(&buckets_[bucketOf(mover, opponent)]); }

    const Entry* find(Bitboard mover, Bitboard opponent) const
    {
        const Entry* bucket = buckets_[bucketOf(mover, opponent)].entries;
        for (int i = 0; i < 2; ++i) {
            if (bucket[i].mover == mover && bucket[i].opponent == opponent)
                return &bucket[i];
        }
        return nullptr;
    }

    void store(Bitboard mover, Bitboard opponent, int empties, int lower, int upper, int move)
    {
        Entry* bucket = buckets_[bucketOf(mover, opponent)].entries;
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
        return static_cast<size_t>(h & bucketMask_);
    }

    struct alignas(64) Bucket {
        Entry entries[2];
    };
    static constexpr size_t LARGE_PAGE = size_t{2} << 20;
    struct Free {
        void operator()(Bucket* buckets) const { std::free(buckets); }
    };
    std::unique_ptr<Bucket[], Free> buckets_;
    size_t bucketMask_ = 0;
};

// A position after one move, seen from the side that replies.
struct Child {
    Bitboard mover;
    Bitboard opponent;
    int square;
    int order;     // higher is tried first
    int estimate;  // at the root: the mover's evaluation of the move, in discs
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
    return {opponent ^ turned, mover | turned | squareBit(square), square, 0, 0};
}

constexpr Bitboard EDGES = COLUMN_A | COLUMN_H | ROW_1 | ROW_8;

// The squares of `filled` from which steps of `Shift` over filled squares
// only reach the edge; `last` holds the squares from which the next step
// leaves the board. Three doubling steps cover the seven a line can take.
template <int Shift>
Bitboard filledToEdge(Bitboard filled, Bitboard last)
{
    using detail::shifted;
    Bitboard reached = filled & last;
    Bitboard passes = filled & ~last;
    reached |= passes & shifted<-Shift>(reached);
    passes &= shifted<-Shift>(passes);
    reached |= passes & shifted<-2 * Shift>(reached);
    passes &= shifted<-2 * Shift>(passes);
    reached |= passes & shifted<-4 * Shift>(reached);
    return reached;
}

// The discs of `discs` that can never be turned again, or a part of them:
// a disc is safe along a line when the line is full, when it touches the
// edge on that line, or when a neighbour on that line is a stable disc of
// its own colour; a disc safe along all four lines is stable.
template <bool Hardware>
int stableCount(Bitboard discs, Bitboard filled)
{
    Bitboard rows = filled & (filled >> 4);
    rows &= rows >> 2;
    rows &= rows >> 1;
    const Bitboard fullRows = (rows & COLUMN_A) * 0xFF;
    Bitboard columns = filled & (filled >> 32);
    columns &= columns >> 16;
    columns &= columns >> 8;
    const Bitboard fullColumns = (columns & 0xFF) * COLUMN_A;
    const Bitboard fullDown =
        filledToEdge<9>(filled, COLUMN_H | ROW_8) & filledToEdge<-9>(filled, COLUMN_A | ROW_1);
    const Bitboard fullUp = filledToEdge<7>(filled, COLUMN_A | ROW_8) & filledToEdge<-7>(filled, COLUMN_H | ROW_1);

    const Bitboard alongRow = fullRows | COLUMN_A | COLUMN_H;
    const Bitboard alongColumn = fullColumns | ROW_1 | ROW_8;
    const Bitboard alongDown = fullDown | EDGES;
    const Bitboard alongUp = fullUp | EDGES;
    Bitboard stable = discs & alongRow & alongColumn & alongDown & alongUp;
    for (;;) {
        const Bitboard grown =
            discs & (alongRow | ((stable << 1) & ~COLUMN_A) | ((stable >> 1) & ~COLUMN_H)) &
            (alongColumn | (stable << 8) | (stable >> 8)) &
            (alongDown | ((stable << 9) & ~COLUMN_A) | ((stable >> 9) & ~COLUMN_H)) &
            (alongUp | ((stable << 7) & ~COLUMN_H) | ((stable >> 7) & ~COLUMN_A));
        if (grown == stable)
            return popcount<Hardware>(stable);
        stable = grown;
    }
}

// The up to eight squares around each square.
constexpr auto NEIGHBOURHOOD = [] {
    std::array<Bitboard, 64> around{};
    for (int square = 0; square < 64; ++square) {
        for (int dr = -1; dr <= 1; ++dr) {
            for (int dc = -1; dc <= 1; ++dc) {
                if ((dr || dc) && onBoard(rowOf(square) + dr, columnOf(square) + dc))
                    around[square] |= squareBit(squareAt(rowOf(square) + dr, columnOf(square) + dc));
            }
        }
    }
    return around;
}();

// The empty squares next to a disc of `discs`.
Bitboard neighbours(Bitboard discs, Bitboard empty)
{
    const Bitboard inner = discs & INNER_COLUMNS;
    const Bitboard around = (discs << 8) | (discs >> 8) | (inner << 1) | (inner >> 1) | (inner << 9) |
                            (inner >> 9) | (inner << 7) | (inner >> 7);
    return around & empty;
}

// From this many empties up the fastest-first order of the children is
// weighed against the pattern evaluation (engine/pattern_evaluation.h) of
// each child, and from the next two thresholds up against the evaluation
// after the best play of one and two moves: worth its cost only where the
// subtrees are large. (Either alone orders worse.)
constexpr int EVALUATION_ORDER_EMPTIES = 12;
constexpr int EVALUATION_DEPTH_1_EMPTIES = 14;
constexpr int EVALUATION_DEPTH_2_EMPTIES = 17;
// How much one step of the fastest-first order weighs against one
// patterns::WEIGHT_UNITS part of a disc of the evaluation.
constexpr int FASTEST_FIRST_WEIGHT = 6;
// The evaluation of the root's moves, whose values are solved one by one, is
// looked ahead this many moves: it starts each move's search.
constexpr int ROOT_ESTIMATE_DEPTH = 2;
// The root's moves, which are few, are ordered by the fastest-first order
// less quickScore after a search of this many moves.
constexpr int ROOT_SCORE_DEPTH = 3;
// The weights of quickScore: one move, one empty square next to the other
// side's discs, one corner.
constexpr int SCORE_MOBILITY = 4;
constexpr int SCORE_POTENTIAL = 1;
constexpr int SCORE_CORNER = 8;
// Beyond any quickScore.
constexpr int INFINITE_SCORE = 1 << 20;
// Before any fastest-first order.
constexpr int TABLE_MOVE_ORDER = 1 << 16;

// The fastest-first order: fewer replies for the opponent is better, and a
// corner reply counts twice; fewer empty squares next to our discs (the
// opponent's moves to come) break near ties.
template <bool Hardware>
int fastestFirstOrder(const Child& child)
{
    const Bitboard replies = legalMoves(child.mover, child.opponent);
    return -(MOBILITY_WEIGHT * (popcount<Hardware>(replies) + popcount<Hardware>(replies & CORNERS)) +
             popcount<Hardware>(neighbours(child.opponent, ~(child.mover | child.opponent))));
}

// A quick estimate of a position for `mover`, in no unit of its own, from
// the difference between the sides' mobility (a corner move counting twice),
// potential mobility (the empty squares next to the other side's discs) and
// corners held.
template <bool Hardware>
int quickScore(Bitboard mover, Bitboard opponent)
{
    const Bitboard empty = ~(mover | opponent);
    const Bitboard own = legalMoves(mover, opponent);
    const Bitboard other = legalMoves(opponent, mover);
    return SCORE_MOBILITY * (popcount<Hardware>(own) + popcount<Hardware>(own & CORNERS) - popcount<Hardware>(other) -
                             popcount<Hardware>(other & CORNERS)) +
           SCORE_POTENTIAL *
               (popcount<Hardware>(neighbours(opponent, empty)) - popcount<Hardware>(neighbours(mover, empty))) +
           SCORE_CORNER * (popcount<Hardware>(mover & CORNERS) - popcount<Hardware>(opponent & CORNERS));
}

// quickScore after the best play of `depth` moves (fewer when a side cannot
// move), by alpha-beta.
template <bool Hardware>
int shallowScore(Bitboard mover, Bitboard opponent, int depth, int alpha, int beta)
{
    if (depth == 0)
        return quickScore<Hardware>(mover, opponent);
    Bitboard moves = legalMoves(mover, opponent);
    if (!moves)
        return quickScore<Hardware>(mover, opponent);
    int best = -INFINITE_SCORE;
    for (; moves; moves &= moves - 1) {
        const int square = std::countr_zero(moves);
        const Child child = play(mover, opponent, square, flips(mover, opponent, square));
        const int value = -shallowScore<Hardware>(child.mover, child.opponent, depth - 1, -beta, -alpha);
        if (value > best) {
            best = value;
            if (value >= beta)
                return value;
            alpha = std::max(alpha, value);
        }
    }
    return best;
}

// The pattern evaluation after the best play of `depth` moves, in
// patterns::WEIGHT_UNITS parts of a disc.
template <bool Hardware>
int evaluationAfter(Bitboard mover, Bitboard opponent, int depth, int alpha, int beta)
{
    Bitboard moves = legalMoves(mover, opponent);
    if (depth == 0 || !moves) {
        const Bitboard replies = legalMoves(opponent, mover);
        if (!moves && !replies)
            return patterns::WEIGHT_UNITS * finalValue<Hardware>(mover, opponent);
        if (depth > 0)
            return -evaluationAfter<Hardware>(opponent, mover, depth, -beta, -alpha);
        return patterns::evaluate(mover, opponent, popcount<Hardware>(moves), popcount<Hardware>(replies));
    }
    int best = -INFINITE_SCORE;
    for (; moves; moves &= moves - 1) {
        const int square = std::countr_zero(moves);
        const Child child = play(mover, opponent, square, flips(mover, opponent, square));
        const int value = -evaluationAfter<Hardware>(child.mover, child.opponent, depth - 1, -beta, -alpha);
        if (value > best) {
            best = value;
            if (value >= beta)
                return value;
            alpha = std::max(alpha, value);
        }
    }
    return best;
}

template <bool Hardware>
class Solver {
public:
    Solver(const std::atomic<bool>& cancelled, int rootEmpties) : cancelled_(cancelled), table_(rootEmpties) {}

    // The exact value for `mover` if it lies in (alpha, beta); otherwise a
    // bound on the side of the window it fell (fail-soft).
    int solve(Bitboard mover, Bitboard opponent, int alpha, int beta)
    {
        return search(mover, opponent, alpha, beta, 64 - popcount<Hardware>(mover | opponent));
    }

    // The value of the move that led to `child`, for the side that played
    // it, in the window (alpha, beta) as solve gives it.
    int moveValue(const Child& child, int alpha, int beta)
    {
        return -solve(child.mover, child.opponent, -beta, -alpha);
    }

    // The exact value for `mover`, found by searches in narrow windows: the
    // first admits `guess` alone, each next one starts at the bound the last
    // returned and admits twice as many values on the side it failed to.
    // Close guesses make this cheaper than one search in the full window,
    // and the growing windows keep far ones from costing a search per value.
    int solveFrom(Bitboard mover, Bitboard opponent, int guess)
    {
        int lower = -INFINITE_VALUE;
        int upper = INFINITE_VALUE;
        int alpha = guess - 1;
        int beta = guess + 1;
        for (int width = 2; !aborted_; width *= 2) {
            const int value = solve(mover, opponent, alpha, beta);
            if (value <= alpha) {
                upper = value;
                beta = value + 1;
                alpha = std::max(beta - 2 * width, lower - 1);
            } else if (value >= beta) {
                lower = value;
                alpha = value - 1;
                beta = std::min(alpha + 2 * width, upper + 1);
            } else {
                return value;
            }
            if (lower >= upper)
                return lower;
        }
        return 0;
    }

    // The legal moves of `mover` as children, in the order the root tries them.
    int rootChildren(Bitboard mover, Bitboard opponent, Child* children)
    {
        int count = 0;
        for (Bitboard moves = legalMoves(mover, opponent); moves; moves &= moves - 1) {
            const int square = std::countr_zero(moves);
            Child& child = children[count++];
            child = play(mover, opponent, square, flips(mover, opponent, square));
            child.order =
                fastestFirstOrder<Hardware>(child) -
                shallowScore<Hardware>(child.mover, child.opponent, ROOT_SCORE_DEPTH, -INFINITE_SCORE, INFINITE_SCORE);
            child.estimate = -evaluationAfter<Hardware>(child.mover, child.opponent, ROOT_ESTIMATE_DEPTH,
                                                        -INFINITE_SCORE, INFINITE_SCORE) /
                             patterns::WEIGHT_UNITS;
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
        return finalValue<Hardware>(mover, opponent);
    }

    // One empty square left: the final difference, counted directly.
    int lastMove(Bitboard mover, Bitboard opponent, int square)
    {
        ++nodes_;
        const int own = popcount<Hardware>(mover);  // the opponent has 63 - own
        if (const int turned = flipCount(mover, opponent, square))
            return 2 * (own + turned) - 62;
        if (const int turned = flipCount(opponent, mover, square))
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
        return finalValue<Hardware>(mover, opponent);
    }

    int searchShallow(Bitboard mover, Bitboard opponent, int alpha, int beta, int empties)
    {
        ++nodes_;
        // The opponent's stable discs stay the opponent's: if even all the
        // other squares would not lift us above alpha, this node fails low.
        if (empties >= STABLE_SHALLOW_EMPTIES && alpha >= STABLE_SHALLOW_BOUND) {
            const int most = 64 - 2 * stableCount<Hardware>(opponent, mover | opponent);
            if (most <= alpha)
                return most;
        }
        const Bitboard empty = ~(mover | opponent);
        const Bitboard odd = oddQuadrants(empty);
        int best = -INFINITE_VALUE;
        for (Bitboard squares : {empty & odd, empty & ~odd}) {
            for (; squares; squares &= squares - 1) {
                const int square = std::countr_zero(squares);
                if (!(NEIGHBOURHOOD[square] & opponent))
                    continue;
                const Bitboard turned = flips(mover, opponent, square);
                if (!turned)
                    continue;
                const Child child = play(mover, opponent, square, turned);
                const int value = empties == 3 ? -searchTwo(child.mover, child.opponent, -beta, -alpha)
                                               : -searchShallow(child.mover, child.opponent, -beta, -alpha,
                                                                empties - 1);
                if (value > best) {
                    best = value;
                    if (value >= beta)
                        return value;
                    alpha = std::max(alpha, value);
                }
            }
        }
        if (best > -INFINITE_VALUE)
            return best;
        if (!legalMoves(opponent, mover))
            return finalValue<Hardware>(mover, opponent);
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
                return finalValue<Hardware>(mover, opponent);
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
        // Stable discs bound the result from either side.
        if (alpha >= STABLE_DEEP_BOUND) {
            const int most = 64 - 2 * stableCount<Hardware>(opponent, mover | opponent);
            if (most <= alpha)
                return most;
        }
        if (beta <= -STABLE_DEEP_BOUND) {
            const int least = 2 * stableCount<Hardware>(mover, mover | opponent) - 64;
            if (least >= beta)
                return least;
        }

        Child children[MAX_MOVES];
        int count = 0;
        for (; moves; moves &= moves - 1) {
            const int square = std::countr_zero(moves);
            Child& child = children[count++];
            child = play(mover, opponent, square, flips(mover, opponent, square));
            if (empties > SHALLOW_EMPTIES + 1)
                table_.prefetch(child.mover, child.opponent);
        }
        for (int i = 0; i < count; ++i) {
            Child& child = children[i];
            if (child.square == tableMove) {
                child.order = TABLE_MOVE_ORDER;
                continue;
            }
            child.order = fastestFirstOrder<Hardware>(child);
            if (empties >= EVALUATION_ORDER_EMPTIES) {
                const int depth = empties >= EVALUATION_DEPTH_2_EMPTIES   ? 2
                                  : empties >= EVALUATION_DEPTH_1_EMPTIES ? 1
                                                                          : 0;
                child.order =
                    FASTEST_FIRST_WEIGHT * child.order -
                    evaluationAfter<Hardware>(child.mover, child.opponent, depth, -INFINITE_SCORE, INFINITE_SCORE);
            }
        }
        if (empties >= ETC_EMPTIES) {
            // A child already known to be good enough for us cuts at once.
            for (int i = 0; i < count; ++i) {
                if (const Entry* entry = table_.find(children[i].mover, children[i].opponent)) {
                    if (-entry->upper >= beta) {
                        table_.store(mover, opponent, empties, -entry->upper, INFINITE_VALUE, children[i].square);
                        return -entry->upper;
                    }
                }
            }
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
                // Only a proof that this move beats the best so far matters;
                // the full window is needed only when it does.
                value = -search(child.mover, child.opponent, -alpha - 1, -alpha, empties - 1);
                if (value > alpha && value < beta)
                    value = -search(child.mover, child.opponent, -beta, -value + 1, empties - 1);
            }
            if (aborted_)
                return 0;
            if (value > best) {
                best = value;
                bestMove = child.square;
                if (value >= beta)
                    break;
                alpha = std::max(alpha, value);
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
    int empties;
};

Sides sidesOf(const BoardPosition& position)
{
    const int side = position.sideToMove == 2 ? 2 : 1;
    const Bitboard mover = discsOf(position, side);
    const Bitboard other = discsOf(position, opponent(side));
    return {mover, other, 64 - std::popcount(mover | other)};
}

// A best of the root's `count` children: the first in full window, each
// other tested for beating the best so far and solved only if it does.
// Returns its index; bounds[i] receives an upper bound on each child's value,
// exact for the best.
template <bool Hardware>
int findBest(Solver<Hardware>& solver, const Child* children, int count, int* bounds)
{
    int best = 0;
    for (int i = 0; i < count && !solver.aborted(); ++i) {
        const Child& child = children[i];
        int value;
        if (i == 0) {
            value = solver.moveValue(child, -INFINITE_VALUE, INFINITE_VALUE);
        } else {
            // Does this move beat the best so far? Only then its value.
            value = solver.moveValue(child, bounds[best], bounds[best] + 1);
            if (value > bounds[best])
                value = solver.moveValue(child, value - 1, INFINITE_VALUE);
        }
        bounds[i] = value;
        if (value > bounds[best])
            best = i;
    }
    return best;
}

// The median of the values of `values` (the higher of the two middle ones).
int medianValue(std::vector<MoveValue> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end(),
                     [](const MoveValue& a, const MoveValue& b) { return a.value < b.value; });
    return middle->value;
}

template <bool Hardware>
std::vector<MoveValue> solveAllMoves(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes)
{
    if (nodes)
        *nodes = 0;
    if (position.sideToMove < 1 || cancelled.load())
        return {};
    const Sides sides = sidesOf(position);
    Solver<Hardware> solver(cancelled, sides.empties);
    Child children[MAX_MOVES];
    const int count = solver.rootChildren(sides.mover, sides.opponent, children);
    std::vector<MoveValue> values;
    for (int i = 0; i < count && !solver.aborted(); ++i) {
        // The first move, the likeliest best, in the full window; the others
        // from the mean of the move's evaluation and the median of the values
        // found so far: each alone guesses worse.
        const Child& child = children[i];
        const int value =
            i == 0 ? -solver.solve(child.mover, child.opponent, -INFINITE_VALUE, INFINITE_VALUE)
                   : -solver.solveFrom(child.mover, child.opponent,
                                       -std::clamp(((child.estimate + medianValue(values)) / 2) & ~1, -64, 64));
        values.push_back({child.square, value});
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

// A best move of the side to move and its value, by null-window searches;
// with `earliest`, the first in square order among equally good moves: an
// earlier square is tested "at least the best value?" against the best found,
// and no move beats that value, so one that passes is as good. The bounds the
// first searches left rule out many.
template <bool Hardware>
MoveValue solveRootBest(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes,
                        bool earliest)
{
    if (nodes)
        *nodes = 0;
    if (position.sideToMove < 1 || cancelled.load())
        return {NO_MOVE, 0};
    const Sides sides = sidesOf(position);
    Solver<Hardware> solver(cancelled, sides.empties);
    Child children[MAX_MOVES];
    const int count = solver.rootChildren(sides.mover, sides.opponent, children);
    int bounds[MAX_MOVES];
    const int best = findBest(solver, children, count, bounds);
    MoveValue found{count ? children[best].square : NO_MOVE, count ? bounds[best] : 0};
    for (int square = 0; earliest && square < found.square && !solver.aborted(); ++square) {
        const Child* child =
            std::find_if(children, children + count, [&](const Child& c) { return c.square == square; });
        if (child == children + count || bounds[child - children] < found.value)
            continue;
        if (solver.moveValue(*child, found.value - 1, found.value) >= found.value) {
            found.square = square;
            break;
        }
    }
    if (nodes)
        *nodes = solver.nodes();
    if (solver.aborted())
        return {NO_MOVE, 0};
    return found;
}

template <bool Hardware>
int solvePositionValue(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes)
{
    if (nodes)
        *nodes = 0;
    if (cancelled.load())
        return 0;
    const Sides sides = sidesOf(position);
    Solver<Hardware> solver(cancelled, sides.empties);
    const int value = solver.solve(sides.mover, sides.opponent, -INFINITE_VALUE, INFINITE_VALUE);
    if (nodes)
        *nodes = solver.nodes();
    return solver.aborted() ? 0 : value;
}

}  // namespace

std::vector<MoveValue> solveMoves(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes)
{
    return onThisProcessor([&](auto hardware) { return solveAllMoves<hardware()>(position, cancelled, nodes); });
}

MoveValue solveBest(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes)
{
    return onThisProcessor([&](auto hardware) { return solveRootBest<hardware()>(position, cancelled, nodes, false); });
}

MoveValue solveHint(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes)
{
    return onThisProcessor([&](auto hardware) { return solveRootBest<hardware()>(position, cancelled, nodes, true); });
}

int solveValue(const BoardPosition& position, const std::atomic<bool>& cancelled, uint64_t* nodes)
{
    return onThisProcessor([&](auto hardware) { return solvePositionValue<hardware()>(position, cancelled, nodes); });
}

}  // namespace engine
