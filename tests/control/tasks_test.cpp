// Abandoning background work at any moment, stale reports, and the idle event
// that holds a robot's move back until the board is ready for it.
#include "tests/control/game_fixture.h"

#include "platform/window_message.h"

namespace {

using engine::BoardPosition;
using engine::GAME_OVER;
using engine::NO_GAME;
using engine::NO_MOVE;
using TasksTest = GameFixture;
using platform::LoadShared;

TEST_F(TasksTest, ClearingDuringAnAnimationStopsItAndIgnoresItsReport)
{
    GameWindow& w = Open(0, 0);
    BackgroundTask::SetTimeScale(1);  // the move takes its full 810 ms
    w.StartGame();
    w.PlayMove(19);
    const int staleSerial = w.animationSerial;
    AnswerNextQuestion(QMessageBox::Ok);
    w.ClearGame();
    EXPECT_TRUE(Resting());
    EXPECT_EQ(w.displayedPosition.sideToMove, NO_GAME);
    EXPECT_EQ(w.displayedPosition.squares[19], 0);
    EXPECT_TRUE(w.idleEvent.IsSet());
    EXPECT_EQ(w.cursorMode, CURSOR_ARROW);

    platform::PostWindowMessage(&w, WM_ANIMATION_DONE, staleSerial, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.displayedPosition.sideToMove, NO_GAME);
    EXPECT_EQ(w.cursorMode, CURSOR_ARROW);
}

TEST_F(TasksTest, ClearingDuringADeepSearchReturnsWithNoTaskLeft)
{
    GameWindow& w = Open(0, 6);
    BackgroundTask::SetTimeScale(1);
    w.StartGame();
    w.PlayMove(19);  // the level 6 robot starts thinking during the animation
    ASSERT_TRUE(w.robotTask != nullptr);
    AnswerNextQuestion(QMessageBox::Ok);
    w.ClearGame();
    EXPECT_TRUE(Resting());
    EXPECT_TRUE(w.idleEvent.IsSet());
}

TEST_F(TasksTest, ClearingRightAfterARobotStartsLeavesTheIdleEventSet)
{
    GameWindow& w = Open(4, 0);
    w.StartGame();
    AnswerNextQuestion(QMessageBox::Ok);
    w.ClearGame();
    EXPECT_TRUE(Resting());
    EXPECT_TRUE(w.idleEvent.IsSet());
}

TEST_F(TasksTest, ClosingDuringADeepSearchReturnsPromptly)
{
    GameWindow& w = Open(0, 6);
    BackgroundTask::SetTimeScale(1);
    w.StartGame();
    w.PlayMove(19);
    AnswerNextQuestion(QMessageBox::Ok);
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(Resting());
}

TEST_F(TasksTest, SwitchingTheSideToMoveBetweenHumanAndRobot)
{
    GameWindow& w = Open(0, 0);
    w.StartGame();
    w.SetPlayerKind(1, 6);
    ASSERT_TRUE(w.robotTask != nullptr);
    EXPECT_EQ(w.cursorMode, CURSOR_WORKING);
    const int staleSerial = w.robotSerial;

    w.SetPlayerKind(1, 0);
    EXPECT_TRUE(Resting());
    EXPECT_GT(w.robotSerial, staleSerial);
    EXPECT_EQ(w.cursorMode, CURSOR_PLAYER1);
    EXPECT_TRUE(w.boardView.marksShown);

    // A report of the abandoned robot is dropped.
    platform::PostWindowMessage(&w, WM_ROBOT_MOVE, staleSerial, 19);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.displayedPosition.discCount1, 2);
    EXPECT_TRUE(Resting());

    // Back to a robot: a new one starts and plays.
    w.SetPlayerKind(1, 1);
    ASSERT_TRUE(RunUntil([&] { return LoadShared(w.displayedPosition.sideToMove) == 2 && Resting(); }));
}

TEST_F(TasksTest, ARobotWaitingForTheAnimationIsWokenAndTheEventResetWhenItsSideBecomesHuman)
{
    GameWindow& w = Open(0, 1);
    BackgroundTask::SetTimeScale(1);
    w.StartGame();
    w.PlayMove(19);  // level 1 chooses at once, then waits for the animation
    ASSERT_TRUE(w.robotTask != nullptr);
    w.SetPlayerKind(2, 0);
    EXPECT_EQ(w.robotTask, nullptr);
    EXPECT_TRUE(w.animationTask != nullptr);
    EXPECT_FALSE(w.idleEvent.IsSet());
    BackgroundTask::SetTimeScale(0);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_EQ(w.displayedPosition.sideToMove, 2);
    EXPECT_EQ(w.cursorMode, CURSOR_PLAYER2);
}

// A human must pass while the other side's robot has already chosen; that
// robot is replaced by one of another level. The new robot must hold its move
// until the human has passed, and then play it.
TEST_F(TasksTest, AReplacedRobotWaitsForTheHumansPassAndThenMoves)
{
    GameWindow& w = Open(0, 1);
    w.StartGame();
    BoardPosition p = positionFromText(X_MUST_PASS);
    w.displayedPosition = p;
    w.nextPosition = p;
    w.nextPosition.applyMove(NO_MOVE);
    w.idleEvent.Reset();  // as a finished animation leaves it when the human must pass
    w.UpdateTurn();
    w.StartRobotIfNeeded();
    ASSERT_TRUE(w.robotTask != nullptr);

    w.SetPlayerKind(2, 2);
    ASSERT_TRUE(w.robotTask != nullptr);
    EXPECT_FALSE(w.idleEvent.IsSet());
    QCoreApplication::processEvents();
    EXPECT_EQ(w.displayedPosition.sideToMove, 1);
    EXPECT_TRUE(w.passButton->isEnabled());

    w.PassTurn();
    ASSERT_TRUE(RunUntil([&] { return LoadShared(w.displayedPosition.sideToMove) == GAME_OVER && Resting(); }));
    EXPECT_EQ(w.displayedPosition.squares[2], 2);
    EXPECT_EQ(w.displayedPosition.discCount2, 3);
}

TEST_F(TasksTest, ATaskWhoseThreadCannotStartCountsAsFinished)
{
    GameWindow& w = Open(0, 0);
    w.StartGame();
    BackgroundTask::SetThreadCreationFailsForTesting(true);
    w.PlayMove(19);
    ASSERT_TRUE(w.animationTask != nullptr);
    EXPECT_TRUE(w.animationTask->IsDone());
    AnswerNextQuestion(QMessageBox::Ok);
    w.ClearGame();
    BackgroundTask::SetThreadCreationFailsForTesting(false);
    EXPECT_TRUE(Resting());
}

}  // namespace
