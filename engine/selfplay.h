// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games between two robots, and move-path enumeration from the start.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/board_position.h"

namespace engine {

struct SelfPlayResult {
    std::vector<int32_t> moves;  // every move in order; NO_MOVE (-1) for a pass
    int32_t discCount1 = 0;      // final disc counts
    int32_t discCount2 = 0;
    uint64_t nodes = 0;  // search nodes entered over the whole game
};

// Plays a whole game from the start position: colour 1 is a robot of level1,
// colour 2 of level2 (1..6). Both robots draw from one generator of its own,
// seeded with `seed`; a side that must pass plays NO_MOVE without drawing a
// number.
SelfPlayResult selfPlay(uint32_t seed, int level1, int level2);

// Number of leaf positions `depth` plies from `position`: a pass counts as a
// ply, and a finished game is one leaf wherever it is reached.
uint64_t perft(const BoardPosition& position, int depth);

}  // namespace engine
