// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/hint.h"

#include <algorithm>

#include "engine/robot.h"
#include "engine/solver.h"

namespace engine {

int emptySquares(const BoardPosition& position)
{
    return static_cast<int>(std::count(std::begin(position.squares), std::end(position.squares), 0));
}

bool solvedExactly(const BoardPosition& position)
{
    return emptySquares(position) <= EXACT_HINT_EMPTIES;
}

int32_t chooseGameHint(const BoardPosition& position, const std::atomic<bool>& cancelled)
{
    if (!solvedExactly(position))
        return chooseHint(position, cancelled);
    // Of the equally good moves, the first in move-list order.
    const MoveValue hint = solveHint(position, cancelled);
    return cancelled.load(std::memory_order_relaxed) ? NO_MOVE : hint.square;
}

}  // namespace engine
