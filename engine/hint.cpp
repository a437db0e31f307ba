// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/hint.h"

#include <algorithm>
#include <vector>

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
    // Best first, equal values in move-list order: the first is the hint.
    const std::vector<MoveValue> values = solveMoves(position, cancelled);
    return values.empty() || cancelled.load(std::memory_order_relaxed) ? NO_MOVE : values.front().square;
}

}  // namespace engine
