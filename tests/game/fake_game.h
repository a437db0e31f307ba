// SPDX-License-Identifier: GPL-3.0-or-later
// A game of the test's own making for the board view and the panels to show,
// with a back buffer and a drawing lock of its own for the drawing they do
// outside painting.
#pragma once

#include <QImage>
#include <QSize>
#include <mutex>

#include "board/drawing_context_guard.h"
#include "engine/board_position.h"
#include "game/game_state.h"
#include "platform/window_surface.h"

class FakeGame : public GameState {
public:
    // Its squares are the picture codes the views draw.
    engine::BoardPosition position;
    int lastMove = engine::NO_MOVE;
    int kinds[2] = {HUMAN, HUMAN};
    bool robotPassed = false;

    int SideToMove() const override { return position.sideToMove; }
    int MoveCount() const override { return position.moveCount; }
    int LegalMove(int index) const override { return position.moves[index]; }
    int DiscCount(int side) const override { return side == 1 ? position.discCount1 : position.discCount2; }
    int SquareCode(int square) const override { return position.squares[square]; }
    int LastMove() const override { return lastMove; }
    int PlayerKind(int side) const override { return kinds[side - 1]; }
    bool RobotPassed() const override { return robotPassed; }

    // Where the views draw without a context: a back buffer of `size`, filled
    // with `colour`.
    DrawingTarget Target() { return DrawingTarget{&drawingLock, &surface}; }
    QImage& BackBuffer(QSize size, QRgb colour)
    {
        std::lock_guard hold(drawingLock);
        surface.Resize(size);
        surface.Image().fill(colour);
        return surface.Image();
    }

    std::mutex drawingLock;
    platform::WindowSurface surface{nullptr};
};
