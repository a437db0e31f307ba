// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/selfplay.h"

#include <atomic>

#include "engine/robot.h"

namespace engine {

SelfPlayResult selfPlay(uint32_t seed, int level1, int level2)
{
    SelfPlayResult result;
    result.moves.reserve(128);
    const std::atomic<bool> never{false};
    Random random(seed);
    BoardPosition position;
    position.setStartPosition();
    while (position.sideToMove != GAME_OVER) {
        int32_t square = NO_MOVE;
        if (position.moveCount > 0) {
            uint64_t nodes = 0;
            square = chooseRobotMove(position, position.sideToMove == 1 ? level1 : level2, random, never, &nodes);
            result.nodes += nodes;
        }
        result.moves.push_back(square);
        position.applyMove(square);
    }
    result.discCount1 = position.discCount1;
    result.discCount2 = position.discCount2;
    return result;
}

uint64_t perft(const BoardPosition& position, int depth)
{
    if (depth == 0 || position.sideToMove == GAME_OVER)
        return 1;
    BoardPosition child;
    if (position.moveCount == 0) {
        child.copyAndApply(position, NO_MOVE);
        return perft(child, depth - 1);
    }
    uint64_t leaves = 0;
    for (int i = 0; i < position.moveCount; ++i) {
        child.copyAndApply(position, position.moves[i]);
        leaves += perft(child, depth - 1);
    }
    return leaves;
}

}  // namespace engine
