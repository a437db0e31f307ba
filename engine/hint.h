// SPDX-License-Identifier: GPL-3.0-or-later
// The hint the game gives a player: near the end of the game a move that is
// best for certain, found by the exact solver; earlier the best move as the
// level-6 robot sees it.
#pragma once

#include <atomic>
#include <cstdint>

#include "engine/board_position.h"

namespace engine {

// The squares no disc covers.
int emptySquares(const BoardPosition& position);

// Whether the exact solver answers for `position` within the game's time:
// at most EXACT_HINT_EMPTIES empty squares.
bool solvedExactly(const BoardPosition& position);

// With at most EXACT_HINT_EMPTIES empty squares, a move of the best exact
// value for the side to move, the first in the move list among equals;
// otherwise chooseHint's move. NO_MOVE when the side to move has no legal
// move or when `cancelled` is set.
int32_t chooseGameHint(const BoardPosition& position, const std::atomic<bool>& cancelled);

}  // namespace engine
