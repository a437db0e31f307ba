// The robot: depth-limited search over packed scores and the weighted
// random choice among the root's moves.
#pragma once

#include <atomic>
#include <cstdint>

#include "engine/board_position.h"

// The program's one random-number generator.
void setRandomSeed(uint32_t seed);
uint32_t randomSeed();
unsigned randomBelow(unsigned n);

// What one search needs besides its arguments: the flag that cancels it,
// and what it reports back.
struct SearchContext {
    explicit SearchContext(const std::atomic<bool>& cancelledFlag) : cancelled(cancelledFlag) {}
    const std::atomic<bool>& cancelled;
    int32_t chosenMove = NO_MOVE;  // set by the root (ply 0)
    uint64_t nodes = 0;            // nodes entered, for benchmarks and the bench signature
};

PackedScore search(SearchContext& context, const BoardPosition& position, int parentMoveCount, int ply, int horizon,
                   bool orderMoves, bool useCutoffs, PackedScore lower, PackedScore upper);

void sortByScore(int entries, int direction, const PackedScore* scores, int32_t* order);

int32_t chooseRootMove(const int32_t* moves, const PackedScore* scores, int32_t* order, int entries, int level,
                       int side);

// The square the robot of `level` (1..6) plays on `position`, which must have
// at least one legal move. The result is meaningless once `cancelled` is set.
// `nodes`, if given, receives the number of search nodes entered (0 when the
// move was settled without a search).
int32_t chooseRobotMove(const BoardPosition& position, int level, const std::atomic<bool>& cancelled,
                        uint64_t* nodes = nullptr);

// TEMPORARY: the engine library's generator object, until the engine branch
// lands.
namespace engine {
class Random {
public:
    explicit Random(uint32_t seed = 0) : seed_(seed) {}
    unsigned below(unsigned n)
    {
        ::setRandomSeed(seed_);
        const unsigned r = ::randomBelow(n);
        seed_ = ::randomSeed();
        return r;
    }
    uint32_t seed() const { return seed_; }
    uint32_t seed_;
};
inline int32_t chooseRobotMove(const BoardPosition& position, int level, Random& random,
                               const std::atomic<bool>& cancelled, uint64_t* nodes = nullptr)
{
    ::setRandomSeed(random.seed_);
    const int32_t move = ::chooseRobotMove(position, level, cancelled, nodes);
    random.seed_ = ::randomSeed();
    return move;
}
}  // namespace engine
