// The board position of a game of Reversi and the rules that change it,
// plus the packed score by which the robot ranks positions.
#pragma once

#include <cstdint>

// The move that places no disc (a pass); also "no square".
inline constexpr int32_t NO_MOVE = -1;
// Values of sideToMove that are not a colour.
inline constexpr int32_t GAME_OVER = -1;
inline constexpr int32_t NO_GAME = -2;

// A score from colour 1's point of view:
// 0x414141 + 65536 * stable difference + 256 * mobility difference + disc difference.
using PackedScore = int32_t;
inline constexpr PackedScore LOWEST_SCORE = 0;
inline constexpr PackedScore HIGHEST_SCORE = 0x828282;

struct Captures {
    int32_t runLength[8];
    int32_t squares[64];
    int32_t count;
};

// One whole game state. A flat record of 32-bit fields that is copied freely;
// nothing in it allocates.
struct BoardPosition {
    int32_t discCount1;
    int32_t discCount2;
    int32_t moves[48];  // legal squares of the side to move, ascending
    int32_t moveCount;
    int32_t sideToMove;   // 1, 2, GAME_OVER or NO_GAME
    int32_t squares[64];  // 0 empty, 1 or 2 a disc of that colour

    BoardPosition();

    void clear();
    void setStartPosition();
    bool isLegalMove(int square) const;
    void regenerateMoves();
    void applyMove(int square);
    void finishMove();
    void copyAndApply(const BoardPosition& source, int square);
    Captures capturesOf(int square) const;

    PackedScore evaluate(int parentMoveCount) const;
    PackedScore finalScore() const;
};

// The work record of one stability analysis.
struct StableDiscs {
    int32_t list[64];
    uint8_t isStable[64];
    int32_t stableCount1;
    int32_t stableCount2;
    int32_t listLength;

    StableDiscs();
    void mark(int square, int colour);
};

// TEMPORARY: the engine library's namespace and helpers, until the engine
// branch lands.
namespace engine {
using ::BoardPosition;
using ::GAME_OVER;
using ::NO_GAME;
using ::NO_MOVE;
using ::PackedScore;
constexpr int opponent(int side)
{
    return 3 - side;
}
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
using ::Captures;
}  // namespace engine
inline Captures BoardPosition::capturesOf(int square) const
{
    using namespace engine;
    const BoardPosition& position = *this;
    Captures captures{};
    const int side = position.sideToMove;
    int dy = -1, dx = 1;
    for (int direction = 0; direction < 8; ++direction) {
        int row = rowOf(square) + dy, column = columnOf(square) + dx, run = 0;
        while (row >= 0 && row < 8 && column >= 0 && column < 8 &&
               position.squares[squareAt(row, column)] == opponent(side)) {
            row += dy;
            column += dx;
            ++run;
        }
        if (run > 0 && row >= 0 && row < 8 && column >= 0 && column < 8 &&
            position.squares[squareAt(row, column)] == side) {
            captures.runLength[direction] = run;
            for (int k = 1; k <= run; ++k)
                captures.squares[captures.count++] = squareAt(rowOf(square) + k * dy, columnOf(square) + k * dx);
        }
        const int ny = (dy + dx > 0) - (dy + dx < 0);
        dx = (dx - dy > 0) - (dx - dy < 0);
        dy = ny;
    }
    return captures;
}
