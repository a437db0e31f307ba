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

using engine::NO_MOVE;
using ViewMenuTest = GameFixture;

std::atomic<int> pauseTotal{0};

// The stored text (none when null), the View command chosen (0: none), and the options in force: the
// speed (one move from the start lasts 810, 405 or 0 ms) and the large marks.
struct OptionCase {
    const char *entry, *stored;
    int command, speed;
    bool large;
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
    if (c.command != 0)
        w.CommandAction(c.command)->trigger();
    w.Game().StartGame();
    pauseTotal = 0;
    TestSeam::SetPauseObserver([](AnimationTask&, int ms) { pauseTotal += ms; });
    engine::BoardPosition expected = w.Game().DisplayedPosition();
    expected.applyMove(19);
    TestSeam::PlayMove(w.Game(), 19);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_EQ(pauseTotal, (std::array{810, 405, 0})[static_cast<size_t>(c.speed)]);
    EXPECT_EQ(0, std::memcmp(w.Game().DisplayedPosition().squares, expected.squares, sizeof expected.squares));
    // Player 2's mark on C3, a third of the square's pitch across when large.
    const platform::Rect box = w.Board().MarkRect(18);
    const int pitch = w.Board().SquareRect(19).left - w.Board().SquareRect(18).left;
    ASSERT_NEAR(pitch, 176, 2);
    EXPECT_NEAR(box.Width(), c.large ? pitch / 3 : 5, 1);
    EXPECT_EQ(BackBuffer(w).pixel(box.left, box.top), qRgb(0, 0, 0));
    window.reset();
    EXPECT_EQ(Open().CommandAction(ID_LARGE_MARKS)->isChecked(), c.large);
    EXPECT_TRUE(window->CommandAction(ID_SPEED_FIRST + c.speed)->isChecked());
}

const char* const MARKS = "LargeMoveMarks";
const char* const SPEED = "AnimationSpeed";
INSTANTIATE_TEST_SUITE_P(Options, OptionCases,
                         testing::Values(OptionCase{MARKS, nullptr, 0, 0, false},
                                         OptionCase{MARKS, nullptr, ID_LARGE_MARKS, 0, true},
                                         OptionCase{MARKS, "1", 0, 0, true}, OptionCase{MARKS, "yes", 0, 0, false},
                                         OptionCase{SPEED, nullptr, ID_SPEED_FIRST + 1, 1, false},
                                         OptionCase{SPEED, nullptr, ID_SPEED_FIRST + 2, 2, false},
                                         OptionCase{SPEED, "2", 0, 2, false}, OptionCase{SPEED, "3", 0, 0, false}));

// Colour 1 (X) plays its one move, C1, and the game ends tied, 3 to 3.
const char* const X_TIES = "XO...........................................................OOOX";

// The position, what the human does (M plays C1, P presses P to pass, U undoes, S starts again on the
// position, C clears, r and R reset answering Cancel and OK), the kinds, and the row that counts.
struct ResultCase {
    const char *name, *position, *steps;
    int kind1, kind2, row;
    Tally tally;
};

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
    for (const char* step = c.steps; *step != 0; ++step) {
        if (*step == 'M') {
            w.Game().HandleSquareClick(2);
        } else if (*step == 'P') {
            EXPECT_TRUE(w.CommandAction(ID_PASS)->isEnabled());
            Press(w, w.Client(), Qt::Key_P);
            EXPECT_EQ(w.Board().KeyboardCursor() == NO_MOVE, IsRobot(c.kind2));  // the frame is the human's
        } else if (*step == 'U' || *step == 'S') {
            w.OnCommand(*step == 'U' ? ID_UNDO_MOVE : ID_START_GAME);
            if (*step == 'S')
                ShowOnBoard(w, positionFromText(c.position));
        } else {
            AnswerNextQuestion(*step == 'r' ? QMessageBox::Cancel : QMessageBox::Ok);
            w.OnCommand(*step == 'C' ? ID_CLEAR_GAME : ID_RESULTS);
            if (*step != 'C')
                w.findChild<ResultsWindow*>()->ResetButton()->click();
        }
        ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    }
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));  // robots only
    EXPECT_EQ(w.Board().KeyboardCursor(), NO_MOVE);
    ResultTable expected{};
    expected[static_cast<size_t>(c.row)] = c.tally;
    EXPECT_EQ(w.Results().Table(), expected);
    const ResultsWindow* shown = w.findChild<ResultsWindow*>();  // where it was opened: level 6, tied
    EXPECT_TRUE(shown == nullptr || shown->Table()->item(5, 2)->text().toInt() == expected[5][2]);
    window.reset();
    EXPECT_EQ(Open().Results().Table(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Games, ResultCases,
    testing::Values(ResultCase{"Won", X_MUST_PASS, "M", 2, HUMAN, 1, {1, 0, 0}},
                    ResultCase{"LostAfterPassingByKey", X_MUST_PASS, "P", HUMAN, 5, 4, {0, 1, 0}},
                    ResultCase{"Tied", X_TIES, "M", HUMAN, 1, 0, {0, 0, 1}},
                    ResultCase{"TwoHumansFromPlayerOne", X_MUST_PASS, "PM", HUMAN, HUMAN, HUMANS_ROW, {0, 1, 0}},
                    ResultCase{"EndedUndoneEndedOnce", X_TIES, "MUMU", HUMAN, 3, 2, {0, 0, 1}},
                    ResultCase{"TwoGames", X_TIES, "MSM", HUMAN, 3, 2, {0, 0, 2}},
                    ResultCase{"ClearedBeforeTheEnd", X_TIES, "C", HUMAN, 3, 0, {}},
                    ResultCase{"RobotsOnly", X_MUST_PASS, "", 1, 2, 0, {}},
                    ResultCase{"ResetCancelled", X_TIES, "Mr", HUMAN, 6, 5, {0, 0, 1}},
                    ResultCase{"Reset", X_TIES, "MR", HUMAN, 6, 0, {}}),
    [](const testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

// A disabled widget shows its parent's cursor: the arrow over the disabled
// Pass button (so it is at the start) comes from the client area.
TEST_F(ViewMenuTest, TheArrowIsShownOverBothButtonsInEveryState)
{
    GameWindow& w = Open(HUMAN, HUMAN);
    w.Game().StartGame();
    for (QWidget* target : std::initializer_list<QWidget*>{w.StartClearButton(), w.PassButton(), w.Client()}) {
        QTest::mouseMove(target, target == w.Client() ? w.Board().PictureRect(0).ToQRect().center() : QPoint(4, 4));
        EXPECT_EQ(w.windowHandle()->cursor().shape(), target == w.Client() ? Qt::BitmapCursor : Qt::ArrowCursor);
    }
}

}  // namespace
