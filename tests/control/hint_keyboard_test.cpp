// SPDX-License-Identifier: GPL-3.0-or-later
// The hint: the engine's square blinked three times, ended by any click, key
// or command, and nothing taken from the robot. Keyboard play: the cursor's
// walk, Return under the rules of a click, and when the keys are the board's.
#include "tests/control/game_fixture.h"

#include <QAccessible>
#include <algorithm>
#include <map>
#include <vector>

#include "control/client_area.h"
#include "engine/hint.h"
#include "engine/robot.h"
#include "engine/selfplay.h"
#include "engine/solver.h"
#include "platform/window_message.h"
#include "tests/control/move_watcher.h"

namespace {

using engine::BoardPosition;
using engine::NO_MOVE;
using HintTest = GameFixture;
using KeyboardTest = GameFixture;

// Every step of the blink: the square, whether its disc shows, for how long.
std::vector<std::tuple<int, bool, int>> steps;
void RecordBlink(int square, bool discShown, int ms)
{
    steps.emplace_back(square, discShown, ms);
}

class HintPositions : public HintTest, public testing::WithParamInterface<int> {};

// Every legal move's exact value, in move-list order.
std::map<int, int> ExactValues(const BoardPosition& p)
{
    const std::atomic<bool> notCancelled{false};
    std::map<int, int> values;
    for (const engine::MoveValue& move : engine::solveMoves(p, notCancelled))
        values[move.square] = move.value;
    return values;
}

// The start position and positions of a random game, for either side; near
// the end the first move in the list of those of the best exact value.
TEST_P(HintPositions, TheEnginesHintBlinksThreeTimes)
{
    BoardPosition p;
    p.setStartPosition();
    if (GetParam() > 0)
        p = randomGamePositions(5, 1)[static_cast<size_t>(GetParam())];
    const std::atomic<bool> notCancelled{false};
    int hint = engine::chooseHint(p, notCancelled);
    if (engine::emptySquares(p) <= engine::EXACT_HINT_EMPTIES) {
        const std::map<int, int> values = ExactValues(p);
        hint =
            std::max_element(values.begin(), values.end(), [](auto a, auto b) { return a.second < b.second; })->first;
    }
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    ShowOnBoard(w, p);
    const uint32_t seed = w.Game().RobotRandom().seed();
    steps.clear();
    TestSeam::SetBlinkObserver(RecordBlink);
    Press(w, w.Client(), Qt::Key_H);
    ASSERT_TRUE(RunUntil([&] { return !steps.empty() && std::get<0>(steps.back()) == NO_MOVE; }));
    const std::vector<std::tuple<int, bool, int>> expected = {{hint, true, 300}, {hint, false, 200},
                                                              {hint, true, 300}, {hint, false, 200},
                                                              {hint, true, 300}, {NO_MOVE, false, 0}};
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(w.Game().RobotRandom().seed(), seed) << "the hint drew the robot's random numbers";
}

INSTANTIATE_TEST_SUITE_P(Positions, HintPositions, testing::Values(0, 22, 35, 46, 47));

// Near the end, V shows each move's exact value on its square, the best one
// in gold, and a screen reader hears them; V again takes them away. The
// choice is kept over a restart.
TEST_F(HintTest, NearTheEndTheMovesShowTheirExactValues)
{
    const BoardPosition p = randomGamePositions(5, 1)[46];
    ASSERT_LE(engine::emptySquares(p), engine::EXACT_HINT_EMPTIES);
    const std::map<int, int> values = ExactValues(p);
    const int best =
        std::max_element(values.begin(), values.end(), [](auto a, auto b) { return a.second < b.second; })->second;
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    ShowOnBoard(w, p);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(w.Client())->child(0);
    for (const bool shown : {true, false}) {
        Press(w, w.Client(), Qt::Key_V);
        ASSERT_TRUE(RunUntil([&] { return w.Game().MoveValue(values.begin()->first).has_value() == shown; }));
        const QImage image = BackBuffer(w);
        for (const auto& [square, value] : values) {
            EXPECT_EQ(w.Game().MoveValue(square), shown ? std::optional(value) : std::nullopt);
            const QString name = board->child(square)->text(QAccessible::Name);
            const QString heard =
                value == 0 ? QStringLiteral("value 0")
                           : QStringLiteral("value %1 %2").arg(value > 0 ? "plus" : "minus").arg(std::abs(value));
            EXPECT_EQ(name.endsWith(heard), shown) << name.toStdString();
            const platform::Rect plate = w.Board().PlateRect(square);
            const QRgb expected = !shown          ? w.Board().boardColour.rgb()
                                  : value == best ? qRgb(0xFF, 0xCC, 0x33)
                                                  : qRgb(0xF5, 0xF2, 0xE6);
            EXPECT_EQ(image.pixel(plate.left + 2, plate.top + 2), expected) << "square " << square;
        }
    }
    Press(w, w.Client(), Qt::Key_V);
    window.reset();
    EXPECT_TRUE(Open(0, 0).CommandAction(ID_SHOW_MOVE_VALUES)->isChecked());
}

// A click, a key or a command ends the blink at once and gives the square
// back exactly; a hint is for a human with a legal move while no move is shown.
TEST_F(HintTest, AnyClickKeyOrCommandEndsTheBlink)
{
    for (int action = 0; action < 3; ++action) {
        SCOPED_TRACE(action);
        GameWindow& w = Open(0, 3);
        w.Game().StartGame();
        const QImage before = BackBuffer(w);
        TestSeam::SetTimeScale(1);
        w.OnCommand(ID_HINT);
        ASSERT_TRUE(RunUntil([&] { return TestSeam::HintDiscShown(w.Game()); }));
        if (action == 0)
            QTest::mouseClick(w.Client(), Qt::LeftButton, {}, w.Board().PictureRect(0).ToQRect().center());
        else if (action == 1)
            QTest::keyClick(w.Client(), Qt::Key_A);
        else
            w.CommandAction(ID_PLAYER2_FIRST + 3)->trigger();
        EXPECT_EQ(TestSeam::HintSquare(w.Game()), NO_MOVE);
        EXPECT_TRUE(BackBuffer(w) == before);
        TestSeam::PlayMove(w.Game(), 19);  // the move being shown
        EXPECT_FALSE(w.IsCommandEnabled(ID_HINT));
        TestSeam::SetTimeScale(0);
        window.reset();
    }
    GameWindow& w = Open(2, 0);
    EXPECT_FALSE(w.IsCommandEnabled(ID_HINT));  // a cleared board
    w.Game().StartGame();
    EXPECT_FALSE(w.IsCommandEnabled(ID_HINT));  // a robot to move
    w.Game().SetPlayerKind(1, 0);
    EXPECT_TRUE(w.IsCommandEnabled(ID_HINT));
    ShowOnBoard(w, positionFromText(X_MUST_PASS));
    EXPECT_FALSE(w.IsCommandEnabled(ID_HINT));
}

// A report that arrives after its hint was abandoned by a move is dropped.
TEST_F(HintTest, AReportAfterTheHintWasAbandonedIsDropped)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    w.Game().ShowHint();
    const int serial = TestSeam::HintOf(w.Game())->serial;
    TestSeam::PlayMove(w.Game(), 19);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    platform::PostWindowMessage(&w.Game(), WM_HINT_FOUND, serial, 18);  // C3, a move of player 2's
    QCoreApplication::sendPostedEvents(&w.Game());
    EXPECT_EQ(TestSeam::HintSquare(w.Game()), NO_MOVE);
}

// A second hint, asked for while the first blinks, blinks three times.
TEST_F(HintTest, ASecondHintBlinksThreeTimesAgain)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    for (int hint = 0; hint < 2; ++hint) {
        w.Game().ShowHint();
        TestSeam::HintOf(w.Game())->doneEvent.Wait();
        steps.clear();
        TestSeam::SetBlinkObserver(RecordBlink);
        QCoreApplication::sendPostedEvents(&w.Game());  // its report only: the disc shows, no step follows yet
    }
    ASSERT_TRUE(RunUntil([&] { return std::get<0>(steps.back()) == NO_MOVE; }));
    EXPECT_EQ(std::count_if(steps.begin(), steps.end(), [](const auto& step) { return std::get<1>(step); }), 3);
}

// The hint draws nothing from the robot's random numbers: a robot game
// played after it is the self-play game.
TEST_F(HintTest, ARobotGameAfterAHintIsTheSelfPlayGame)
{
    const uint32_t seed = 31337;
    std::vector<int> expected;
    for (int move : engine::selfPlay(seed, 2, 1).moves)
        if (move != NO_MOVE)
            expected.push_back(move);
    GameWindow& w = Open(0, 1, seed);
    w.Game().StartGame();
    w.OnCommand(ID_HINT);
    ASSERT_TRUE(
        RunUntil([&] { return !TestSeam::IsLookingForHint(w.Game()) && TestSeam::HintSquare(w.Game()) == NO_MOVE; }));
    MoveWatcher watcher;
    w.Game().SetPlayerKind(1, 2);
    ASSERT_TRUE(RunUntil([&] {
        return platform::LoadShared(w.Game().DisplayedPosition().sideToMove) == engine::GAME_OVER && Resting();
    }));
    EXPECT_EQ(watcher.Moves(), expected);
}

// Each row: the keys (U, D, L, R arrows; N Return; E keypad Enter), whether
// the first button has the focus instead of the board, where the cursor ends
// and whether it played there. At the start X may play 19, 26, 37 and 44.
struct KeyWalk {
    const char* keys;
    bool onButton;
    int square;
    bool played;
};

void PrintTo(const KeyWalk& walk, std::ostream* out)
{
    *out << walk.keys << (walk.onButton ? " on the button" : "");
}

class KeyWalks : public KeyboardTest, public testing::WithParamInterface<KeyWalk> {};

TEST_P(KeyWalks, ArrowsMoveTheCursorAndReturnPlaysItsSquareAsAClick)
{
    const KeyWalk walk = GetParam();
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    QWidget* focus = walk.onButton ? static_cast<QWidget*>(w.StartClearButton()) : w.Client();
    focus->setFocus();
    static const std::map<char, Qt::Key> keys = {{'U', Qt::Key_Up},    {'D', Qt::Key_Down},   {'L', Qt::Key_Left},
                                                 {'R', Qt::Key_Right}, {'N', Qt::Key_Return}, {'E', Qt::Key_Enter}};
    for (const char* key = walk.keys; *key != 0; ++key)
        Press(w, focus, keys.at(*key), *key == 'E' ? Qt::KeypadModifier : Qt::NoModifier);
    EXPECT_EQ(w.Board().KeyboardCursor(), walk.square);
    EXPECT_EQ(w.Game().LastMove(), walk.played ? walk.square : NO_MOVE);
    EXPECT_EQ(TestSeam::IsAnimating(w.Game()), walk.played);
}

INSTANTIATE_TEST_SUITE_P(Walks, KeyWalks,
                         testing::Values(KeyWalk{"U", false, 27, false}, KeyWalk{"UUN", false, 19, true},
                                         KeyWalk{"UUN", true, 19, true}, KeyWalk{"DLE", true, 26, true},
                                         KeyWalk{"UN", false, 27, false}, KeyWalk{"LLLLLLN", true, 24, false},
                                         KeyWalk{"DDDDDRRRRR", false, 63, false}, KeyWalk{"RUUUUUU", true, 3, false}));

// Not the board's keys with Ctrl or while a dialog is open; the cursor starts
// on the last move, a click on the board and Clear hide it; Ctrl+Q exits.
TEST_F(KeyboardTest, TheKeysAreTheBoardsOnlyWhenNothingElseWantsThem)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 26);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    Press(w, w.Client(), Qt::Key_Return);
    Press(w, w.Client(), Qt::Key_Up, Qt::ControlModifier);
    QTimer::singleShot(0, [] {
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Up);
        QApplication::activeModalWidget()->close();
    });
    w.OnCommand(ID_ABOUT);
    EXPECT_EQ(w.Board().KeyboardCursor(), NO_MOVE);
    Press(w, w.Client(), Qt::Key_Left);
    EXPECT_EQ(w.Board().KeyboardCursor(), 26);
    QTest::mouseClick(w.Client(), Qt::LeftButton, {}, QPoint(w.Board().BoardRect().left + 2, 100));
    EXPECT_EQ(w.Board().KeyboardCursor(), NO_MOVE);
    Press(w, w.Client(), Qt::Key_Down);
    AnswerNextQuestion(QMessageBox::Ok);
    w.Game().ClearGame();
    EXPECT_EQ(w.Board().KeyboardCursor(), NO_MOVE);
    Press(w, w.Client(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
