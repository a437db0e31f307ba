// SPDX-License-Identifier: GPL-3.0-or-later
// The small arithmetic of the board, written once: sides, squares and the
// eight directions in which a move captures.
#pragma once

#include <array>

namespace engine {

// The other colour of colour 1 or 2.
constexpr int opponent(int side)
{
    return 3 - side;
}

// Squares are numbered row * 8 + column, row 0 at the top, column 0 at the left.
constexpr int rowOf(int square)
{
    return square >> 3;
}
constexpr int columnOf(int square)
{
    return square & 7;
}
constexpr int squareAt(int row, int column)
{
    return row * 8 + column;
}
constexpr bool onBoard(int row, int column)
{
    return row >= 0 && row < 8 && column >= 0 && column < 8;
}

// -1, 0 or +1 with the sign of v.
constexpr int sign(int v)
{
    return (v > 0) - (v < 0);
}

// One step across the board.
struct Direction {
    int rowStep;
    int columnStep;
};

// The eight directions clockwise from up-right: (-1, +1), (0, +1), (+1, +1),
// (+1, 0), (+1, -1), (0, -1), (-1, -1), (-1, 0). Each next one is
// (sign(dy + dx), sign(dx - dy)) of the one before. A move's captures are
// made, reported and shown in this order.
inline constexpr std::array<Direction, 8> DIRECTIONS = [] {
    std::array<Direction, 8> directions{};
    Direction d{-1, 1};
    for (Direction& entry : directions) {
        entry = d;
        d = {sign(d.rowStep + d.columnStep), sign(d.columnStep - d.rowStep)};
    }
    return directions;
}();

}  // namespace engine
