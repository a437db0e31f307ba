// SPDX-License-Identifier: GPL-3.0-or-later
// The packed score of a position: the exact score of a finished game and the
// heuristic score (stable discs, mobility, discs) used by the search.
#include "engine/board_position.h"

namespace engine {

namespace {

constexpr PackedScore ZERO_SCORE = 0x414141;

// The stability analysis of one position. Line counts are indexed by row,
// column, diagonal (row - column + 7) and anti-diagonal (row + column).
struct LineFullness {
    bool row[8];
    bool column[8];
    bool diagonal[15];
    bool antiDiagonal[15];
};

bool holdsMarked(const BoardPosition& position, const StableDiscs& stable, int row, int column, int colour)
{
    const int square = squareAt(row, column);
    return position.squares[square] == colour && stable.isStable[square] != 0;
}

void findStableDiscs(const BoardPosition& position, const LineFullness& full, StableDiscs& stable)
{
    // Full lines: a disc whose four lines are all full can never be turned.
    for (int square = 0; square < 64; ++square) {
        const int y = rowOf(square);
        const int x = columnOf(square);
        if (full.row[y] && full.column[x] && full.diagonal[y - x + 7] && full.antiDiagonal[y + x]) {
            stable.mark(square, position.squares[square]);
        }
    }
    // Corners.
    static constexpr int CORNERS[] = {0, 56, 7, 63};
    for (int corner : CORNERS) {
        if (position.squares[corner] != 0 && stable.isStable[corner] == 0) {
            stable.mark(corner, position.squares[corner]);
        }
    }
    // Spreading: every stable square's neighbours are tested once per visit;
    // squares appended here are taken in their turn.
    for (int taken = 0; taken < stable.listLength; ++taken) {
        const int centre = stable.list[taken];
        const int centreY = rowOf(centre);
        const int centreX = columnOf(centre);
        const int rowLast = centreY + 1 < 7 ? centreY + 1 : 7;
        const int columnLast = centreX + 1 < 7 ? centreX + 1 : 7;
        for (int y = centreY - 1 > 0 ? centreY - 1 : 0; y <= rowLast; ++y) {
            for (int x = centreX - 1 > 0 ? centreX - 1 : 0; x <= columnLast; ++x) {
                const int square = squareAt(y, x);
                const int v = position.squares[square];
                if (v == 0 || stable.isStable[square] != 0)
                    continue;
                const bool border = y == 0 || y == 7 || x == 0 || x == 7;
                const bool rowHolds = x == 0 || x == 7 || full.row[y] || holdsMarked(position, stable, y, x - 1, v) ||
                                      holdsMarked(position, stable, y, x + 1, v);
                if (!rowHolds)
                    continue;
                const bool columnHolds = y == 0 || y == 7 || full.column[x] ||
                                         holdsMarked(position, stable, y - 1, x, v) ||
                                         holdsMarked(position, stable, y + 1, x, v);
                if (!columnHolds)
                    continue;
                const bool antiDiagonalHolds = border || full.antiDiagonal[y + x] ||
                                               holdsMarked(position, stable, y + 1, x - 1, v) ||
                                               holdsMarked(position, stable, y - 1, x + 1, v);
                if (!antiDiagonalHolds)
                    continue;
                const bool diagonalHolds = border || full.diagonal[y - x + 7] ||
                                           holdsMarked(position, stable, y + 1, x + 1, v) ||
                                           holdsMarked(position, stable, y - 1, x - 1, v);
                if (diagonalHolds)
                    stable.mark(square, v);
            }
        }
    }
}

}  // namespace

StableDiscs::StableDiscs() : list{}, isStable{}, stableCount1(0), stableCount2(0), listLength(0) {}

void StableDiscs::mark(int square, int colour)
{
    list[listLength++] = square;
    isStable[square] = 1;
    if (colour == 1) {
        ++stableCount1;
    } else {
        ++stableCount2;
    }
}

PackedScore BoardPosition::finalScore() const
{
    const int d = discCount1 - discCount2;
    return ZERO_SCORE + d + 0x410000 * sign(d);
}

PackedScore BoardPosition::evaluate(int parentMoveCount) const
{
    const int a = parentMoveCount;
    const int b = moveCount;
    const int discDifference = discCount1 - discCount2;
    // Without moves on either side the disc difference stands in for stability.
    if (a == 0 && b == 0)
        return ZERO_SCORE + 65537 * discDifference;

    int rowCount[8] = {};
    int columnCount[8] = {};
    int diagonalCount[15] = {};
    int antiDiagonalCount[15] = {};
    for (int square = 0; square < 64; ++square) {
        if (squares[square] == 0)
            continue;
        const int y = rowOf(square);
        const int x = columnOf(square);
        ++rowCount[y];
        ++columnCount[x];
        ++diagonalCount[y - x + 7];
        ++antiDiagonalCount[y + x];
    }
    LineFullness full;
    for (int k = 0; k < 8; ++k) {
        full.row[k] = rowCount[k] == 8;
        full.column[k] = columnCount[k] == 8;
    }
    for (int k = 0; k < 15; ++k) {
        const int length = 8 - (k < 7 ? 7 - k : k - 7);
        full.diagonal[k] = diagonalCount[k] == length;
        full.antiDiagonal[k] = antiDiagonalCount[k] == length;
    }

    StableDiscs stable;
    findStableDiscs(*this, full, stable);

    const int mobility = sideToMove == 1 ? b - a : a - b;
    return ZERO_SCORE + 65536 * (stable.stableCount1 - stable.stableCount2) + 256 * mobility + discDifference;
}

}  // namespace engine
