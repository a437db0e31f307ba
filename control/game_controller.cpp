// The game controller: how moves, passes, starts, clears and changes of a
// player's kind enter the game, and how the window follows the game after
// each of them. Everything here runs on the window thread.
#include <QPushButton>

#include "control/application.h"
#include "control/client_area.h"
#include "control/game_window.h"
#include "platform/resources.h"
#include "platform/shared_value.h"

using engine::BoardPosition;
using engine::GAME_OVER;
using engine::NO_GAME;
using engine::NO_MOVE;
using platform::LoadString;

void GameWindow::SetSquarePicture(int code, int square)
{
    if (platform::LoadShared(displayedPosition.sideToMove) < 1)
        return;
    platform::StoreShared(displayedPosition.squares[square], static_cast<int32_t>(code));
    boardView.DrawSquare(nullptr, square);
}

void GameWindow::PlayMove(int square)
{
    // While a move is being shown the displayed position belongs to its
    // animation; nothing may be played onto it until the animation is done.
    if (animationTask)
        return;
    if (square == NO_MOVE ? displayedPosition.moveCount != 0 : !displayedPosition.isLegalMove(square))
        return;

    const int previous = lastMove;
    lastMove = NO_MOVE;
    if (previous != NO_MOVE)
        SetSquarePicture(displayedPosition.squares[previous], previous);
    boardView.SetMarksShown(false);
    lastMove = square;

    BoardPosition after;
    after.copyAndApply(displayedPosition, square);

    if (square == NO_MOVE) {
        displayedPosition = after;
        UpdateTurn();
        idleEvent.Set();
        return;
    }

    animationTask = std::make_unique<AnimationTask>(this, square);
    nextPosition = after;
    if (nextPosition.sideToMove != GAME_OVER && nextPosition.moveCount == 0)
        nextPosition.applyMove(NO_MOVE);
    StartRobotIfNeeded();
}

void GameWindow::StartRobotIfNeeded()
{
    const int side = nextPosition.sideToMove;
    if (side >= 1 && nextPosition.moveCount > 0 && PlayerKindOf(side) != 0)
        robotTask = std::make_unique<RobotTask>(this, RobotRandom());
}

void GameWindow::UpdateTurn()
{
    robotPassed = false;
    {
        const int side = displayedPosition.sideToMove;
        if (side >= 1 && displayedPosition.moveCount == 0 && PlayerKindOf(side) != 0) {
            PlayMove(NO_MOVE);
            robotPassed = true;
        }
    }

    panel1.SetLevel(PlayerKindOf(1));
    panel2.SetLevel(PlayerKindOf(2));
    panel1.Paint(nullptr);
    panel2.Paint(nullptr);

    const int side = displayedPosition.sideToMove;
    int cursor = CURSOR_ARROW;
    bool marks = false;
    bool pass = false;
    if (side >= 1) {
        if (PlayerKindOf(side) != 0) {
            cursor = CURSOR_WORKING;
        } else {
            cursor = side == 1 ? CURSOR_PLAYER1 : CURSOR_PLAYER2;
            marks = displayedPosition.moveCount > 0;
            pass = !marks;
        }
    }
    SetCursorMode(cursor);
    boardView.SetMarksShown(marks);
    passButton->setEnabled(pass);

    if (pass)
        passButton->setFocus();
    else if (side < 1)
        startClearButton->setFocus();
    else if (!startClearButton->isDown())
        Client()->setFocus();

    RefreshCommandStates();
}

void GameWindow::OnAnimationDone(int serial)
{
    if (serial != animationSerial)
        return;
    CancelAndDelete(animationTask);
    UpdateTurn();
    if (displayedPosition.moveCount > 0)
        idleEvent.Set();
}

void GameWindow::OnRobotMove(int serial, int square)
{
    if (serial != robotSerial)
        return;
    CancelAndDelete(robotTask);
    PlayMove(square);
}

void GameWindow::PassTurn()
{
    if (platform::LoadShared(displayedPosition.sideToMove) >= 1)
        PlayMove(NO_MOVE);
}

void GameWindow::StartGame()
{
    AbandonAll();
    lastMove = NO_MOVE;
    if (displayedPosition.sideToMove >= 1)
        return;
    displayedPosition.setStartPosition();
    boardView.PaintBoard(nullptr);
    idleEvent.Set();
    startClearButton->setText(LoadString(8));
    nextPosition = displayedPosition;
    StartRobotIfNeeded();
    UpdateTurn();
}

void GameWindow::ClearGame()
{
    // An animation may be writing the position: read the side in one piece.
    if (platform::LoadShared(displayedPosition.sideToMove) >= 1 && !AskQuestion(15, 16))
        return;
    AbandonAll();
    lastMove = NO_MOVE;
    displayedPosition.clear();
    boardView.PaintBoard(nullptr);
    idleEvent.Set();
    startClearButton->setText(LoadString(9));
    UpdateTurn();
}

void GameWindow::SetPlayerKind(int side, int kind)
{
    const int old = PlayerKindOf(side);
    playerKind[side - 1].store(kind, std::memory_order_relaxed);
    const int first = side == 1 ? ID_PLAYER1_FIRST : ID_PLAYER2_FIRST;
    if (QAction* item = CommandAction(first + kind))
        item->setChecked(true);
    if (kind == old)
        return;
    // On a cleared board the next position still holds the cleared game's;
    // nobody is to move next there.
    if (nextPosition.sideToMove == side && platform::LoadShared(displayedPosition.sideToMove) != NO_GAME) {
        AbandonRobot();
        StartRobotIfNeeded();
    }
    if (!animationTask)
        UpdateTurn();
}

void GameWindow::AbandonRobot()
{
    ++robotSerial;
    if (robotTask) {
        idleEvent.Set();
        CancelAndDelete(robotTask);
        // The event says that the displayed position's side to move can act:
        // not while a move is being shown, and not while that side must pass.
        if (animationTask || (displayedPosition.sideToMove >= 1 && displayedPosition.moveCount == 0))
            idleEvent.Reset();
    }
    robotTask.reset();
}

void GameWindow::AbandonAll()
{
    ++animationSerial;
    ++robotSerial;
    idleEvent.Set();
    if (animationTask)
        animationTask->Cancel();
    if (robotTask)
        robotTask->Cancel();
    CancelAndDelete(animationTask);
    CancelAndDelete(robotTask);
}
