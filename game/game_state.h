// SPDX-License-Identifier: GPL-3.0-or-later
// What the board and the panels read of the game: a narrow, read-only view
// that the game controller implements and the views are handed when they are
// made. The views show what it says and decide nothing about the rules.
#pragma once

#include <optional>

// A player's kind: 0 a human, 1 to 6 a robot whose level is its search depth.
inline constexpr int HUMAN = 0;
inline constexpr int LOWEST_ROBOT_LEVEL = 1;
inline constexpr int HIGHEST_ROBOT_LEVEL = 6;

constexpr bool IsRobot(int kind)
{
    return kind != HUMAN;
}
constexpr bool IsValidPlayerKind(int kind)
{
    return kind >= HUMAN && kind <= HIGHEST_ROBOT_LEVEL;
}

// Whether a game is set up on the board and whether it still runs.
enum class GamePhase {
    NoGame,   // a cleared board
    Running,  // a side is to move (or to pass)
    Over,     // neither side can move
};

// The phase of a position whose sideToMove is `sideToMove`.
GamePhase PhaseOf(int sideToMove);

// Where a player stands in the game, as that player's panel shows it.
enum class PlayerStatus {
    None,       // no game, or the other player is to move
    Won,        // the game is over and this player has more discs
    Lost,       // ... fewer discs
    Tied,       // ... as many discs as the other player
    ToMove,     // a human to move with a legal move
    MustPass,   // a human to move without one
    Thinking,   // a robot to move
    HadToPass,  // the robot that just passed, until the next turn update
};

class GameState {
public:
    virtual ~GameState() = default;

    // The displayed position. An animation may be writing it while these are
    // read, so each value is read in one piece; during an animation the
    // squares hold picture codes and the rest still describes the position
    // before the move.
    virtual int SideToMove() const = 0;  // 1 or 2, GAME_OVER or NO_GAME
    virtual int MoveCount() const = 0;
    virtual int LegalMove(int index) const = 0;  // index below MoveCount()
    virtual int DiscCount(int side) const = 0;
    virtual int SquareCode(int square) const = 0;

    // The square of the last move placed, NO_MOVE for none.
    virtual int LastMove() const = 0;
    virtual int PlayerKind(int side) const = 0;
    // Whether the last turn update passed for a robot that could not move.
    virtual bool RobotPassed() const = 0;
    // Whether the board shows an earlier position of a finished game, which
    // is being looked back over: nobody is to move and no result is shown.
    virtual bool Reviewing() const { return false; }
    // The exact value of the move to play on `square` (the final disc
    // difference for the side to move), once it is known and the values are
    // to be shown; nothing otherwise.
    virtual std::optional<int> MoveValue(int /*square*/) const { return std::nullopt; }

    GamePhase Phase() const { return PhaseOf(SideToMove()); }

    // Derived from the values above, for the panel of `player` (1 or 2).
    PlayerStatus StatusOf(int player) const;
    // Whether `square` is one of the side to move's legal moves.
    bool IsListedMove(int square) const;
};
