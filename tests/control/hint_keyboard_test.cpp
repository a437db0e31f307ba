// The hint: the engine's square, blinked three times and then gone, ended by
// any click, key or command, and nothing taken from the robot. Keyboard play:
// the cursor's walk, Return under the rules of a click, and when the keys
// belong to the board.
#include "tests/control/game_fixture.h"

#include <QMenu>
#include <map>
#include <vector>

#include "control/client_area.h"
#include "control/help_window.h"
#include "engine/robot.h"
#include "engine/selfplay.h"
#include "tests/control/move_watcher.h"

namespace {

using engine::BoardPosition;
using engine::NO_MOVE;
using HintTest = GameFixture;
using KeyboardTest = GameFixture;

// Every step of the blink, with what its square showed at that step.
struct BlinkStep {
    int square;
    bool discShown;
    int ms;
    bool operator==(const BlinkStep&) const = default;
};
GameWindow* blinking = nullptr;
int blinkSide = 0;
QImage beforeBlink;
std::vector<BlinkStep> steps;
std::vector<std::string> blinkFaults;

void RecordBlink(int square, bool discShown, int ms)
{
    steps.push_back({square, discShown, ms});
    const QImage now = BackBuffer(*blinking);
    const int shown = square == NO_MOVE ? steps.front().square : square;
    int x = 0, y = 0;
    blinking->Board().SquareCentre(shown, x, y);
    const int grey = qGray(now.pixel(x - 5, y));
    const bool dark = grey<0x40, light = grey> 0xC0;
    if (discShown && (blinkSide == 1 ? !dark : !light))
        blinkFaults.push_back("no disc of the side to move at step " + std::to_string(steps.size()));
    if (!discShown && now != beforeBlink)
        blinkFaults.push_back("the board differs from before at step " + std::to_string(steps.size()));
}

class HintPositions : public HintTest, public testing::WithParamInterface<int> {};

// The start position and positions of a random game, for either side.
TEST_P(HintPositions, TheEnginesHintBlinksThreeTimesAndTheBoardIsAsBefore)
{
    BoardPosition p;
    p.setStartPosition();
    if (GetParam() > 0)
        p = randomGamePositions(5, 1)[static_cast<size_t>(GetParam())];
    ASSERT_GT(p.moveCount, 0);
    const std::atomic<bool> notCancelled{false};
    const int hint = engine::chooseHint(p, notCancelled);

    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    ShowOnBoard(w, p);
    const uint32_t seed = w.Game().RobotRandom().seed();
    blinking = &w;
    blinkSide = p.sideToMove;
    beforeBlink = BackBuffer(w);
    steps.clear();
    blinkFaults.clear();
    TestSeam::SetBlinkObserver(RecordBlink);
    Press(w, w.Client(), Qt::Key_H);
    EXPECT_TRUE(RunUntil([&] { return !steps.empty() && steps.back().square == NO_MOVE; }));
    TestSeam::SetBlinkObserver(nullptr);
    const std::vector<BlinkStep> expected = {{hint, true, 300},  {hint, false, 200}, {hint, true, 300},
                                             {hint, false, 200}, {hint, true, 300},  {NO_MOVE, false, 0}};
    EXPECT_EQ(steps, expected);
    EXPECT_TRUE(blinkFaults.empty()) << blinkFaults.front();
    EXPECT_EQ(w.Game().RobotRandom().seed(), seed) << "the hint drew the robot's random numbers";
}

INSTANTIATE_TEST_SUITE_P(Positions, HintPositions, testing::Values(0, 22, 35));

// A click, a key or a command ends the blink at once and gives the square
// back exactly.
TEST_F(HintTest, AnyClickKeyOrCommandEndsTheBlink)
{
    for (int action = 0; action < 3; ++action) {
        SCOPED_TRACE(action);
        GameWindow& w = Open(0, 3);
        w.Game().StartGame();
        const QImage before = BackBuffer(w);
        TestSeam::SetTimeScale(1);
        w.OnCommand(ID_HINT);
        ASSERT_TRUE(RunUntil([&] { return w.Game().HintDiscShown(); }));
        int x = 0, y = 0;
        w.Board().SquareCentre(0, x, y);
        if (action == 0)
            QTest::mouseClick(w.Client(), Qt::LeftButton, {}, QPoint(x, y));
        else if (action == 1)
            QTest::keyClick(w.Client(), Qt::Key_A);
        else
            w.CommandAction(ID_PLAYER2_FIRST + 3)->trigger();
        EXPECT_EQ(w.Game().HintSquare(), NO_MOVE);
        EXPECT_TRUE(BackBuffer(w) == before);
        TestSeam::SetTimeScale(0);
        window.reset();
    }
}

// On only while a human with a legal move is to move and no move is shown;
// a move, or a robot taking over, drops a hint that is still being sought.
TEST_F(HintTest, OnlyForAHumanWithAMoveAndDroppedWhenThatChanges)
{
    struct Case {
        const char* state;
        int kind1;
        void (*setUp)(GameWindow& w);
        bool on;
        void (*meanwhile)(GameWindow& w);
    };
    const Case cases[] = {
        {"cleared board", 0, [](GameWindow&) {}, false, nullptr},
        {"robot to move", 2, [](GameWindow& w) { w.Game().StartGame(); }, false, nullptr},
        {"human must pass", 0, [](GameWindow& w) { ShowOnBoard(w, positionFromText(X_MUST_PASS)); }, false, nullptr},
        {"move being shown", 0,
         [](GameWindow& w) {
             w.Game().StartGame();
             TestSeam::SetTimeScale(1);
             w.Game().PlayMove(19);
         },
         false, nullptr},
        {"a move made meanwhile", 0, [](GameWindow& w) { w.Game().StartGame(); }, true,
         [](GameWindow& w) {
             w.Game().HandleSquareClick(19);
         }},
        {"a robot took over meanwhile", 0, [](GameWindow& w) { w.Game().StartGame(); }, true,
         [](GameWindow& w) {
             w.Game().SetPlayerKind(1, 1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        GameWindow& w = Open(c.kind1, 0);
        c.setUp(w);
        EXPECT_EQ(w.IsCommandEnabled(ID_HINT), c.on);
        w.OnCommand(ID_HINT);
        EXPECT_EQ(w.Game().IsLookingForHint(), c.on);
        if (c.meanwhile)
            c.meanwhile(w);
        TestSeam::SetTimeScale(0);
        ASSERT_TRUE(RunUntil([&] { return !w.Game().IsAnimating() && !w.Game().IsLookingForHint(); }));
        QCoreApplication::processEvents();
        EXPECT_EQ(w.Game().HintSquare(), NO_MOVE);
        window.reset();
    }
}

// The hint draws nothing from the robot's random numbers: a robot game
// played after it is the self-play game.
TEST_F(HintTest, ARobotGameAfterAHintIsTheSelfPlayGame)
{
    const uint32_t seed = 31337;
    const engine::SelfPlayResult expected = engine::selfPlay(seed, 2, 1);
    std::vector<int> expectedMoves;
    for (int move : expected.moves)
        if (move != NO_MOVE)
            expectedMoves.push_back(move);

    GameWindow& w = Open(0, 1, seed);
    w.Game().StartGame();
    w.OnCommand(ID_HINT);
    ASSERT_TRUE(RunUntil([&] { return !w.Game().IsLookingForHint() && w.Game().HintSquare() == NO_MOVE; }));
    MoveWatcher watcher;
    w.Game().SetPlayerKind(1, 2);
    ASSERT_TRUE(RunUntil([&] {
        return platform::LoadShared(w.Game().DisplayedPosition().sideToMove) == engine::GAME_OVER && Resting();
    }));
    EXPECT_EQ(watcher.Moves(), expectedMoves);
}

// --- Keyboard play ------------------------------------------------------------

// Each row: the keys (U, D, L, R arrows; N Return; E keypad Enter), the
// child that has the focus, where the cursor ends and whether a move was
// played. The start position: X may play 19, 26, 37 and 44.
struct KeyWalk {
    const char* keys;
    int focus;  // 0 the board, 1 the first button
    int square;
    bool played;
};

void PrintTo(const KeyWalk& walk, std::ostream* out)
{
    *out << walk.keys << " with focus " << walk.focus;
}

class KeyWalks : public KeyboardTest, public testing::WithParamInterface<KeyWalk> {};

TEST_P(KeyWalks, ArrowsMoveTheCursorAndReturnPlaysItsSquareAsAClick)
{
    const KeyWalk walk = GetParam();
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    QWidget* const focus[2] = {w.Client(), w.StartClearButton()};
    focus[walk.focus]->setFocus();
    for (const char* key = walk.keys; *key != 0; ++key) {
        static const std::map<char, Qt::Key> keys = {{'U', Qt::Key_Up},    {'D', Qt::Key_Down},   {'L', Qt::Key_Left},
                                                     {'R', Qt::Key_Right}, {'N', Qt::Key_Return}, {'E', Qt::Key_Enter}};
        Press(w, focus[walk.focus], keys.at(*key), *key == 'E' ? Qt::KeypadModifier : Qt::NoModifier);
    }
    EXPECT_EQ(w.Board().KeyboardCursor(), walk.square);
    EXPECT_EQ(w.Game().LastMove(), walk.played ? walk.square : NO_MOVE);
    EXPECT_EQ(w.Game().IsAnimating(), walk.played);
}

INSTANTIATE_TEST_SUITE_P(Walks, KeyWalks,
                         testing::Values(KeyWalk{"U", 0, 27, false}, KeyWalk{"UUN", 0, 19, true},
                                         KeyWalk{"UUN", 1, 19, true}, KeyWalk{"DLE", 1, 26, true},
                                         KeyWalk{"UN", 0, 27, false}, KeyWalk{"LLLLLLN", 1, 24, false},
                                         KeyWalk{"DDDDDRRRRR", 0, 63, false}, KeyWalk{"RUUUUUU", 1, 3, false}));

// The keys are the board's only while the main window is active and no menu
// or dialog is open, and only without Ctrl, Alt or Shift; the cursor starts
// on the last move, and a click on the board or Clear hides it.
TEST_F(KeyboardTest, TheKeysAreTheBoardsOnlyWhenNothingElseWantsThem)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    Press(w, w.Client(), Qt::Key_Return);
    Press(w, w.Client(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(w.Board().KeyboardCursor(), NO_MOVE);
    w.Game().PlayMove(26);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));

    auto* menu = qobject_cast<QMenu*>(w.CommandAction(ID_START_GAME)->associatedObjects().value(0));
    ASSERT_NE(menu, nullptr);
    menu->popup(w.mapToGlobal(QPoint(10, 10)));
    QTest::keyClick(menu, Qt::Key_Up);
    menu->close();
    HelpWindow::ShowFor(&w);
    auto* help = w.findChild<HelpWindow*>();
    QApplication::setActiveWindow(help);
    QTest::keyClick(help, Qt::Key_Up);
    help->close();
    int during = 0;
    QTimer::singleShot(0, [&] {
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Up);
        during = w.Board().KeyboardCursor();
        QApplication::activeModalWidget()->close();
    });
    w.OnCommand(ID_ABOUT);
    EXPECT_EQ(during, NO_MOVE);
    EXPECT_EQ(w.Board().KeyboardCursor(), NO_MOVE);

    // Shown on the last move; kept by Undo and by a click beside the board.
    Press(w, w.Client(), Qt::Key_Left);
    EXPECT_EQ(w.Board().KeyboardCursor(), 26);
    Press(w, w.Client(), Qt::Key_Z, Qt::ControlModifier);
    QTest::mouseClick(w.Client(), Qt::LeftButton, {}, QPoint(w.Board().BoardRect().left - 2, 100));
    EXPECT_EQ(w.Board().KeyboardCursor(), 26);
    QTest::mouseClick(w.Client(), Qt::LeftButton, {}, QPoint(w.Board().BoardRect().left + 2, 100));
    EXPECT_EQ(w.Board().KeyboardCursor(), NO_MOVE);
    Press(w, w.Client(), Qt::Key_Down);
    EXPECT_EQ(w.Board().KeyboardCursor(), 27);
    AnswerNextQuestion(QMessageBox::Ok);
    w.Game().ClearGame();
    EXPECT_EQ(w.Board().KeyboardCursor(), NO_MOVE);

    // Ctrl+Q is a second key for Exit.
    Press(w, w.Client(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
