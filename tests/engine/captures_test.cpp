// SPDX-License-Identifier: GPL-3.0-or-later
// The discs a move turns, as capturesOf reports them: which runs, in which
// order, and that they are exactly what playing the move changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "engine/board_position.h"
#include "engine/selfplay.h"
#include "positions.h"

namespace engine {
namespace {

struct CaptureCase {
    const char* name;
    std::string position;
    int square;
    std::array<int, 8> runLength;  // by direction: up-right, right, down-right, down, down-left, left, up-left, up
    std::vector<int> turned;       // in the reported order
};

void PrintTo(const CaptureCase& c, std::ostream* out)
{
    *out << c.name;
}

class CapturesOfCase : public testing::TestWithParam<CaptureCase> {};

TEST_P(CapturesOfCase, RunsAndSquaresInDirectionOrder)
{
    const CaptureCase& c = GetParam();
    const Captures captures = positionFromText(c.position).capturesOf(c.square);
    EXPECT_EQ(std::vector<int>(captures.runLength, captures.runLength + 8),
              std::vector<int>(c.runLength.begin(), c.runLength.end()));
    EXPECT_EQ(std::vector<int>(captures.squares, captures.squares + captures.count), c.turned);
}

const std::string START = std::string(27, '.') + "OX......XO" + std::string(27, '.');

INSTANTIATE_TEST_SUITE_P(Engine, CapturesOfCase,
                         testing::Values(
                             // A ring of colour 2 round 27, closed by colour 1 in every direction.
                             CaptureCase{"AllEightDirectionsClockwiseFromUpRight",
                                         "........"
                                         ".X.X.X.."
                                         "..OOO..."
                                         ".XO.OX.."
                                         "..OOO..."
                                         ".X.X.X.."
                                         "........"
                                         "........"
                                         "X",
                                         27,
                                         {1, 1, 1, 1, 1, 1, 1, 1},
                                         {20, 28, 36, 35, 34, 26, 18, 19}},
                             // Left: 26, 25 end in an empty square; down: 35 .. 59 reach the
                             // edge; up-left: 18 is colour 1's own disc. None of them turns.
                             CaptureCase{"OpenRunsAndRunsToTheEdgeTurnNothing",
                                         "...X...."
                                         "...O...."
                                         "..XO...."
                                         ".OO.OOX."
                                         "..OO...."
                                         ".X.O...."
                                         "...O...."
                                         "...O...."
                                         "X",
                                         27,
                                         {0, 2, 0, 0, 1, 0, 0, 2},
                                         {28, 29, 34, 19, 11}},
                             CaptureCase{"RunAlongTheEdgeFromNextToTheMoveOutwards",
                                         "XOOOOOO." + std::string(56, '.') + "X",
                                         7,
                                         {0, 0, 0, 0, 0, 6, 0, 0},
                                         {6, 5, 4, 3, 2, 1}},
                             // Colour 2 answers 19.
                             CaptureCase{"ColourTwoDownRight",
                                         std::string(19, '.') + "X.......XX......XO" + std::string(27, '.') + "O",
                                         18,
                                         {0, 0, 1, 0, 0, 0, 0, 0},
                                         {27}},
                             CaptureCase{"SquareThatIsNotAMoveTurnsNothing", START + "X", 0, {}, {}},
                             CaptureCase{"MoveOfTheOtherSideTurnsNothing", START + "O", 19, {}, {}},
                             CaptureCase{"NoMoveTurnsNothing", START + "X", NO_MOVE, {}, {}},
                             CaptureCase{"SquareOffTheBoardTurnsNothing", START + "X", 64, {}, {}}),
                         [](const testing::TestParamInfo<CaptureCase>& info) { return std::string(info.param.name); });

TEST(CapturesOf, TurnsExactlyWhatTheMoveChangesThroughWholeGames)
{
    int movesChecked = 0;
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        const SelfPlayResult game = selfPlay(seed, 1, 2);
        BoardPosition position;
        position.setStartPosition();
        for (int32_t played : game.moves) {
            for (int i = 0; i < position.moveCount; ++i) {
                const int move = position.moves[i];
                const Captures captures = position.capturesOf(move);
                BoardPosition after;
                after.copyAndApply(position, move);
                std::vector<int> changed;
                for (int square = 0; square < 64; ++square) {
                    if (square != move && after.squares[square] != position.squares[square])
                        changed.push_back(square);
                }
                std::vector<int> turned(captures.squares, captures.squares + captures.count);
                // Each run lies on its direction's line, from next to the move outwards.
                size_t next = 0;
                for (int d = 0; d < 8; ++d) {
                    for (int k = 1; k <= captures.runLength[d]; ++k, ++next) {
                        ASSERT_LT(next, turned.size());
                        EXPECT_EQ(turned[next], squareAt(rowOf(move) + k * DIRECTIONS[d].rowStep,
                                                         columnOf(move) + k * DIRECTIONS[d].columnStep));
                    }
                }
                EXPECT_EQ(next, turned.size());
                std::sort(turned.begin(), turned.end());
                ASSERT_EQ(turned, changed) << "move " << move;
                ++movesChecked;
            }
            position.applyMove(played);
        }
    }
    EXPECT_GT(movesChecked, 1000);
}

}  // namespace
}  // namespace engine
