// Undo Move: back to the last moment at which a human moved or passed, with
// everything the player saw then, pixel for pixel; and when it is off.
#include "tests/control/game_fixture.h"

#include <cstring>

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

// What the player sees: the board and the panels pixel by pixel, and what
// the pixels do not show.
struct Seen {
    BoardPosition position;
    int lastMove;
    bool robotPassed, marks, pass, undo;
    int cursor;
    QWidget* focus;
    QImage client;
};

Seen Look(GameWindow& w)
{
    std::lock_guard lock(w.Game().DrawingLock());
    return {w.Game().DisplayedPosition(),
            w.Game().LastMove(),
            w.Game().RobotPassed(),
            w.Board().marksShown,
            w.PassButton()->isEnabled(),
            w.IsCommandEnabled(ID_UNDO_MOVE),
            w.CursorMode(),
            w.focusWidget(),
            w.Surface().Image().copy()};
}

void PressUndo(GameWindow& w)
{
    QApplication::setActiveWindow(&w);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
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
    const Seen moment = Look(w);
    const int depth = w.Game().UndoDepth();
    c.playOn(w);
    PressUndo(w);
    TestSeam::SetTimeScale(0);
    EXPECT_FALSE(w.Game().IsAnimating());
    const Seen now = Look(w);
    EXPECT_EQ(0, std::memcmp(&now.position, &moment.position, sizeof now.position));
    EXPECT_EQ(now.lastMove, moment.lastMove);
    EXPECT_EQ(now.robotPassed, moment.robotPassed);
    EXPECT_EQ(now.marks, moment.marks);
    EXPECT_EQ(now.pass, moment.pass);
    EXPECT_EQ(now.undo, depth > 0);
    EXPECT_EQ(now.cursor, moment.cursor);
    EXPECT_EQ(now.focus, moment.focus);
    EXPECT_TRUE(now.client == moment.client) << "the board or the panels look different";
    EXPECT_EQ(w.Game().UndoDepth(), depth);
    EXPECT_EQ(w.Game().IdleEvent().IsSet(), moment.position.moveCount > 0);
    // A robot thinks exactly when it moves next, also after a human's pass.
    BoardPosition next = moment.position;
    if (next.moveCount == 0)
        next.applyMove(NO_MOVE);
    EXPECT_EQ(0, std::memcmp(&w.Game().NextPosition(), &next, sizeof next));
    EXPECT_EQ(w.Game().IsRobotThinking(), next.moveCount > 0 && IsRobot(w.Game().PlayerKind(next.sideToMove)));

    // The human acts again, and the game goes on from there.
    if (now.pass)
        w.OnCommand(ID_PASS_BUTTON);
    else
        w.Game().HandleSquareClick(w.Game().DisplayedPosition().moves[0]);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_NE(0, std::memcmp(&w.Game().DisplayedPosition(), &moment.position, sizeof moment.position));
}

void Start(GameWindow& w)
{
    w.Game().StartGame();
}
void PlayFirstMove(GameWindow& w)
{
    w.Game().PlayMove(w.Game().DisplayedPosition().moves[0]);
    ASSERT_TRUE(GameFixture::RunUntil([&] { return !w.Game().IsAnimating() && !w.Game().IsRobotThinking(); }));
}

INSTANTIATE_TEST_SUITE_P(Moments, UndoCases,
                         testing::Values(UndoCase{"against a robot: the human's move and the robot's reply", 0, 1,
                                                  Start, PlayFirstMove},
                                         UndoCase{"between two humans: one move", 0, 0,
                                                  [](GameWindow& w) {
                                                      Start(w);
                                                      PlayFirstMove(w);
                                                  },
                                                  PlayFirstMove},
                                         UndoCase{"a human's pass, with the robot's reply waiting", 0, 1,
                                                  [](GameWindow& w) { Show(w, X_MUST_PASS); },
                                                  [](GameWindow& w) {
                                                      w.Game().PassTurn();
                                                  }},
                                         UndoCase{"during the animation", 0, 0, Start,
                                                  [](GameWindow& w) {
                                                      TestSeam::SetTimeScale(1);
                                                      w.Game().PlayMove(19);
                                                  }},
                                         UndoCase{"after the game is over", 0, 0,
                                                  [](GameWindow& w) { Show(w, X_MUST_PASS, true); }, PlayFirstMove},
                                         UndoCase{"to a robot's pass, which it tells again", 0, 2,
                                                  [](GameWindow& w) {
                                                      Show(w, O_PASSES_AFTER_56);
                                                      w.Game().PlayMove(56);
                                                  },
                                                  PlayFirstMove}));

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
        {"cleared board", 0, 0,
         [](GameWindow&) {
         }},
        {"no move yet", 0, 0, Start},
        {"robot against robot", 1, 1,
         [](GameWindow& w) {
             Start(w);
             ASSERT_TRUE(GameFixture::RunUntil([&] {
                 return w.Game().DisplayedPosition().discCount1 + w.Game().DisplayedPosition().discCount2 > 8;
             }));
         }},
        {"the robot moved first", 1, 0,
         [](GameWindow& w) {
             Start(w);
             ASSERT_TRUE(GameFixture::RunUntil(
                 [&] { return platform::LoadShared(w.Game().DisplayedPosition().sideToMove) == 2; }));
         }},
        {"cleared after a move", 0, 0,
         [](GameWindow& w) {
             Start(w);
             PlayFirstMove(w);
             AnswerNextQuestion(QMessageBox::Ok);
             w.Game().ClearGame();
         }},
        {"started again after a game", 0, 0,
         [](GameWindow& w) {
             Show(w, X_MUST_PASS, true);
             PlayFirstMove(w);
             ASSERT_EQ(w.Game().DisplayedPosition().sideToMove, GAME_OVER);
             w.OnCommand(ID_START_GAME);
         }},
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

// After an undo a player's kind changes as in any position: the human who
// got the turn back can hand it to a robot, which then plays on.
TEST_F(UndoTest, AKindChosenAfterwardsTakesOver)
{
    GameWindow& w = Open(0, 1, 11);
    Start(w);
    PlayFirstMove(w);
    PressUndo(w);
    w.OnCommand(ID_PLAYER1_FIRST + 2);
    EXPECT_TRUE(w.Game().IsRobotThinking());
    ASSERT_TRUE(RunUntil(
        [&] { return platform::LoadShared(w.Game().DisplayedPosition().sideToMove) == GAME_OVER && Resting(); }));
}

}  // namespace
