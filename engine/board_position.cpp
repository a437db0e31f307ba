// The rules of Reversi on a BoardPosition: setting up, the legality test,
// the move list, playing a move with its captures and handing on the turn.
#include "engine/board_position.h"

namespace {

constexpr int sign(int v)
{
    return (v > 0) - (v < 0);
}

constexpr bool onBoard(int row, int column)
{
    return row >= 0 && row < 8 && column >= 0 && column < 8;
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
    const int opponent = 3 - side;
    const int y = square >> 3;
    const int x = square & 7;
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
            if (squares[row * 8 + column] != opponent)
                continue;
            for (;;) {
                row += dy;
                column += dx;
                if (!onBoard(row, column))
                    break;
                const int held = squares[row * 8 + column];
                if (held == side)
                    return true;
                if (held != opponent)
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
        const int opponent = 3 - side;
        const int y = square >> 3;
        const int x = square & 7;
        squares[square] = side;
        // The eight directions clockwise from up-right; each next one is
        // (sign(dy + dx), sign(dx - dy)) of the one before.
        int dy = -1;
        int dx = 1;
        do {
            int row = y + dy;
            int column = x + dx;
            int runLength = 0;
            while (onBoard(row, column) && squares[row * 8 + column] == opponent) {
                row += dy;
                column += dx;
                ++runLength;
            }
            if (runLength > 0 && onBoard(row, column) && squares[row * 8 + column] == side) {
                for (int k = 1; k <= runLength; ++k)
                    squares[(y + k * dy) * 8 + (x + k * dx)] = side;
            }
            const int nextDy = sign(dy + dx);
            const int nextDx = sign(dx - dy);
            dy = nextDy;
            dx = nextDx;
        } while (!(dy == -1 && dx == 1));
    }
    finishMove();
}

void BoardPosition::finishMove()
{
    const int side = sideToMove;
    sideToMove = 3 - side;
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
    sideToMove = 3 - side;
}

void BoardPosition::copyAndApply(const BoardPosition& source, int square)
{
    *this = source;
    applyMove(square);
}
