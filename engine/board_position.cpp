// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of Reversi on a BoardPosition: setting up, the legality test,
// the move list, playing a move with its captures and handing on the turn.
#include "engine/board_position.h"

namespace engine {

namespace {

// The capture rule. A disc of `side` on `square` turns, in each of
// DIRECTIONS, the run of opponent discs next to it if a disc of `side` closes
// the run; a run that reaches an empty square or the edge turns nothing.
// Calls turn(direction, stride, runLength) for every direction that turns a
// run, in the order of DIRECTIONS: the run's squares are square + k * stride
// for k = 1 .. runLength, from next to the move outwards. The square itself
// is not read.
template <typename Turn>
inline void forEachTurnedRun(const int32_t (&squares)[64], int square, int side, Turn&& turn)
{
    const int other = opponent(side);
    const int y = rowOf(square);
    const int x = columnOf(square);
    for (int direction = 0; direction < 8; ++direction) {
        const Direction step = DIRECTIONS[direction];
        int row = y + step.rowStep;
        int column = x + step.columnStep;
        int runLength = 0;
        while (onBoard(row, column) && squares[squareAt(row, column)] == other) {
            row += step.rowStep;
            column += step.columnStep;
            ++runLength;
        }
        if (runLength > 0 && onBoard(row, column) && squares[squareAt(row, column)] == side) {
            const int stride = squareAt(step.rowStep, step.columnStep);  // one step in square numbers
            turn(direction, stride, runLength);
        }
    }
}

}  // namespace

BoardPosition::BoardPosition()
{
    // The unused tail of `moves` is zeroed too, so that a fresh position
    // never carries indeterminate values into a copy.
    for (int32_t& move : moves)
        move = 0;
    clear();
}

void BoardPosition::clear()
{
    sideToMove = NO_GAME;
    for (int32_t& square : squares)
        square = 0;
    discCount1 = 0;
    discCount2 = 0;
    moveCount = 0;
}

void BoardPosition::setStartPosition()
{
    for (int32_t& square : squares)
        square = 0;
    squares[27] = 2;
    squares[36] = 2;
    squares[28] = 1;
    squares[35] = 1;
    sideToMove = 1;
    regenerateMoves();
}

bool BoardPosition::isLegalMove(int square) const
{
    if (squares[square] != 0)
        return false;
    const int side = sideToMove;
    const int other = opponent(side);
    const int y = rowOf(square);
    const int x = columnOf(square);
    // Only directions with at least two squares before the edge can hold a capture.
    const int rowFirst = y >= 2 ? -1 : 0;
    const int rowLast = y <= 5 ? 1 : 0;
    const int columnFirst = x >= 2 ? -1 : 0;
    const int columnLast = x <= 5 ? 1 : 0;
    for (int dy = rowFirst; dy <= rowLast; ++dy) {
        for (int dx = columnFirst; dx <= columnLast; ++dx) {
            if (dy == 0 && dx == 0)
                continue;
            int row = y + dy;
            int column = x + dx;
            if (squares[squareAt(row, column)] != other)
                continue;
            for (;;) {
                row += dy;
                column += dx;
                if (!onBoard(row, column))
                    break;
                const int held = squares[squareAt(row, column)];
                if (held == side)
                    return true;
                if (held != other)
                    break;
            }
        }
    }
    return false;
}

void BoardPosition::regenerateMoves()
{
    int count = 0;
    int count1 = 0;
    int count2 = 0;
    for (int square = 0; square < 64; ++square) {
        const int held = squares[square];
        if (held == 0) {
            if (isLegalMove(square))
                moves[count++] = square;
        } else if (held == 1) {
            ++count1;
        } else if (held == 2) {
            ++count2;
        }
    }
    moveCount = count;
    discCount1 = count1;
    discCount2 = count2;
}

void BoardPosition::applyMove(int square)
{
    if (square != NO_MOVE) {
        const int side = sideToMove;
        squares[square] = side;
        forEachTurnedRun(squares, square, side, [&](int, int stride, int runLength) {
            for (int k = 1; k <= runLength; ++k)
                squares[square + k * stride] = side;
        });
    }
    finishMove();
}

Captures BoardPosition::capturesOf(int square) const
{
    Captures captures{};
    if (square < 0 || square >= 64)
        return captures;
    forEachTurnedRun(squares, square, sideToMove, [&](int direction, int stride, int runLength) {
        captures.runLength[direction] = runLength;
        for (int k = 1; k <= runLength; ++k)
            captures.squares[captures.count++] = square + k * stride;
    });
    return captures;
}

void BoardPosition::finishMove()
{
    const int side = sideToMove;
    sideToMove = opponent(side);
    regenerateMoves();
    if (moveCount > 0)
        return;
    sideToMove = side;
    regenerateMoves();
    if (moveCount == 0) {
        sideToMove = GAME_OVER;
        return;
    }
    // The mover can go on but its opponent cannot: the opponent must pass.
    moveCount = 0;
    sideToMove = opponent(side);
}

void BoardPosition::copyAndApply(const BoardPosition& source, int square)
{
    *this = source;
    applyMove(square);
}

}  // namespace engine
