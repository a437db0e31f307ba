// SPDX-License-Identifier: GPL-3.0-or-later
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
    TestSeam::SetTimeScale(1);  // the move takes its full 810 ms
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 19);
    const int staleSerial = w.Game().AnimationSerial();
    AnswerNextQuestion(QMessageBox::Ok);
    w.Game().ClearGame();
    EXPECT_TRUE(Resting());
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, NO_GAME);
    EXPECT_EQ(w.Game().DisplayedPosition().squares[19], 0);
    EXPECT_TRUE(w.Game().IdleEvent().IsSet());
    EXPECT_EQ(w.CursorMode(), CURSOR_ARROW);

    platform::PostWindowMessage(&w.Game(), WM_ANIMATION_DONE, staleSerial, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, NO_GAME);
    EXPECT_EQ(w.CursorMode(), CURSOR_ARROW);
}

// The report of an animation that Clear abandoned may still be queued when
// the next game's first move is shown: it must not cut that move short.
TEST_F(TasksTest, AnAbandonedAnimationsReportDoesNotCutShortTheNextGamesMove)
{
    GameWindow& w = Open(0, 0);
    TestSeam::SetTimeScale(1);  // every move takes its full 810 ms
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 19);
    const int staleSerial = w.Game().AnimationSerial();
    AnswerNextQuestion(QMessageBox::Ok);
    w.Game().ClearGame();
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 19);

    platform::PostWindowMessage(&w.Game(), WM_ANIMATION_DONE, staleSerial, 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(TestSeam::IsAnimating(w.Game()));
    TestSeam::SetTimeScale(0);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    BoardPosition expected;
    expected.setStartPosition();
    expected.applyMove(19);
    EXPECT_EQ(std::memcmp(expected.squares, w.Game().DisplayedPosition().squares, sizeof expected.squares), 0);
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 2);
    EXPECT_EQ(w.CursorMode(), CURSOR_PLAYER2);
}

TEST_F(TasksTest, ClearingDuringADeepSearchReturnsWithNoTaskLeft)
{
    GameWindow& w = Open(0, 6);
    TestSeam::SetTimeScale(1);
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 19);  // the level 6 robot starts thinking during the animation
    ASSERT_TRUE(TestSeam::IsRobotThinking(w.Game()));
    AnswerNextQuestion(QMessageBox::Ok);
    w.Game().ClearGame();
    EXPECT_TRUE(Resting());
    EXPECT_TRUE(w.Game().IdleEvent().IsSet());
}

TEST_F(TasksTest, ClearingRightAfterARobotStartsLeavesTheIdleEventSet)
{
    GameWindow& w = Open(4, 0);
    w.Game().StartGame();
    AnswerNextQuestion(QMessageBox::Ok);
    w.Game().ClearGame();
    EXPECT_TRUE(Resting());
    EXPECT_TRUE(w.Game().IdleEvent().IsSet());
}

TEST_F(TasksTest, ClosingDuringADeepSearchReturnsPromptly)
{
    GameWindow& w = Open(0, 6);
    TestSeam::SetTimeScale(1);
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 19);
    AnswerNextQuestion(QMessageBox::Ok);
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(Resting());
}

TEST_F(TasksTest, SwitchingTheSideToMoveBetweenHumanAndRobot)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    w.Game().SetPlayerKind(1, 6);
    ASSERT_TRUE(TestSeam::IsRobotThinking(w.Game()));
    EXPECT_EQ(w.CursorMode(), CURSOR_WORKING);
    const int staleSerial = TestSeam::RobotSerial(w.Game());

    w.Game().SetPlayerKind(1, 0);
    EXPECT_TRUE(Resting());
    EXPECT_GT(TestSeam::RobotSerial(w.Game()), staleSerial);
    EXPECT_EQ(w.CursorMode(), CURSOR_PLAYER1);
    EXPECT_TRUE(w.Board().marksShown);

    // A report of the abandoned robot is dropped.
    platform::PostWindowMessage(&w.Game(), WM_ROBOT_MOVE, staleSerial, 19);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.Game().DisplayedPosition().discCount1, 2);
    EXPECT_TRUE(Resting());

    // Back to a robot: a new one starts and plays.
    w.Game().SetPlayerKind(1, 1);
    ASSERT_TRUE(RunUntil([&] { return LoadShared(w.Game().DisplayedPosition().sideToMove) == 2 && Resting(); }));
}

TEST_F(TasksTest, ARobotWaitingForTheAnimationIsWokenAndTheEventResetWhenItsSideBecomesHuman)
{
    GameWindow& w = Open(0, 1);
    TestSeam::SetTimeScale(1);
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 19);  // level 1 chooses at once, then waits for the animation
    ASSERT_TRUE(TestSeam::IsRobotThinking(w.Game()));
    w.Game().SetPlayerKind(2, 0);
    EXPECT_FALSE(TestSeam::IsRobotThinking(w.Game()));
    EXPECT_TRUE(TestSeam::IsAnimating(w.Game()));
    EXPECT_FALSE(w.Game().IdleEvent().IsSet());
    TestSeam::SetTimeScale(0);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 2);
    EXPECT_EQ(w.CursorMode(), CURSOR_PLAYER2);
}

// A human must pass while the other side's robot has already chosen; that
// robot is replaced by one of another level. The new robot must hold its move
// until the human has passed, and then play it.
TEST_F(TasksTest, AReplacedRobotWaitsForTheHumansPassAndThenMoves)
{
    GameWindow& w = Open(0, 1);
    w.Game().StartGame();
    BoardPosition p = positionFromText(X_MUST_PASS);
    BoardPosition next = p;
    next.applyMove(NO_MOVE);
    TestSeam::SetPositions(w.Game(), p, next);
    w.Game().IdleEvent().Reset();  // as a finished animation leaves it when the human must pass
    w.Game().UpdateTurn();
    TestSeam::StartRobotIfNeeded(w.Game());
    ASSERT_TRUE(TestSeam::IsRobotThinking(w.Game()));

    w.Game().SetPlayerKind(2, 2);
    ASSERT_TRUE(TestSeam::IsRobotThinking(w.Game()));
    EXPECT_FALSE(w.Game().IdleEvent().IsSet());
    QCoreApplication::processEvents();
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 1);
    EXPECT_TRUE(w.PassButton()->isEnabled());

    w.Game().PassTurn();
    ASSERT_TRUE(RunUntil([&] { return LoadShared(w.Game().DisplayedPosition().sideToMove) == GAME_OVER && Resting(); }));
    EXPECT_EQ(w.Game().DisplayedPosition().squares[2], 2);
    EXPECT_EQ(w.Game().DisplayedPosition().discCount2, 3);
}

TEST_F(TasksTest, ATaskWhoseThreadCannotStartCountsAsFinished)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    TestSeam::SetThreadCreationFails(true);
    TestSeam::PlayMove(w.Game(), 19);
    ASSERT_TRUE(TestSeam::IsAnimating(w.Game()));
    EXPECT_TRUE(TestSeam::AnimationOf(w.Game())->IsDone());
    AnswerNextQuestion(QMessageBox::Ok);
    w.Game().ClearGame();
    TestSeam::SetThreadCreationFails(false);
    EXPECT_TRUE(Resting());
}

}  // namespace
