// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pattern_evaluation.h"

#include <algorithm>

namespace engine::patterns {

namespace {

// engine/pattern_weights.bin, turned into an initializer list by the build:
// each byte an int8 weight in two's complement.
constexpr unsigned char WEIGHT_BYTES[] = {
#include "pattern_weights.inc"
};
static_assert(sizeof(WEIGHT_BYTES) == WEIGHT_COUNT, "engine/pattern_weights.bin does not fit the patterns");
const int8_t* const WEIGHTS = reinterpret_cast<const int8_t*>(WEIGHT_BYTES);

}  // namespace

int patternIndexOf(int pattern, Bitboard mover, Bitboard opponent)
{
    int index = 0;
    [&]<int... P>(std::integer_sequence<int, P...>)
    {
        ((pattern == P ? (index = patternIndex<P>(mover, opponent)) : 0), ...);
    }
    (std::make_integer_sequence<int, PATTERN_COUNT>{});
    return index;
}

int evaluate(Bitboard mover, Bitboard opponent, int moverMoves, int opponentMoves)
{
    int score = WEIGHTS[CONSTANT_OFFSET] + WEIGHTS[OWN_MOBILITY_OFFSET + std::min(moverMoves, MOBILITY_SIZE - 1)] +
                WEIGHTS[OTHER_MOBILITY_OFFSET + std::min(opponentMoves, MOBILITY_SIZE - 1)];
    forEachPatternWeight(mover, opponent, [&](int index) { score += WEIGHTS[index]; });
    return score;
}

}  // namespace engine::patterns
