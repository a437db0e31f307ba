// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game_state.h"

#include "engine/board_position.h"

GamePhase PhaseOf(int sideToMove)
{
    if (sideToMove == engine::NO_GAME)
        return GamePhase::NoGame;
    return sideToMove == engine::GAME_OVER ? GamePhase::Over : GamePhase::Running;
}

PlayerStatus GameState::StatusOf(int player) const
{
    if (Reviewing())
        return PlayerStatus::None;
    const int side = SideToMove();
    if (side == engine::GAME_OVER) {
        const int mine = DiscCount(player);
        const int theirs = DiscCount(engine::opponent(player));
        return mine > theirs ? PlayerStatus::Won : mine == theirs ? PlayerStatus::Tied : PlayerStatus::Lost;
    }
    if (side == player) {
        if (IsRobot(PlayerKind(player)))
            return PlayerStatus::Thinking;
        return MoveCount() != 0 ? PlayerStatus::ToMove : PlayerStatus::MustPass;
    }
    if (side == engine::opponent(player) && RobotPassed())
        return PlayerStatus::HadToPass;
    return PlayerStatus::None;
}

bool GameState::IsListedMove(int square) const
{
    const int count = MoveCount();
    for (int i = 0; i < count && i < engine::MAX_MOVES; ++i)
        if (LegalMove(i) == square)
            return true;
    return false;
}
