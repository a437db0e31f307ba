// SPDX-License-Identifier: GPL-3.0-or-later
// Undo Move: back to the last moment at which a human moved or passed, with
// everything the player saw then, pixel for pixel; and when it is off.
#include "tests/control/game_fixture.h"

#include <cstring>
#include <string>
#include <tuple>

namespace {

using engine::BoardPosition;
using engine::GAME_OVER;
using engine::NO_MOVE;
using UndoTest = GameFixture;

// X plays 56; O, a robot, then has no move and passes; X moves again.
const char* const O_PASSES_AFTER_56 = "..O...O.XOOOOO..XXXOOOO.XXOOOO..XOXXOOO.XXOOOOOOXOOO..O..OOOO..OX";

void Show(GameWindow& w, const char* text, bool applyNextPass = false)
{
    w.Game().StartGame();
    BoardPosition p = positionFromText(text);
    if (applyNextPass)
        p.applyMove(NO_MOVE);
    ShowOnBoard(w, p);
}

// What the player sees: the board and the panels, pixel by pixel, and what
// the pixels do not show.
auto Look(GameWindow& w)
{
    const BoardPosition& p = w.Game().DisplayedPosition();
    return std::tuple(std::string(reinterpret_cast<const char*>(&p), sizeof p), w.Game().LastMove(),
                      w.Game().RobotPassed(), w.Board().marksShown, w.PassButton()->isEnabled(), w.CursorMode(),
                      w.focusWidget(), BackBuffer(w));
}

void PressUndo(GameWindow& w)
{
    Press(w, &w, Qt::Key_Z, Qt::ControlModifier);
}

struct UndoCase {
    const char* name;
    int kind1, kind2;
    void (*toMoment)(GameWindow& w);  // a human is to act at the moment to come back to
    void (*playOn)(GameWindow& w);    // Ctrl+Z is pressed when this returns
};

void PrintTo(const UndoCase& c, std::ostream* out)
{
    *out << c.name;
}

class UndoCases : public UndoTest, public testing::WithParamInterface<UndoCase> {};

TEST_P(UndoCases, EverythingIsAsItWasAndPlayGoesOn)
{
    const UndoCase& c = GetParam();
    GameWindow& w = Open(c.kind1, c.kind2, 7);
    c.toMoment(w);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    const auto moment = Look(w);
    const BoardPosition before = w.Game().DisplayedPosition();
    const int depth = TestSeam::UndoDepth(w.Game());
    c.playOn(w);
    const bool playedOn = Resting();
    // Looked at only at rest: during an animation its thread writes the board.
    const auto beforeUndo = playedOn ? Look(w) : moment;
    PressUndo(w);
    TestSeam::SetTimeScale(0);
    if (playedOn) {
        // Redo gives back exactly what the undo took, and undo takes it again.
        Press(w, &w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(Look(w) == beforeUndo) << "redo did not give back what the undo took";
        PressUndo(w);
    }
    EXPECT_FALSE(TestSeam::IsAnimating(w.Game()));
    EXPECT_TRUE(Look(w) == moment) << "the game, the board, the panels or the widgets are not as they were";
    EXPECT_EQ(TestSeam::UndoDepth(w.Game()), depth);
    EXPECT_EQ(w.IsCommandEnabled(ID_UNDO_MOVE), depth > 0);
    EXPECT_EQ(w.Game().IdleEvent().IsSet(), before.moveCount > 0);
    // A robot thinks exactly when it moves next, also after a human's pass.
    BoardPosition next = before;
    if (next.moveCount == 0)
        next.applyMove(NO_MOVE);
    EXPECT_EQ(0, std::memcmp(&TestSeam::NextPosition(w.Game()), &next, sizeof next));
    EXPECT_EQ(TestSeam::IsRobotThinking(w.Game()), next.moveCount > 0 && IsRobot(w.Game().PlayerKind(next.sideToMove)));

    // The human acts again, and the game goes on from there.
    if (before.moveCount == 0)
        w.OnCommand(ID_PASS_BUTTON);
    else
        w.Game().HandleSquareClick(w.Game().DisplayedPosition().moves[0]);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_NE(0, std::memcmp(&w.Game().DisplayedPosition(), &before, sizeof before));
}

// The steps that lead to a moment, and on from it.
struct Step {
    static void Start(GameWindow& w) { w.Game().StartGame(); }
    static void PlayFirstMove(GameWindow& w)
    {
        TestSeam::PlayMove(w.Game(), w.Game().DisplayedPosition().moves[0]);
        ASSERT_TRUE(GameFixture::RunUntil([&] { return !TestSeam::IsAnimating(w.Game()) && !TestSeam::IsRobotThinking(w.Game()); }));
    }
    static void StartAndPlay(GameWindow& w)
    {
        Start(w);
        PlayFirstMove(w);
    }
    // Until a human is to move, or a robot game has made a few moves.
    static void StartAndLetTheRobotsPlay(GameWindow& w)
    {
        Start(w);
        ASSERT_TRUE(GameFixture::RunUntil([&] {
            const BoardPosition& p = w.Game().DisplayedPosition();
            return platform::LoadShared(p.discCount1) + platform::LoadShared(p.discCount2) > 8 ||
                   (!TestSeam::IsAnimating(w.Game()) && !TestSeam::IsRobotThinking(w.Game()));
        }));
    }
    static void PlayAndUndoAtOnce(GameWindow& w)
    {
        TestSeam::SetTimeScale(1);
        TestSeam::PlayMove(w.Game(), 19);
    }
    static void MustPass(GameWindow& w) { Show(w, X_MUST_PASS); }
    static void Pass(GameWindow& w) { w.Game().PassTurn(); }
    static void LastMoveToPlay(GameWindow& w) { Show(w, X_MUST_PASS, true); }
    static void RobotHasPassed(GameWindow& w)
    {
        Show(w, O_PASSES_AFTER_56);
        TestSeam::PlayMove(w.Game(), 56);
    }
    static void Nothing(GameWindow&) {}
    static void ClearAfterAMove(GameWindow& w)
    {
        StartAndPlay(w);
        GameFixture::AnswerNextQuestion(QMessageBox::Ok);
        w.Game().ClearGame();
    }
    static void StartAfterAGame(GameWindow& w)
    {
        LastMoveToPlay(w);
        PlayFirstMove(w);
        w.OnCommand(ID_START_GAME);
    }
};

INSTANTIATE_TEST_SUITE_P(
    Moments, UndoCases,
    testing::Values(
        UndoCase{"against a robot: the human's move and the robot's reply", 0, 1, Step::Start, Step::PlayFirstMove},
        UndoCase{"between two humans: one move", 0, 0, Step::StartAndPlay, Step::PlayFirstMove},
        UndoCase{"a human's pass, with the robot's reply waiting", 0, 1, Step::MustPass, Step::Pass},
        UndoCase{"during the animation", 0, 0, Step::Start, Step::PlayAndUndoAtOnce},
        UndoCase{"after the game is over", 0, 0, Step::LastMoveToPlay, Step::PlayFirstMove},
        UndoCase{"to a robot's pass, which it tells again", 0, 2, Step::RobotHasPassed, Step::PlayFirstMove}));

// Off on a cleared board, before any human move, in a robot game, and once
// Clear or Start has forgotten the moves; the key does nothing then.
TEST_F(UndoTest, IsOffWhenNoHumanMoveCanBeTakenBack)
{
    struct Case {
        const char* state;
        int kind1, kind2;
        void (*setUp)(GameWindow& w);
    };
    const Case cases[] = {
        {"cleared board", 0, 0, Step::Nothing},
        {"no move yet", 0, 0, Step::Start},
        {"robot against robot", 1, 1, Step::StartAndLetTheRobotsPlay},
        {"the robot moved first", 1, 0, Step::StartAndLetTheRobotsPlay},
        {"cleared after a move", 0, 0, Step::ClearAfterAMove},
        {"started again after a game", 0, 0, Step::StartAfterAGame},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        GameWindow& w = Open(c.kind1, c.kind2);
        c.setUp(w);
        EXPECT_FALSE(w.IsCommandEnabled(ID_UNDO_MOVE));
        const int serial = w.Game().AnimationSerial();
        PressUndo(w);
        w.OnCommand(ID_UNDO_MOVE);
        EXPECT_EQ(w.Game().AnimationSerial(), serial) << "the tasks were abandoned";
        w.Game().AbandonAll();
        window.reset();
    }
}

}  // namespace
