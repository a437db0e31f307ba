// SPDX-License-Identifier: GPL-3.0-or-later
// The game: the displayed and the next position, the last move, the players'
// kinds, the serials, the two locks, the idle event, the background tasks and
// the turn flow by which every move, pass, start, clear and change of a
// player's kind enters the game. It runs on the window thread; the tasks
// report back by posting to it. The board view and the panels read it
// through GameState; what it needs of the window's widgets it asks of the
// GameShell.
#pragma once

#include <QObject>
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <mutex>

#include "control/background_task.h"
#include "control/game_history.h"
#include "control/hint_blink.h"
#include "engine/board_position.h"
#include "engine/random.h"
#include "game/game_state.h"
#include "platform/event.h"
#include "platform/resources.h"

class BoardView;
class PlayerPanel;

// Cursor modes of the client area.
inline constexpr int CURSOR_ARROW = 0;
inline constexpr int CURSOR_PLAYER1 = 1;
inline constexpr int CURSOR_PLAYER2 = 2;
inline constexpr int CURSOR_WORKING = 3;

// The window's side of the turn flow: its widgets, cursor and questions.
class GameShell {
public:
    virtual ~GameShell() = default;
    virtual void SetCursorMode(int mode) = 0;
    // Puts the radio mark on `kind` in the menu of player `side`.
    virtual void MarkPlayerKind(int side, int kind) = 0;
    virtual void SetStartClearCaption(platform::StringId caption) = 0;
    // After a turn update: enables or disables Pass and moves the keyboard
    // focus to whatever the player acts with next.
    virtual void ShowTurn(bool passEnabled, bool gameRunning) = 0;
    // An OK/Cancel question with the question icon; true for OK.
    virtual bool AskQuestion(platform::StringId text, platform::StringId caption) = 0;
};

class GameController : public QObject, public GameState {
    Q_OBJECT

public:
    // The robot draws its random numbers from a generator seeded with
    // `robotSeed` (the program seeds it from the clock).
    explicit GameController(uint32_t robotSeed);
    // Stops any task still running.
    ~GameController() override;
    GameController(const GameController&) = delete;
    GameController& operator=(const GameController&) = delete;

    // Hands the controller what it drives. Once, before any other operation.
    void Attach(GameShell& shell, BoardView& board, PlayerPanel& panel1, PlayerPanel& panel2);

    // --- Commands (window thread) ---
    // Brings the panels, the marks, the cursor and the buttons in line with
    // the displayed position, passing first for a robot that cannot move.
    void UpdateTurn();
    void SetPlayerKind(int side, int kind);
    void StartGame();
    void ClearGame();
    void PassTurn();
    // A click on a square: played when a game runs, no move is being shown
    // and a human is to move.
    void HandleSquareClick(int square);
    // Stops every task and the hint's blink.
    void AbandonAll();
    // Takes back the moves since the last moment at which a human moved or
    // passed, and gives that human the turn again, as things were then.
    void UndoMove();
    // Plays again, without animation, what the last undo took back, up to
    // the next moment at which a human moved or passed.
    void RedoMove();
    // Looks for the hint for the human to move on a worker thread; once
    // found, it blinks on the board.
    void ShowHint();
    // Ends the hint's blink at once, giving its square back.
    void EndHintBlink();
    // Whether the exact value of every move is shown to a human to move
    // near the end of the game. Found on a worker thread once the turn is
    // the human's, and drawn when all are known.
    void SetShowMoveValues(bool shown);
    // Shows the position after the first `ply` moves of a finished game,
    // with its last move and its disc counts; the last ply shows the end
    // again. Nothing while the game runs.
    void ReviewPly(int ply);
    // Makes the position being looked back over the game's present, drops
    // the later moves, and runs the game on from it.
    void ContinueFromHere();
    // Replaces the game with `record`, played through to its end: the board
    // shows its last position at once, and the game runs on from there with
    // the players' kinds of now, or is over if the record ends it.
    void LoadRecord(const engine::GameRecord& record);

    // Whether the commands may be carried out now.
    bool CanStartGame() const;
    bool CanClearGame() const;
    bool CanUndoMove() const;
    bool CanRedoMove() const;
    bool CanShowHint() const;
    bool CanContinueFromHere() const { return Reviewing(); }

    // The game's moves, those that Redo can play again included.
    const engine::GameRecord& Record() const { return history_.Record(); }
    // The game as played up to its present, without what Redo could play.
    engine::GameRecord PlayedRecord() const;
    // How many moves of the record the board shows: the present, less a
    // move whose animation still runs; the ply looked back at while
    // reviewing.
    int ShownPly() const;
    // Whether a finished game's moves may be looked back over now.
    bool CanReview() const;

    // --- For the tasks (any thread) ---
    // Stores a picture code in one square of the displayed position and
    // redraws that square; nothing while no game runs.
    void SetSquarePicture(int code, int square);
    // Hands the turn on in the displayed position once the animation has
    // shown the whole move. The caller holds the game lock.
    void FinishDisplayedMove();
    std::mutex& GameLock() { return gameLock_; }
    std::mutex& DrawingLock() { return drawingLock_; }
    platform::Event& IdleEvent() { return idleEvent_; }
    // The robot's generator; only the one robot task draws from it.
    engine::Random& RobotRandom() { return robotRandom_; }

    // --- GameState: what the views read ---
    int SideToMove() const override;
    int MoveCount() const override;
    int LegalMove(int index) const override;
    int DiscCount(int side) const override;
    int SquareCode(int square) const override;
    int LastMove() const override;
    int PlayerKind(int side) const override;
    bool RobotPassed() const override;
    bool Reviewing() const override { return reviewedPly_ >= 0; }
    std::optional<int> MoveValue(int square) const override;

    // --- For the window and the tests (window thread) ---
    const engine::BoardPosition& DisplayedPosition() const { return displayedPosition_; }
    int AnimationSerial() const { return animationSerial_; }

signals:
    // A new game stands on the board, before its first turn update.
    void GameStarted();
    // A move (0..63) or a pass (NO_MOVE) of `side` has been accepted by
    // PlayMove; a move's animation is about to start.
    void MovePlayed(int side, int square);
    // A turn update has brought the views in line with the displayed
    // position, the end of the game included.
    void TurnUpdated();
    // The values of the moves to play have been found and drawn.
    void MoveValuesShown();

protected:
    bool event(QEvent* e) override;

private:
    friend class TestSeam;

    // The one road by which a move (0..63) or a pass (NO_MOVE) enters the
    // game and its record.
    void PlayMove(int square);
    void StartRobotIfNeeded();
    void AbandonRobot();
    // Stops looking for the hint and ends its blink.
    void AbandonHint();
    void OnAnimationDone(int serial);
    void OnRobotMove(int serial, int square);
    void OnHintFound(int serial, int square);
    void OnMoveValue(int serial, int square, int value);
    // Starts finding the values of the moves to play if they are to be shown
    // now: a human to move with a move to play, near the end of a game.
    void StartValuesIfWanted();
    // Stops finding the values and forgets them; the caller redraws the
    // marks if they are shown.
    void AbandonValues();
    // UpdateTurn, starting from whether a robot has just passed.
    void UpdateTurnFrom(bool robotPassed);
    // Makes `position` the next position, with a pass that its side to move
    // must make already applied.
    void SetNextPosition(const engine::BoardPosition& position);
    // Whether the side to move on the displayed position has no move and
    // must pass.
    bool SideToMoveMustPass() const;
    // Puts the history's present on the board, at rest and as it was shown
    // then, and runs the game on from it with the players' kinds of now.
    void ShowPresent();
    // Puts `position` on the board, with `lastMove` marked, and paints it.
    void ShowPosition(const engine::BoardPosition& position, int lastMove);

    GameShell* shell_ = nullptr;
    BoardView* board_ = nullptr;
    PlayerPanel* panels_[2] = {nullptr, nullptr};

    engine::BoardPosition displayedPosition_;
    engine::BoardPosition nextPosition_;
    int32_t lastMove_ = engine::NO_MOVE;
    bool robotPassed_ = false;
    std::atomic<int32_t> playerKind_[2] = {HUMAN, 3};
    int32_t animationSerial_ = 0;
    int32_t robotSerial_ = 0;
    std::mutex gameLock_;
    std::mutex drawingLock_;
    platform::Event idleEvent_{true};
    std::unique_ptr<RobotTask> robotTask_;
    std::unique_ptr<AnimationTask> animationTask_;
    engine::Random robotRandom_;
    GameHistory history_;
    // The ply of the finished game shown while looking back, or -1.
    int reviewedPly_ = -1;
    int32_t hintSerial_ = 0;
    bool showMoveValues_ = false;
    int32_t valuesSerial_ = 0;
    std::unique_ptr<ValuesTask> valuesTask_;
    // The values found for the displayed position, by square; complete once
    // every move to play has one.
    std::array<std::optional<int>, 64> moveValues_{};
    int valuesFound_ = 0;
    std::unique_ptr<HintTask> hintTask_;
    HintBlink hintBlink_;
};
