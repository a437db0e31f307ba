// SPDX-License-Identifier: GPL-3.0-or-later
// The game controller through the real window thread and real task threads:
// the states of a game, passes, the end, and whole robot games.
#include "tests/control/game_fixture.h"

#include "control/client_area.h"
#include "tests/control/move_watcher.h"

#include <atomic>
#include <mutex>
#include <vector>

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
    BoardPosition next = p;
    if (p.sideToMove >= 1 && p.moveCount == 0)
        next.applyMove(NO_MOVE);
    TestSeam::SetPositions(w.Game(), p, next);
}

TEST_F(ControllerTest, StartingAHumanGameShowsMarksAndTheDiscCursor)
{
    GameWindow& w = Open(0, 3);
    w.Game().StartGame();
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 1);
    EXPECT_EQ(w.StartClearButton()->text(), QStringLiteral("Clear Board"));
    EXPECT_EQ(w.CursorMode(), CURSOR_PLAYER1);
    EXPECT_TRUE(w.Board().marksShown);
    EXPECT_FALSE(w.PassButton()->isEnabled());
    EXPECT_TRUE(Resting());
    EXPECT_FALSE(w.IsCommandEnabled(ID_START_GAME));
    EXPECT_TRUE(w.IsCommandEnabled(ID_CLEAR_GAME));
    EXPECT_TRUE(w.Game().IdleEvent().IsSet());
}

TEST_F(ControllerTest, StartingWithARobotFirstStartsItsThinking)
{
    GameWindow& w = Open(2, 0);
    w.Game().StartGame();
    EXPECT_TRUE(TestSeam::IsRobotThinking(w.Game()));
    EXPECT_EQ(w.CursorMode(), CURSOR_WORKING);
    EXPECT_FALSE(w.PassButton()->isEnabled());
    EXPECT_FALSE(w.Board().marksShown);
    // The robot's opening move arrives and is animated; then it is player 2's turn.
    ASSERT_TRUE(RunUntil([&] { return platform::LoadShared(w.Game().DisplayedPosition().sideToMove) == 2 && Resting(); }));
    EXPECT_EQ(w.Game().DisplayedPosition().discCount1, 4);
    EXPECT_NE(w.Game().LastMove(), NO_MOVE);
    EXPECT_EQ(w.CursorMode(), CURSOR_PLAYER2);
}

TEST_F(ControllerTest, IllegalSquaresAndUntimelyPassesAreIgnored)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    const BoardPosition before = w.Game().DisplayedPosition();
    TestSeam::PlayMove(w.Game(), 27);       // occupied
    TestSeam::PlayMove(w.Game(), 0);        // empty but captures nothing
    TestSeam::PlayMove(w.Game(), NO_MOVE);  // a move exists
    w.Game().PassTurn();
    EXPECT_EQ(0, std::memcmp(&before, &w.Game().DisplayedPosition(), sizeof before));
    EXPECT_TRUE(Resting());
    EXPECT_TRUE(w.Board().marksShown);
}

// A clicked square is played only while a game runs, no move is being shown
// and a human is to move; the board view reports every click.
TEST_F(ControllerTest, AClickedSquareIsPlayedOnlyWhenAHumanMayMove)
{
    struct Case {
        const char* state;
        int kind1;
        void (*setUp)(GameWindow& w);
        bool played;
    };
    const Case cases[] = {
        {"human to move", 0, [](GameWindow& w) { w.Game().StartGame(); }, true},
        {"cleared board", 0, [](GameWindow&) {}, false},
        {"game over", 0,
         [](GameWindow& w) {
             w.Game().StartGame();
             BoardPosition over = w.Game().DisplayedPosition();
             over.sideToMove = GAME_OVER;
             over.moveCount = 0;
             TestSeam::SetPositions(w.Game(), over, over);
         },
         false},
        {"robot to move", 3, [](GameWindow& w) { w.Game().StartGame(); }, false},
        {"move being shown", 0,
         [](GameWindow& w) {
             TestSeam::SetTimeScale(1);
             w.Game().StartGame();
             TestSeam::PlayMove(w.Game(), 26);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        GameWindow& w = Open(c.kind1, 0);
        c.setUp(w);
        w.Game().HandleSquareClick(19);
        EXPECT_EQ(w.Game().LastMove() == 19, c.played);
        EXPECT_EQ(TestSeam::IsAnimating(w.Game()), c.played || std::string(c.state) == "move being shown");
        window.reset();
        TestSeam::SetTimeScale(0);
    }
}

// The disc and working cursors belong to the board and the panels; over the
// two buttons the pointer is the normal arrow.
TEST_F(ControllerTest, TheButtonsShowTheArrowWhateverTheBoardShows)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    EXPECT_EQ(w.Client()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w.StartClearButton()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(w.PassButton()->cursor().shape(), Qt::ArrowCursor);
    w.Game().SetPlayerKind(1, 6);
    EXPECT_EQ(w.Client()->cursor().shape(), Qt::BusyCursor);
    EXPECT_EQ(w.StartClearButton()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(w.PassButton()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ControllerTest, AMoveAnimatesThenHandsTheTurnOn)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 19);
    // Animating: the board refuses clicks, the robot-less next position is ready.
    EXPECT_TRUE(TestSeam::IsAnimating(w.Game()));
    EXPECT_EQ(w.CursorMode(), CURSOR_ARROW);
    EXPECT_FALSE(w.Board().marksShown);
    EXPECT_FALSE(w.Game().IdleEvent().IsSet());
    EXPECT_EQ(TestSeam::NextPosition(w.Game()).sideToMove, 2);
    EXPECT_EQ(w.Game().LastMove(), 19);
    TestSeam::PlayMove(w.Game(), 26);  // nothing is played onto the board while a move is shown
    w.Game().PassTurn();
    EXPECT_EQ(w.Game().LastMove(), 19);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_EQ(w.Game().DisplayedPosition().squares[26], 0);
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 2);
    EXPECT_EQ(w.Game().DisplayedPosition().squares[27], 1);
    EXPECT_EQ(w.CursorMode(), CURSOR_PLAYER2);
    EXPECT_TRUE(w.Board().marksShown);
    EXPECT_TRUE(w.Game().IdleEvent().IsSet());
}

TEST_F(ControllerTest, AHumanWhoMustPassGetsThePassButtonAndThenTheOtherSideMoves)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    ShowPosition(w, positionFromText(X_MUST_PASS));
    w.Game().UpdateTurn();
    EXPECT_TRUE(w.PassButton()->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.PassButton());
    EXPECT_FALSE(w.Board().marksShown);
    EXPECT_EQ(w.CursorMode(), CURSOR_PLAYER1);
    w.Board().HandleClick(w.Board().BoardRect().left + 3, w.Board().BoardRect().top + 3);
    EXPECT_TRUE(Resting());

    TestSeam::SetLastMove(w.Game(), 9);
    w.Game().PassTurn();
    EXPECT_EQ(w.Game().LastMove(), NO_MOVE);
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 2);
    EXPECT_FALSE(w.PassButton()->isEnabled());
    EXPECT_TRUE(w.Game().IdleEvent().IsSet());
    EXPECT_FALSE(w.Game().RobotPassed());
}

TEST_F(ControllerTest, ARobotThatCannotMovePassesAtOnceAndSaysSo)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    w.Game().SetPlayerKind(1, 2);  // no animation runs, so the turn is updated at once
    ShowPosition(w, positionFromText(X_MUST_PASS));
    w.Game().UpdateTurn();
    EXPECT_TRUE(w.Game().RobotPassed());
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 2);
    EXPECT_EQ(w.Game().DisplayedPosition().moveCount, 1);
    EXPECT_FALSE(w.PassButton()->isEnabled());
    EXPECT_EQ(w.CursorMode(), CURSOR_PLAYER2);
    w.Game().UpdateTurn();
    EXPECT_FALSE(w.Game().RobotPassed());
}

TEST_F(ControllerTest, TheLastMoveEndsTheGame)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    BoardPosition p = positionFromText(X_MUST_PASS);
    p.applyMove(NO_MOVE);
    ShowPosition(w, p);
    w.Game().UpdateTurn();
    TestSeam::PlayMove(w.Game(), 2);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, GAME_OVER);
    EXPECT_EQ(w.CursorMode(), CURSOR_ARROW);
    EXPECT_FALSE(w.PassButton()->isEnabled());
    EXPECT_FALSE(w.Game().IdleEvent().IsSet());
    EXPECT_TRUE(w.IsCommandEnabled(ID_START_GAME));
    EXPECT_TRUE(w.IsCommandEnabled(ID_CLEAR_GAME));
    EXPECT_EQ(w.StartClearButton()->text(), QStringLiteral("Clear Board"));

    // The button clears a finished game without asking; a second press starts anew.
    w.OnCommand(ID_START_CLEAR_BUTTON);
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, NO_GAME);
    EXPECT_EQ(w.StartClearButton()->text(), QStringLiteral("Start Game"));
    w.OnCommand(ID_START_CLEAR_BUTTON);
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 1);
}

TEST_F(ControllerTest, StartGameCommandStartsStraightFromAFinishedGame)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    BoardPosition over = positionFromText(X_MUST_PASS);
    over.applyMove(NO_MOVE);
    over.applyMove(2);
    ASSERT_EQ(over.sideToMove, GAME_OVER);
    ShowPosition(w, over);
    w.Game().UpdateTurn();
    w.OnCommand(ID_START_GAME);
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 1);
    EXPECT_EQ(w.Game().DisplayedPosition().discCount1, 2);
    // During a game the command does nothing; Clear Game on a cleared board neither.
    w.OnCommand(ID_START_GAME);
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 1);
}

TEST_F(ControllerTest, ClearAsksDuringAGame)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 19);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    AnswerNextQuestion(QMessageBox::Cancel);
    w.Game().ClearGame();
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 2);
    EXPECT_EQ(w.Game().LastMove(), 19);

    AnswerNextQuestion(QMessageBox::Ok);
    w.OnCommand(ID_CLEAR_GAME);
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, NO_GAME);
    EXPECT_EQ(w.Game().LastMove(), NO_MOVE);
    EXPECT_EQ(w.StartClearButton()->text(), QStringLiteral("Start Game"));
    EXPECT_EQ(w.CursorMode(), CURSOR_ARROW);
    w.OnCommand(ID_CLEAR_GAME);  // disabled on a cleared board: no question is asked
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, NO_GAME);
}

// The clear question is asked while the animation thread still shows the
// move and may end it; the window reads the side to move without a race
// (ThreadSanitizer watches this one), and Cancel lets the move finish.
TEST_F(ControllerTest, ClearDuringAnAnimationWithCancelLetsTheMoveFinish)
{
    GameWindow& w = Open(0, 0);
    TestSeam::SetTimeScale(0.05);
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 19);
    ASSERT_TRUE(TestSeam::IsAnimating(w.Game()));
    AnswerNextQuestion(QMessageBox::Cancel);
    w.OnCommand(ID_CLEAR_GAME);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 2);
    EXPECT_EQ(w.Game().DisplayedPosition().discCount1, 4);
    EXPECT_EQ(w.Game().DisplayedPosition().discCount2, 1);
    EXPECT_EQ(w.StartClearButton()->text(), QStringLiteral("Clear Board"));
}

TEST_F(ControllerTest, ChangingTheKindOfThePlayerNotToMoveStartsAndStopsNothing)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    const int serial = TestSeam::RobotSerial(w.Game());
    w.Game().SetPlayerKind(2, 5);
    EXPECT_TRUE(Resting());
    EXPECT_EQ(TestSeam::RobotSerial(w.Game()), serial);
    EXPECT_EQ(w.Panel(2).level, 5);
    EXPECT_TRUE(w.CommandAction(ID_PLAYER2_FIRST + 5)->isChecked());
}

// The cleared board keeps the next position of the game that was cleared;
// making its next player a robot must not start a robot on that old game.
TEST_F(ControllerTest, MakingAPlayerARobotOnAClearedBoardStartsNothing)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 19);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    AnswerNextQuestion(QMessageBox::Ok);
    w.Game().ClearGame();
    ASSERT_EQ(w.Game().DisplayedPosition().sideToMove, NO_GAME);
    w.Game().SetPlayerKind(2, 3);
    EXPECT_TRUE(Resting()) << "a robot thinks with no game";
    EXPECT_EQ(w.CursorMode(), CURSOR_ARROW);
    EXPECT_EQ(w.Panel(2).level, 3);
    w.Game().SetPlayerKind(1, 1);
    EXPECT_TRUE(Resting());
    // The new kinds take effect with the next game.
    w.Game().StartGame();
    EXPECT_TRUE(TestSeam::IsRobotThinking(w.Game()));
}

TEST_F(ControllerTest, SwitchingTheNextPlayerToARobotDuringAnAnimationStartsItAtOnce)
{
    GameWindow& w = Open(0, 0);
    TestSeam::SetTimeScale(1);
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 19);
    w.Game().SetPlayerKind(2, 1);
    EXPECT_TRUE(TestSeam::IsRobotThinking(w.Game()));
    EXPECT_TRUE(TestSeam::IsAnimating(w.Game()));
    EXPECT_EQ(w.CursorMode(), CURSOR_ARROW);  // the turn update waits for the animation
    TestSeam::SetTimeScale(0);
    // The robot's reply comes after the animation, and is animated in turn.
    ASSERT_TRUE(RunUntil([&] { return platform::LoadShared(w.Game().DisplayedPosition().sideToMove) == 1 && Resting(); }));
    EXPECT_EQ(w.Game().DisplayedPosition().discCount1 + w.Game().DisplayedPosition().discCount2, 6);
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
        GameWindow& w = Open(c.level1, c.level2, c.seed);
        w.Game().StartGame();
        ASSERT_TRUE(
            RunUntil([&] { return platform::LoadShared(w.Game().DisplayedPosition().sideToMove) == GAME_OVER && Resting(); }));
        EXPECT_EQ(watcher.Moves(), expectedMoves) << "seed " << c.seed;
        EXPECT_EQ(w.Game().DisplayedPosition().discCount1, expected.discCount1);
        EXPECT_EQ(w.Game().DisplayedPosition().discCount2, expected.discCount2);
        const std::vector<std::string> faults = watcher.Faults();
        EXPECT_TRUE(faults.empty()) << faults.front();
        window.reset();
    }
}

}  // namespace
