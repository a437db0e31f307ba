// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/notation.h"

namespace engine {

std::string squareName(int square)
{
    if (square < 0 || square > 63)
        return "pass";
    return {static_cast<char>('a' + columnOf(square)), static_cast<char>('1' + rowOf(square))};
}

int parseSquare(std::string_view text)
{
    if (text.size() != 2)
        return NO_MOVE;
    const char letter = static_cast<char>(text[0] | 0x20);  // lower case
    if (letter < 'a' || letter > 'h' || text[1] < '1' || text[1] > '8')
        return NO_MOVE;
    return squareAt(text[1] - '1', letter - 'a');
}

std::string formatPosition(const BoardPosition& position)
{
    static constexpr char SQUARE_LETTERS[3] = {'.', 'X', 'O'};
    std::string text(65, '.');
    for (int square = 0; square < 64; ++square) {
        const int content = position.squares[square];
        text[static_cast<size_t>(square)] = content >= 0 && content <= 2 ? SQUARE_LETTERS[content] : '.';
    }
    text[64] = position.sideToMove == 2 ? 'O' : 'X';
    return text;
}

void settlePosition(BoardPosition& position, int side)
{
    // finishMove after a move of the other side lists this side's moves and
    // falls back to the pass state or the end of the game as needed.
    position.sideToMove = opponent(side);
    position.finishMove();
}

bool parsePosition(std::string_view text, BoardPosition& position)
{
    if (text.size() != 65)
        return false;
    position.clear();
    for (int square = 0; square < 64; ++square) {
        switch (text[static_cast<size_t>(square)]) {
        case '.':
            position.squares[square] = 0;
            break;
        case 'X':
            position.squares[square] = 1;
            break;
        case 'O':
            position.squares[square] = 2;
            break;
        default:
            return false;
        }
    }
    if (text[64] != 'X' && text[64] != 'O')
        return false;
    settlePosition(position, text[64] == 'X' ? 1 : 2);
    return true;
}

}  // namespace engine
