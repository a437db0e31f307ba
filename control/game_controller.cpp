// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/game_controller.h"

#include <cassert>

#include "board/board_view.h"
#include "engine/hint.h"
#include "panels/player_panel.h"
#include "platform/shared_value.h"
#include "platform/window_message.h"

using engine::BoardPosition;
using engine::NO_MOVE;
using platform::LoadShared;
using platform::StoreShared;
using platform::StringId;

GameController::GameController(uint32_t robotSeed) : robotRandom_(robotSeed) {}

GameController::~GameController()
{
    // Normally the close handler has stopped both tasks already; a game torn
    // down without closing must not leave a thread behind either.
    AbandonAll();
}

void GameController::Attach(GameShell& shell, BoardView& board, PlayerPanel& panel1, PlayerPanel& panel2)
{
    shell_ = &shell;
    board_ = &board;
    panels_[0] = &panel1;
    panels_[1] = &panel2;
}

// ---------------------------------------------------------------------------
// What the views read. The animation may be writing the displayed position,
// so every value is read in one piece.

int GameController::SideToMove() const
{
    return LoadShared(displayedPosition_.sideToMove);
}
int GameController::MoveCount() const
{
    return LoadShared(displayedPosition_.moveCount);
}
int GameController::LegalMove(int index) const
{
    return LoadShared(displayedPosition_.moves[index]);
}
int GameController::DiscCount(int side) const
{
    return LoadShared(side == 1 ? displayedPosition_.discCount1 : displayedPosition_.discCount2);
}
int GameController::SquareCode(int square) const
{
    return LoadShared(displayedPosition_.squares[square]);
}
int GameController::LastMove() const
{
    return LoadShared(lastMove_);
}
int GameController::PlayerKind(int side) const
{
    return playerKind_[side - 1].load(std::memory_order_relaxed);
}
bool GameController::RobotPassed() const
{
    return robotPassed_;
}

// ---------------------------------------------------------------------------
// The turn flow

void GameController::SetSquarePicture(int code, int square)
{
    if (Phase() != GamePhase::Running)
        return;
    StoreShared(displayedPosition_.squares[square], static_cast<int32_t>(code));
    board_->DrawSquare(nullptr, square);
}

void GameController::FinishDisplayedMove()
{
    // The window thread may be reading the position meanwhile: publish the
    // result one whole value at a time.
    BoardPosition after = displayedPosition_;
    after.finishMove();
    BoardPosition& shown = displayedPosition_;
    StoreShared(shown.discCount1, after.discCount1);
    StoreShared(shown.discCount2, after.discCount2);
    for (int i = 0; i < engine::MAX_MOVES; ++i)
        StoreShared(shown.moves[i], after.moves[i]);
    StoreShared(shown.moveCount, after.moveCount);
    for (int i = 0; i < 64; ++i)
        StoreShared(shown.squares[i], after.squares[i]);
    StoreShared(shown.sideToMove, after.sideToMove);
}

void GameController::PlayMove(int square)
{
    // While a move is being shown the displayed position belongs to its
    // animation; nothing may be played onto it until the animation is done.
    if (animationTask_ || Phase() != GamePhase::Running)
        return;
    if (square == NO_MOVE ? displayedPosition_.moveCount != 0 : !displayedPosition_.isLegalMove(square))
        return;
    AbandonHint();
    // Undo comes back to the moments at which a human acted.
    const int mover = displayedPosition_.sideToMove;
    const bool recorded = history_.Play(square, !IsRobot(PlayerKind(mover)));
    assert(recorded && "the record holds the displayed position's game");
    (void)recorded;
    emit MovePlayed(mover, square);

    const int previous = lastMove_;
    StoreShared(lastMove_, NO_MOVE);
    if (previous != NO_MOVE)
        SetSquarePicture(displayedPosition_.squares[previous], previous);
    board_->SetMarksShown(false);
    AbandonValues();
    StoreShared(lastMove_, static_cast<int32_t>(square));

    BoardPosition after;
    after.copyAndApply(displayedPosition_, square);

    if (square == NO_MOVE) {
        displayedPosition_ = after;
        UpdateTurn();
        idleEvent_.Set();
        return;
    }

    // No cursor of a player while the move is shown.
    shell_->SetCursorMode(CURSOR_ARROW);
    animationTask_ = std::make_unique<AnimationTask>(*this, square);
    SetNextPosition(after);
    StartRobotIfNeeded();
}

void GameController::SetNextPosition(const BoardPosition& position)
{
    // A pass that the side to move must make is applied at once, so that the
    // next position names the player who really moves next.
    nextPosition_ = position;
    if (PhaseOf(nextPosition_.sideToMove) == GamePhase::Running && nextPosition_.moveCount == 0)
        nextPosition_.applyMove(NO_MOVE);
}

bool GameController::SideToMoveMustPass() const
{
    return PhaseOf(displayedPosition_.sideToMove) == GamePhase::Running && displayedPosition_.moveCount == 0;
}

void GameController::StartRobotIfNeeded()
{
    const int side = nextPosition_.sideToMove;
    if (PhaseOf(side) == GamePhase::Running && nextPosition_.moveCount > 0 && IsRobot(PlayerKind(side)))
        robotTask_ = std::make_unique<RobotTask>(*this, nextPosition_, robotSerial_);
}

void GameController::UpdateTurn()
{
    UpdateTurnFrom(false);
}

void GameController::UpdateTurnFrom(bool robotPassed)
{
    robotPassed_ = robotPassed;
    if (SideToMoveMustPass() && IsRobot(PlayerKind(displayedPosition_.sideToMove))) {
        PlayMove(NO_MOVE);
        robotPassed_ = true;
    }

    for (int side = 1; side <= 2; ++side)
        panels_[side - 1]->SetLevel(PlayerKind(side));
    for (PlayerPanel* panel : panels_)
        panel->Paint(nullptr);

    const int side = displayedPosition_.sideToMove;
    const bool running = Phase() == GamePhase::Running;
    int cursor = CURSOR_ARROW;
    bool marks = false;
    bool pass = false;
    if (running) {
        if (IsRobot(PlayerKind(side))) {
            cursor = CURSOR_WORKING;
        } else {
            cursor = side == 1 ? CURSOR_PLAYER1 : CURSOR_PLAYER2;
            marks = displayedPosition_.moveCount > 0;
            pass = !marks;
        }
    }
    shell_->SetCursorMode(cursor);
    board_->SetMarksShown(marks);
    shell_->ShowTurn(pass, running);
    StartValuesIfWanted();
    emit TurnUpdated();
}

void GameController::HandleSquareClick(int square)
{
    if (Phase() != GamePhase::Running || animationTask_ || IsRobot(PlayerKind(SideToMove())))
        return;
    PlayMove(square);
}

bool GameController::event(QEvent* e)
{
    if (const auto* message = platform::ReceivedWindowMessage(e, WM_ANIMATION_DONE)) {
        OnAnimationDone(message->wParam);
        return true;
    }
    if (const auto* message = platform::ReceivedWindowMessage(e, WM_ROBOT_MOVE)) {
        OnRobotMove(message->wParam, message->lParam);
        return true;
    }
    if (const auto* message = platform::ReceivedWindowMessage(e, WM_HINT_FOUND)) {
        OnHintFound(message->wParam, message->lParam);
        return true;
    }
    if (const auto* message = platform::ReceivedWindowMessage(e, WM_MOVE_VALUE)) {
        OnMoveValue(message->wParam, SquareOfMessage(message->lParam), ValueOfMessage(message->lParam));
        return true;
    }
    return QObject::event(e);
}

void GameController::OnAnimationDone(int serial)
{
    if (serial != animationSerial_)
        return;
    CancelAndDelete(animationTask_);
    UpdateTurn();
    if (displayedPosition_.moveCount > 0)
        idleEvent_.Set();
}

void GameController::OnRobotMove(int serial, int square)
{
    if (serial != robotSerial_)
        return;
    CancelAndDelete(robotTask_);
    PlayMove(square);
}

void GameController::PassTurn()
{
    PlayMove(NO_MOVE);
}

bool GameController::CanStartGame() const
{
    return Phase() != GamePhase::Running;
}

bool GameController::CanClearGame() const
{
    return Phase() != GamePhase::NoGame;
}

bool GameController::CanUndoMove() const
{
    return Phase() != GamePhase::NoGame && history_.UndoTarget() >= 0;
}

bool GameController::CanRedoMove() const
{
    return Phase() != GamePhase::NoGame && history_.RedoTarget() >= 0;
}

bool GameController::CanShowHint() const
{
    return Phase() == GamePhase::Running && !IsRobot(PlayerKind(SideToMove())) && MoveCount() > 0 && !animationTask_;
}

void GameController::StartGame()
{
    AbandonAll();
    StoreShared(lastMove_, NO_MOVE);
    if (Phase() == GamePhase::Running)
        return;
    reviewedPly_ = -1;
    board_->HideKeyboardCursor();
    displayedPosition_.setStartPosition();
    history_.Begin(displayedPosition_);
    board_->PaintBoard(nullptr);
    idleEvent_.Set();
    shell_->SetStartClearCaption(StringId::ClearBoard);
    SetNextPosition(displayedPosition_);
    StartRobotIfNeeded();
    emit GameStarted();
    UpdateTurn();
}

void GameController::ClearGame()
{
    // An animation may be writing the position: read the side in one piece.
    if (Phase() == GamePhase::Running && !shell_->AskQuestion(StringId::ClearQuestion, StringId::ClearCaption))
        return;
    AbandonAll();
    history_.End();
    reviewedPly_ = -1;
    board_->HideKeyboardCursor();
    StoreShared(lastMove_, NO_MOVE);
    displayedPosition_.clear();
    board_->PaintBoard(nullptr);
    idleEvent_.Set();
    shell_->SetStartClearCaption(StringId::StartGame);
    UpdateTurn();
}

void GameController::UndoMove()
{
    if (!CanUndoMove())
        return;
    history_.MoveTo(history_.UndoTarget());
    ShowPresent();
}

void GameController::RedoMove()
{
    if (!CanRedoMove())
        return;
    history_.MoveTo(history_.RedoTarget());
    ShowPresent();
}

void GameController::ShowPosition(const BoardPosition& position, int lastMove)
{
    // The marks on the board belong to the position being left.
    board_->SetMarksShown(false);
    displayedPosition_ = position;
    StoreShared(lastMove_, static_cast<int32_t>(lastMove));
    board_->PaintBoard(nullptr);
}

void GameController::ShowPresent()
{
    AbandonAll();
    reviewedPly_ = -1;
    const int present = history_.Present();
    ShowPosition(history_.PresentPosition(), history_.LastMoveAt(present));
    // As after the move that led to this moment, so that a robot on the
    // other side of a pass thinks meanwhile.
    SetNextPosition(displayedPosition_);
    StartRobotIfNeeded();
    // A robot that had just passed says so again, if it is still a robot.
    const int side = displayedPosition_.sideToMove;
    UpdateTurnFrom(history_.RobotPassedAt(present) && Phase() == GamePhase::Running &&
                   IsRobot(PlayerKind(engine::opponent(side))));
    // A robot's move waits while the side to move must still pass.
    if (SideToMoveMustPass())
        idleEvent_.Reset();
    else
        idleEvent_.Set();
}

int GameController::ShownPly() const
{
    if (Reviewing())
        return reviewedPly_;
    return history_.Present() - (animationTask_ ? 1 : 0);
}

bool GameController::CanReview() const
{
    return history_.Exists() && Phase() == GamePhase::Over && !animationTask_;
}

void GameController::ReviewPly(int ply)
{
    if (!CanReview() || ply < 0 || ply > history_.Present() || ply == ShownPly())
        return;
    EndHintBlink();
    BoardPosition shown = history_.Record().positionAt(ply);
    reviewedPly_ = ply < history_.Present() ? ply : -1;
    if (Reviewing()) {
        // Nobody is to move in a position that is only looked at.
        shown.sideToMove = engine::GAME_OVER;
        shown.moveCount = 0;
    }
    ShowPosition(shown, history_.LastMoveAt(ply));
    UpdateTurn();
}

void GameController::LoadRecord(const engine::GameRecord& record)
{
    AbandonAll();
    board_->HideKeyboardCursor();
    history_.Begin(record);
    shell_->SetStartClearCaption(StringId::ClearBoard);
    ShowPresent();
}

engine::GameRecord GameController::PlayedRecord() const
{
    engine::GameRecord played = history_.Record();
    played.truncate(history_.Present());
    return played;
}

void GameController::ContinueFromHere()
{
    if (!CanContinueFromHere())
        return;
    history_.CutAt(reviewedPly_);
    ShowPresent();
}

void GameController::ShowHint()
{
    if (!CanShowHint())
        return;
    AbandonHint();
    hintTask_ = std::make_unique<HintTask>(*this, displayedPosition_, hintSerial_);
}

void GameController::OnHintFound(int serial, int square)
{
    if (serial != hintSerial_)
        return;
    CancelAndDelete(hintTask_);
    // A change of the side's kind starts no move, so it does not abandon the
    // hint; a hint that arrives for a robot is dropped.
    if (!CanShowHint() || !displayedPosition_.isLegalMove(square))
        return;
    hintBlink_.Start(*board_, square, displayedPosition_.sideToMove);
}

void GameController::EndHintBlink()
{
    hintBlink_.Stop();
}

void GameController::SetShowMoveValues(bool shown)
{
    if (shown == showMoveValues_)
        return;
    showMoveValues_ = shown;
    AbandonValues();
    board_->RedrawMarks();
    emit MoveValuesShown();
    StartValuesIfWanted();
}

std::optional<int> GameController::MoveValue(int square) const
{
    if (valuesFound_ == 0 || valuesFound_ != MoveCount() || square < 0 || square > 63)
        return std::nullopt;
    return moveValues_[static_cast<size_t>(square)];
}

void GameController::StartValuesIfWanted()
{
    if (!showMoveValues_ || valuesTask_ || valuesFound_ > 0 || !CanShowHint() ||
        !engine::solvedExactly(displayedPosition_))
        return;
    valuesTask_ = std::make_unique<ValuesTask>(*this, displayedPosition_, valuesSerial_);
}

void GameController::OnMoveValue(int serial, int square, int value)
{
    if (serial != valuesSerial_ || !displayedPosition_.isLegalMove(square))
        return;
    if (!moveValues_[static_cast<size_t>(square)]) {
        moveValues_[static_cast<size_t>(square)] = value;
        ++valuesFound_;
    }
    if (valuesFound_ < displayedPosition_.moveCount)
        return;
    CancelAndDelete(valuesTask_);
    board_->RedrawMarks();
    emit MoveValuesShown();
}

void GameController::AbandonValues()
{
    ++valuesSerial_;
    CancelAndDelete(valuesTask_);
    moveValues_.fill(std::nullopt);
    valuesFound_ = 0;
}

void GameController::AbandonHint()
{
    ++hintSerial_;
    CancelAndDelete(hintTask_);
    hintBlink_.Stop();
}

void GameController::SetPlayerKind(int side, int kind)
{
    const int old = PlayerKind(side);
    playerKind_[side - 1].store(kind, std::memory_order_relaxed);
    shell_->MarkPlayerKind(side, kind);
    if (kind == old)
        return;
    // On a cleared board the next position still holds the cleared game's;
    // nobody is to move next there.
    if (nextPosition_.sideToMove == side && Phase() != GamePhase::NoGame) {
        AbandonRobot();
        StartRobotIfNeeded();
    }
    if (!animationTask_)
        UpdateTurn();
}

// ---------------------------------------------------------------------------
// Abandoning tasks

void GameController::AbandonRobot()
{
    ++robotSerial_;
    if (robotTask_) {
        idleEvent_.Set();
        CancelAndDelete(robotTask_);
        // The event says that the displayed position's side to move can act:
        // not while a move is being shown, and not while that side must pass.
        if (animationTask_ || SideToMoveMustPass())
            idleEvent_.Reset();
    }
    robotTask_.reset();
}

void GameController::AbandonAll()
{
    ++animationSerial_;
    ++robotSerial_;
    ++hintSerial_;
    ++valuesSerial_;
    idleEvent_.Set();
    if (animationTask_)
        animationTask_->Cancel();
    if (robotTask_)
        robotTask_->Cancel();
    if (hintTask_)
        hintTask_->Cancel();
    if (valuesTask_)
        valuesTask_->Cancel();
    CancelAndDelete(animationTask_);
    CancelAndDelete(robotTask_);
    CancelAndDelete(hintTask_);
    hintBlink_.Stop();
    AbandonValues();
}
