// SPDX-License-Identifier: GPL-3.0-or-later
// Published endgame test positions, numbers 40 to 44 of the FForum suite,
// with their published results: the best moves and the exact final disc
// difference for the side to move. Shared by the solver's tests and its
// benchmark.
#pragma once

#include <array>
#include <string_view>
#include <vector>

struct FforumPosition {
    int number;
    std::string_view position;             // the one-line form that engine::parsePosition reads
    std::vector<std::string_view> best;    // every best move
    int value;
};

inline const std::array<FforumPosition, 5>& fforumPositions()
{
    static const std::array<FforumPosition, 5> positions = {{
        {40, "O..OOOOX.OOOOOOXOOXXOOOXOOXOOOXXOOOOOOXX...OOOOX....O..X........X", {"a2"}, 38},
        {41, ".OOOOO....OOOOX..OOOOOO.XXXXXOO..XXOOX..OOXOXX....OXXO...OOO..O.X", {"h4"}, 0},
        {42, "..OOO.......XX.OOOOOOXOO.OOOOXOOX.OOOXXO...OOXOO...OOOXO..OOOO..X", {"g2"}, 6},
        {43, "..XXXXX...XXXX...OOOXX...OOXXXX..OOXXXO.OOOOXOO....XOX....XXXXX.O", {"c7", "g3"}, -12},
        {44, "..O.X.O...O.XO.O.OOXXXOOOOOOXXXOOOOOXX..XXOOXO....XXXX.....XXX..O", {"b8", "d2"}, -14},
    }};
    return positions;
}
