// SPDX-License-Identifier: GPL-3.0-or-later
// The View menu's options and results, kept over a restart; passing by key;
// the keyboard frame that is the human's; the arrow over the buttons.
#include "tests/control/game_fixture.h"

#include <QTableWidget>
#include <QWindow>
#include <atomic>

#include "control/client_area.h"
#include "control/game_results.h"
#include "control/results_window.h"

namespace {

using engine::BoardPosition;
using engine::NO_MOVE;
using ViewMenuTest = GameFixture;

std::atomic<int> pauseTotal{0};
void AddPause(AnimationTask&, int ms)
{
    pauseTotal += ms;
}

// What the settings hold at the start (nothing when null), the View command
// chosen then (0: none), and the options in force: the large marks and the
// speed, which makes one move from the start last 810, 405 or 0 ms.
struct OptionCase {
    const char* entry;
    const char* stored;
    int command;
    bool large;
    int speed;
};

class OptionCases : public ViewMenuTest, public testing::WithParamInterface<OptionCase> {};

TEST_P(OptionCases, ShapeTheMarksAndTheAnimationAndAreKept)
{
    const OptionCase& c = GetParam();
    if (c.stored != nullptr)
        StoreSetting(QString::fromLatin1(c.entry), QString::fromLatin1(c.stored));
    GameWindow& w = Open(HUMAN, HUMAN);
    w.resize(2400, 1500);
    QCoreApplication::processEvents();
    if (c.command != 0) {
        w.CommandAction(c.command)->trigger();
        EXPECT_EQ(StoredSetting(QString::fromLatin1(c.entry)).toInt(), c.large ? 1 : c.speed);
    }
    w.Game().StartGame();
    pauseTotal = 0;
    TestSeam::SetPauseObserver(AddPause);
    w.Game().PlayMove(19);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_EQ(pauseTotal, (std::array{810, 405, 0})[static_cast<size_t>(c.speed)]);
    BoardPosition expected;
    expected.setStartPosition();
    expected.applyMove(19);
    EXPECT_EQ(0, std::memcmp(w.Game().DisplayedPosition().squares, expected.squares, sizeof expected.squares));

    // A mark of player 2's, C3: its corners drawn, a third of the square's pitch across when large.
    const platform::Rect box = w.Board().MarkRect(18);
    const int pitch = w.Board().SquareRect(19).left - w.Board().SquareRect(18).left;
    ASSERT_NEAR(pitch, 176, 2);
    if (c.large)
        EXPECT_NEAR(box.Width(), pitch / 3, 1);
    else
        EXPECT_EQ(box.Width(), 5);
    const QImage buffer = BackBuffer(w);
    for (int x : {box.left, box.right - 1})
        EXPECT_EQ(buffer.pixel(x, box.top), qRgb(0, 0, 0));

    window.reset();
    GameWindow& again = Open();
    EXPECT_EQ(again.CommandAction(ID_LARGE_MARKS)->isChecked(), c.large);
    EXPECT_TRUE(again.CommandAction(ID_SPEED_FIRST + c.speed)->isChecked());
}

INSTANTIATE_TEST_SUITE_P(
    Options, OptionCases,
    testing::Values(OptionCase{"LargeMoveMarks", nullptr, 0, false, 0},
                    OptionCase{"LargeMoveMarks", nullptr, ID_LARGE_MARKS, true, 0},
                    OptionCase{"LargeMoveMarks", "1", 0, true, 0}, OptionCase{"LargeMoveMarks", "yes", 0, false, 0},
                    OptionCase{"AnimationSpeed", nullptr, ID_SPEED_FIRST + 1, false, 1},
                    OptionCase{"AnimationSpeed", nullptr, ID_SPEED_FIRST + 2, false, 2},
                    OptionCase{"AnimationSpeed", "2", 0, false, 2}, OptionCase{"AnimationSpeed", "3", 0, false, 0}));

// Colour 1 (X) plays its one move, C1, and the game ends tied, 3 to 3.
const char* const X_TIES = "XO......"
                           "........"
                           "........"
                           "........"
                           "........"
                           "........"
                           "........"
                           ".....OOOX";

// The kinds, the position they play on, what the human does there (M plays
// C1, P presses P to pass, U undoes, S starts a new game on the position, C
// clears, r and R reset the results, answering Cancel and OK) and the one row
// that then counts, with its tally.
struct ResultCase {
    const char* name;
    int kind1, kind2;
    const char* position;
    const char* steps;
    int row;  // -1: none
    Tally tally;
};

void PrintTo(const ResultCase& c, std::ostream* out)
{
    *out << c.name;
}

class ResultCases : public ViewMenuTest, public testing::WithParamInterface<ResultCase> {};

TEST_P(ResultCases, CountEachFinishedGameOnceAndAreKept)
{
    const ResultCase& c = GetParam();
    GameWindow& w = Open(HUMAN, HUMAN);
    w.Game().StartGame();
    ShowOnBoard(w, positionFromText(c.position));
    if (w.Game().DisplayedPosition().moveCount == 0)
        w.Game().IdleEvent().Reset();  // as in play: a robot's reply waits for the pass
    w.Game().SetPlayerKind(1, c.kind1);
    w.Game().SetPlayerKind(2, c.kind2);
    Press(w, w.Client(), Qt::Key_Down);
    for (const char* step = c.steps;; ++step) {
        if (step != c.steps || *step == 0) {
            ASSERT_TRUE(RunUntil([&] { return Resting(); }));
        }
        if (*step == 0)
            break;
        if (*step == 'M') {
            w.Game().HandleSquareClick(2);
        } else if (*step == 'P') {
            EXPECT_TRUE(w.CommandAction(ID_PASS)->isEnabled());
            Press(w, w.Client(), Qt::Key_P);
            EXPECT_FALSE(w.PassButton()->isEnabled());
            EXPECT_EQ(w.Board().KeyboardCursor() == NO_MOVE, IsRobot(c.kind2));  // the frame is the human's
        } else if (*step == 'U') {
            w.OnCommand(ID_UNDO_MOVE);
        } else if (*step == 'S') {
            w.OnCommand(ID_START_GAME);
            ShowOnBoard(w, positionFromText(c.position));
        } else {
            if (*step != 'C')
                w.OnCommand(ID_RESULTS);
            AnswerNextQuestion(*step == 'r' ? QMessageBox::Cancel : QMessageBox::Ok);
            if (*step == 'C')
                w.OnCommand(ID_CLEAR_GAME);
            else
                w.findChild<ResultsWindow*>()->ResetButton()->click();
        }
    }
    EXPECT_EQ(w.Board().KeyboardCursor(), NO_MOVE);
    ResultTable expected{};
    if (c.row >= 0)
        expected[static_cast<size_t>(c.row)] = c.tally;
    EXPECT_EQ(w.Results().Table(), expected);
    if (auto* shown = w.findChild<ResultsWindow*>()) {  // what the window shows
        for (int cell = 0; cell < RESULT_ROWS * RESULT_COLUMNS; ++cell)
            EXPECT_EQ(shown->Table()->item(cell / 3, cell % 3)->text().toInt(), expected[cell / 3][cell % 3]);
    }
    window.reset();
    EXPECT_EQ(Open().Results().Table(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Games, ResultCases,
    testing::Values(ResultCase{"Won", 2, HUMAN, X_MUST_PASS, "M", 1, {1, 0, 0}},
                    ResultCase{"LostAfterPassingByKey", HUMAN, 5, X_MUST_PASS, "P", 4, {0, 1, 0}},
                    ResultCase{"Tied", HUMAN, 1, X_TIES, "M", 0, {0, 0, 1}},
                    ResultCase{"TwoHumansFromPlayerOne", HUMAN, HUMAN, X_MUST_PASS, "PM", HUMANS_ROW, {0, 1, 0}},
                    ResultCase{"EndedUndoneEndedOnce", HUMAN, 3, X_TIES, "MUMU", 2, {0, 0, 1}},
                    ResultCase{"TwoGames", HUMAN, 3, X_TIES, "MSM", 2, {0, 0, 2}},
                    ResultCase{"ClearedBeforeTheEnd", HUMAN, 3, X_TIES, "C", -1, {}},
                    ResultCase{"RobotsOnly", 1, 2, X_MUST_PASS, "", -1, {}},
                    ResultCase{"ResetCancelled", HUMAN, 6, X_TIES, "Mr", 5, {0, 0, 1}},
                    ResultCase{"Reset", HUMAN, 6, X_TIES, "MR", -1, {}}),
    [](const testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

// A disabled widget shows its parent's cursor: over the disabled Pass button
// the client area shows the arrow as well.
TEST_F(ViewMenuTest, TheArrowIsShownOverBothButtonsInEveryState)
{
    GameWindow& w = Open(HUMAN, HUMAN);
    w.Game().StartGame();
    ASSERT_FALSE(w.PassButton()->isEnabled());
    const QPoint board = w.Board().PictureRect(0).ToQRect().center();
    for (QWidget* target : std::initializer_list<QWidget*>{w.StartClearButton(), w.PassButton(), w.Client()}) {
        const bool onBoard = target == w.Client();
        QTest::mouseMove(target, onBoard ? board : QPoint(4, 4));
        EXPECT_EQ(w.windowHandle()->cursor().shape(), onBoard ? Qt::BitmapCursor : Qt::ArrowCursor);
    }
}

}  // namespace
