// The game controller through the real window thread and real task threads:
// the states of a game, passes, the end, and whole robot games.
#include "tests/control/game_fixture.h"
#include "tests/control/move_watcher.h"

#include <atomic>
#include <mutex>
#include <vector>

#include "control/application.h"
#include "engine/selfplay.h"

namespace {

using engine::BoardPosition;
using engine::GAME_OVER;
using engine::NO_GAME;
using engine::NO_MOVE;
using engine::selfPlay;
using engine::SelfPlayResult;
using ControllerTest = GameFixture;

void ShowPosition(GameWindow& w, const BoardPosition& p)
{
    w.displayedPosition = p;
    w.nextPosition = p;
    if (p.sideToMove >= 1 && p.moveCount == 0)
        w.nextPosition.applyMove(NO_MOVE);
}

TEST_F(ControllerTest, StartingAHumanGameShowsMarksAndTheDiscCursor)
{
    GameWindow& w = Open(0, 3);
    w.StartGame();
    EXPECT_EQ(w.displayedPosition.sideToMove, 1);
    EXPECT_EQ(w.startClearButton->text(), QStringLiteral("Clear Board"));
    EXPECT_EQ(w.cursorMode, CURSOR_PLAYER1);
    EXPECT_TRUE(w.boardView.marksShown);
    EXPECT_FALSE(w.passButton->isEnabled());
    EXPECT_TRUE(Resting());
    EXPECT_FALSE(w.IsCommandEnabled(ID_START_GAME));
    EXPECT_TRUE(w.IsCommandEnabled(ID_CLEAR_GAME));
    EXPECT_TRUE(w.idleEvent.IsSet());
}

TEST_F(ControllerTest, StartingWithARobotFirstStartsItsThinking)
{
    GameWindow& w = Open(2, 0);
    w.StartGame();
    EXPECT_TRUE(w.robotTask != nullptr);
    EXPECT_EQ(w.cursorMode, CURSOR_WORKING);
    EXPECT_FALSE(w.passButton->isEnabled());
    EXPECT_FALSE(w.boardView.marksShown);
    // The robot's opening move arrives and is animated; then it is player 2's turn.
    ASSERT_TRUE(RunUntil([&] { return platform::LoadShared(w.displayedPosition.sideToMove) == 2 && Resting(); }));
    EXPECT_EQ(w.displayedPosition.discCount1, 4);
    EXPECT_NE(w.lastMove, NO_MOVE);
    EXPECT_EQ(w.cursorMode, CURSOR_PLAYER2);
}

TEST_F(ControllerTest, IllegalSquaresAndUntimelyPassesAreIgnored)
{
    GameWindow& w = Open(0, 0);
    w.StartGame();
    const BoardPosition before = w.displayedPosition;
    w.PlayMove(27);       // occupied
    w.PlayMove(0);        // empty but captures nothing
    w.PlayMove(NO_MOVE);  // a move exists
    w.PassTurn();
    EXPECT_EQ(0, std::memcmp(&before, &w.displayedPosition, sizeof before));
    EXPECT_TRUE(Resting());
    EXPECT_TRUE(w.boardView.marksShown);
}

TEST_F(ControllerTest, AMoveAnimatesThenHandsTheTurnOn)
{
    GameWindow& w = Open(0, 0);
    w.StartGame();
    w.PlayMove(19);
    // Animating: the board refuses clicks, the robot-less next position is ready.
    EXPECT_TRUE(w.animationTask != nullptr);
    EXPECT_EQ(w.cursorMode, CURSOR_ARROW);
    EXPECT_FALSE(w.boardView.marksShown);
    EXPECT_FALSE(w.idleEvent.IsSet());
    EXPECT_EQ(w.nextPosition.sideToMove, 2);
    EXPECT_EQ(w.lastMove, 19);
    w.PlayMove(26);  // nothing is played onto the board while a move is shown
    w.PassTurn();
    EXPECT_EQ(w.lastMove, 19);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_EQ(w.displayedPosition.squares[26], 0);
    EXPECT_EQ(w.displayedPosition.sideToMove, 2);
    EXPECT_EQ(w.displayedPosition.squares[27], 1);
    EXPECT_EQ(w.cursorMode, CURSOR_PLAYER2);
    EXPECT_TRUE(w.boardView.marksShown);
    EXPECT_TRUE(w.idleEvent.IsSet());
}

TEST_F(ControllerTest, AHumanWhoMustPassGetsThePassButtonAndThenTheOtherSideMoves)
{
    GameWindow& w = Open(0, 0);
    w.StartGame();
    ShowPosition(w, positionFromText(X_MUST_PASS));
    w.UpdateTurn();
    EXPECT_TRUE(w.passButton->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.passButton);
    EXPECT_FALSE(w.boardView.marksShown);
    EXPECT_EQ(w.cursorMode, CURSOR_PLAYER1);
    w.boardView.HandleClick(w.boardRect.left + 3, w.boardRect.top + 3);
    EXPECT_TRUE(Resting());

    w.lastMove = 9;
    w.PassTurn();
    EXPECT_EQ(w.lastMove, NO_MOVE);
    EXPECT_EQ(w.displayedPosition.sideToMove, 2);
    EXPECT_FALSE(w.passButton->isEnabled());
    EXPECT_TRUE(w.idleEvent.IsSet());
    EXPECT_FALSE(w.robotPassed);
}

TEST_F(ControllerTest, ARobotThatCannotMovePassesAtOnceAndSaysSo)
{
    GameWindow& w = Open(0, 0);
    w.StartGame();
    w.SetPlayerKind(1, 2);  // no animation runs, so the turn is updated at once
    ShowPosition(w, positionFromText(X_MUST_PASS));
    w.UpdateTurn();
    EXPECT_TRUE(w.robotPassed);
    EXPECT_EQ(w.displayedPosition.sideToMove, 2);
    EXPECT_EQ(w.displayedPosition.moveCount, 1);
    EXPECT_FALSE(w.passButton->isEnabled());
    EXPECT_EQ(w.cursorMode, CURSOR_PLAYER2);
    w.UpdateTurn();
    EXPECT_FALSE(w.robotPassed);
}

TEST_F(ControllerTest, TheLastMoveEndsTheGame)
{
    GameWindow& w = Open(0, 0);
    w.StartGame();
    BoardPosition p = positionFromText(X_MUST_PASS);
    p.applyMove(NO_MOVE);
    ShowPosition(w, p);
    w.UpdateTurn();
    w.PlayMove(2);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_EQ(w.displayedPosition.sideToMove, GAME_OVER);
    EXPECT_EQ(w.cursorMode, CURSOR_ARROW);
    EXPECT_FALSE(w.passButton->isEnabled());
    EXPECT_FALSE(w.idleEvent.IsSet());
    EXPECT_TRUE(w.IsCommandEnabled(ID_START_GAME));
    EXPECT_TRUE(w.IsCommandEnabled(ID_CLEAR_GAME));
    EXPECT_EQ(w.startClearButton->text(), QStringLiteral("Clear Board"));

    // The button clears a finished game without asking; a second press starts anew.
    w.OnCommand(ID_START_CLEAR_BUTTON);
    EXPECT_EQ(w.displayedPosition.sideToMove, NO_GAME);
    EXPECT_EQ(w.startClearButton->text(), QStringLiteral("Start Game"));
    w.OnCommand(ID_START_CLEAR_BUTTON);
    EXPECT_EQ(w.displayedPosition.sideToMove, 1);
}

TEST_F(ControllerTest, StartGameCommandStartsStraightFromAFinishedGame)
{
    GameWindow& w = Open(0, 0);
    w.StartGame();
    BoardPosition over = positionFromText(X_MUST_PASS);
    over.applyMove(NO_MOVE);
    over.applyMove(2);
    ASSERT_EQ(over.sideToMove, GAME_OVER);
    ShowPosition(w, over);
    w.UpdateTurn();
    w.OnCommand(ID_START_GAME);
    EXPECT_EQ(w.displayedPosition.sideToMove, 1);
    EXPECT_EQ(w.displayedPosition.discCount1, 2);
    // During a game the command does nothing; Clear Game on a cleared board neither.
    w.OnCommand(ID_START_GAME);
    EXPECT_EQ(w.displayedPosition.sideToMove, 1);
}

TEST_F(ControllerTest, ClearAsksDuringAGame)
{
    GameWindow& w = Open(0, 0);
    w.StartGame();
    w.PlayMove(19);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    AnswerNextQuestion(QMessageBox::Cancel);
    w.ClearGame();
    EXPECT_EQ(w.displayedPosition.sideToMove, 2);
    EXPECT_EQ(w.lastMove, 19);

    AnswerNextQuestion(QMessageBox::Ok);
    w.OnCommand(ID_CLEAR_GAME);
    EXPECT_EQ(w.displayedPosition.sideToMove, NO_GAME);
    EXPECT_EQ(w.lastMove, NO_MOVE);
    EXPECT_EQ(w.startClearButton->text(), QStringLiteral("Start Game"));
    EXPECT_EQ(w.cursorMode, CURSOR_ARROW);
    w.OnCommand(ID_CLEAR_GAME);  // disabled on a cleared board: no question is asked
    EXPECT_EQ(w.displayedPosition.sideToMove, NO_GAME);
}

// The clear question is asked while the animation thread still shows the
// move and may end it; the window reads the side to move without a race
// (ThreadSanitizer watches this one), and Cancel lets the move finish.
TEST_F(ControllerTest, ClearDuringAnAnimationWithCancelLetsTheMoveFinish)
{
    GameWindow& w = Open(0, 0);
    BackgroundTask::SetTimeScale(0.05);
    w.StartGame();
    w.PlayMove(19);
    ASSERT_TRUE(w.animationTask != nullptr);
    AnswerNextQuestion(QMessageBox::Cancel);
    w.OnCommand(ID_CLEAR_GAME);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_EQ(w.displayedPosition.sideToMove, 2);
    EXPECT_EQ(w.displayedPosition.discCount1, 4);
    EXPECT_EQ(w.displayedPosition.discCount2, 1);
    EXPECT_EQ(w.startClearButton->text(), QStringLiteral("Clear Board"));
}

TEST_F(ControllerTest, ChangingTheKindOfThePlayerNotToMoveStartsAndStopsNothing)
{
    GameWindow& w = Open(0, 0);
    w.StartGame();
    const int serial = w.robotSerial;
    w.SetPlayerKind(2, 5);
    EXPECT_TRUE(Resting());
    EXPECT_EQ(w.robotSerial, serial);
    EXPECT_EQ(w.panel2.level, 5);
    EXPECT_TRUE(w.CommandAction(ID_PLAYER2_FIRST + 5)->isChecked());
}

// The cleared board keeps the next position of the game that was cleared;
// making its next player a robot must not start a robot on that old game.
TEST_F(ControllerTest, MakingAPlayerARobotOnAClearedBoardStartsNothing)
{
    GameWindow& w = Open(0, 0);
    w.StartGame();
    w.PlayMove(19);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    AnswerNextQuestion(QMessageBox::Ok);
    w.ClearGame();
    ASSERT_EQ(w.displayedPosition.sideToMove, NO_GAME);
    w.SetPlayerKind(2, 3);
    EXPECT_TRUE(Resting()) << "a robot thinks with no game";
    EXPECT_EQ(w.cursorMode, CURSOR_ARROW);
    EXPECT_EQ(w.panel2.level, 3);
    w.SetPlayerKind(1, 1);
    EXPECT_TRUE(Resting());
    // The new kinds take effect with the next game.
    w.StartGame();
    EXPECT_TRUE(w.robotTask != nullptr);
}

TEST_F(ControllerTest, SwitchingTheNextPlayerToARobotDuringAnAnimationStartsItAtOnce)
{
    GameWindow& w = Open(0, 0);
    BackgroundTask::SetTimeScale(1);
    w.StartGame();
    w.PlayMove(19);
    w.SetPlayerKind(2, 1);
    EXPECT_TRUE(w.robotTask != nullptr);
    EXPECT_TRUE(w.animationTask != nullptr);
    EXPECT_EQ(w.cursorMode, CURSOR_ARROW);  // the turn update waits for the animation
    BackgroundTask::SetTimeScale(0);
    // The robot's reply comes after the animation, and is animated in turn.
    ASSERT_TRUE(RunUntil([&] { return platform::LoadShared(w.displayedPosition.sideToMove) == 1 && Resting(); }));
    EXPECT_EQ(w.displayedPosition.discCount1 + w.displayedPosition.discCount2, 6);
}

// --- Whole robot games --------------------------------------------------

TEST_F(ControllerTest, RobotGamesPlayExactlyTheSelfPlayGame)
{
    struct Case {
        uint32_t seed;
        int level1;
        int level2;
    };
    for (const Case& c : {Case{20261207u, 1, 2}, Case{7u, 3, 1}, Case{424242u, 2, 2}}) {
        const SelfPlayResult expected = selfPlay(c.seed, c.level1, c.level2);
        std::vector<int> expectedMoves;
        for (int move : expected.moves)
            if (move != NO_MOVE)
                expectedMoves.push_back(move);

        MoveWatcher watcher;
        GameWindow& w = Open(c.level1, c.level2);
        RobotRandom() = engine::Random(c.seed);
        w.StartGame();
        ASSERT_TRUE(
            RunUntil([&] { return platform::LoadShared(w.displayedPosition.sideToMove) == GAME_OVER && Resting(); }));
        EXPECT_EQ(watcher.Moves(), expectedMoves) << "seed " << c.seed;
        EXPECT_EQ(w.displayedPosition.discCount1, expected.discCount1);
        EXPECT_EQ(w.displayedPosition.discCount2, expected.discCount2);
        const std::vector<std::string> faults = watcher.Faults();
        EXPECT_TRUE(faults.empty()) << faults.front();
        window.reset();
    }
}

}  // namespace
