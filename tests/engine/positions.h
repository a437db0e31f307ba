// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the engine tests: positions from text and positions
// reached by random legal play.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/board_position.h"

// 64 squares in index order ('.', 'X' colour 1, 'O' colour 2) and the side to
// move; the moves are listed, with a pass state or game over as the rules
// would leave it after a move of the other side.
inline engine::BoardPosition positionFromText(std::string_view text)
{
    engine::BoardPosition position;
    for (int square = 0; square < 64; ++square) {
        position.squares[square] = text[square] == 'X' ? 1 : text[square] == 'O' ? 2 : 0;
    }
    position.sideToMove = text[64] == 'X' ? 2 : 1;
    position.finishMove();
    return position;
}

// Every position met in `games` games of random legal moves (passes
// included), drawn from a generator of the test's own.
inline std::vector<engine::BoardPosition> randomGamePositions(uint32_t seed, int games)
{
    std::vector<engine::BoardPosition> positions;
    for (int game = 0; game < games; ++game) {
        engine::BoardPosition position;
        position.setStartPosition();
        while (position.sideToMove != engine::GAME_OVER) {
            positions.push_back(position);
            seed = seed * 1664525u + 1013904223u;
            const int square = position.moveCount == 0
                                   ? engine::NO_MOVE
                                   : position.moves[(seed >> 8) % static_cast<uint32_t>(position.moveCount)];
            position.applyMove(square);
        }
        positions.push_back(position);
    }
    return positions;
}

// The seed of an engine::Random whose next below(65536) returns r.
inline uint32_t seedDrawing(unsigned r)
{
    // 214013 is odd, so it has an inverse modulo 2^32 (Newton's iteration).
    uint32_t inverse = 214013u;
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - 214013u * inverse;
    const uint32_t next = static_cast<uint32_t>(r) << 16;
    return (next - 2531011u) * inverse;
}
