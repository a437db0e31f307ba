// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random user actions against a real window while robots think
// and moves are animated behind them: clicks anywhere, both buttons, every
// menu command and accelerator (undo and hint among them), the board's keys,
// kind changes, resizes, the About box and the help window, and every
// question answered at random. Nothing may crash or
// hang, the state must stay consistent after every action, and afterwards the
// window must still play a whole game correctly.
//
// QUELLIX_STRESS_ACTIONS sets the number of actions per session (3000).
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "control/client_area.h"
#include "panels/move_list_window.h"
#include "control/help_window.h"
#include "tests/control/game_fixture.h"
#include "tests/control/move_watcher.h"

namespace {

using engine::BoardPosition;
using engine::GAME_OVER;
using engine::NO_GAME;
using platform::LoadShared;

int ActionsPerSession()
{
    const QByteArray value = qgetenv("QUELLIX_STRESS_ACTIONS");
    const int actions = value.isEmpty() ? 3000 : value.toInt();
    return actions > 0 ? actions : 3000;
}

// Aborts the program with the last action's name when the window thread
// makes no progress for two minutes: a deadlock must not hang the suite.
class Watchdog {
public:
    Watchdog()
        : thread_([this] {
              std::unique_lock lock(mutex_);
              int seen = -1;
              while (!stop_) {
                  if (progress_ == seen) {
                      std::fprintf(stderr, "FAIL: no progress for 120 s; last action: %s\n", action_.c_str());
                      std::abort();
                  }
                  seen = progress_;
                  wake_.wait_for(lock, std::chrono::seconds(120), [this] { return stop_; });
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    void Progress(const std::string& action)
    {
        std::lock_guard lock(mutex_);
        ++progress_;
        action_ = action;
    }

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    int progress_ = 0;
    std::string action_ = "start";
    std::thread thread_;
};

class StressTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        // Animations and robots still run on their threads, just fast.
        TestSeam::SetTimeScale(0.001);
        answerer.setInterval(2);
        QObject::connect(&answerer, &QTimer::timeout, [this] { AnswerModal(); });
        answerer.start();
    }

    void TearDown() override
    {
        answerer.stop();
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        GameFixture::TearDown();
    }

    // Runs on the window thread, also inside the nested loops of the
    // questions and the About box: answers at a random moment, at random.
    void AnswerModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        if (!alwaysOk && answerRandom() % 3 != 0)
            return;  // let the game go on behind it a while longer
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            ++questions;
            // Cancel more often than OK, so that games get far.
            const bool ok = alwaysOk || answerRandom() % 3 == 0;
            box->button(ok ? QMessageBox::Ok : QMessageBox::Cancel)->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            ++dialogs;
            if (answerRandom() % 2 == 0)
                dialog->accept();
            else
                dialog->reject();
        }
    }

    // Nothing runs, or a human is to act with no animation.
    bool Settled() const
    {
        if (TestSeam::IsAnimating(window->Game()))
            return false;
        const int side = Side();
        return !TestSeam::IsRobotThinking(window->Game()) || (side >= 1 && window->Game().PlayerKind(side) == 0);
    }

    int Side() const { return LoadShared(window->Game().DisplayedPosition().sideToMove); }

    // What a command that is not carried out must leave alone.
    struct Snapshot {
        int side, animationSerial, robotSerial, lastMove, kind1, kind2, questions;
        QString caption;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Take() const
    {
        GameWindow& w = *window;
        return {Side(),
                w.Game().AnimationSerial(),
                TestSeam::RobotSerial(w.Game()),
                LoadShared(w.Game().LastMove()),
                w.Game().PlayerKind(1),
                w.Game().PlayerKind(2),
                questions,
                w.StartClearButton()->text()};
    }

    // The state after every action; `what` names the action.
    void CheckConsistent(const std::string& what)
    {
        GameWindow& w = *window;
        const int side = Side();
        const bool animating = TestSeam::IsAnimating(w.Game());
        ASSERT_EQ(w.StartClearButton()->text() == QStringLiteral("Start Game"), side == NO_GAME)
            << "caption " << w.StartClearButton()->text().toStdString() << " with side to move " << side << " after "
            << what;
        for (int s = 1; s <= 2; ++s) {
            const int first = s == 1 ? ID_PLAYER1_FIRST : ID_PLAYER2_FIRST;
            for (int kind = 0; kind <= 6; ++kind)
                ASSERT_EQ(w.CommandAction(first + kind)->isChecked(), kind == w.Game().PlayerKind(s))
                    << "radio mark of player " << s << " item " << kind << " after " << what;
        }
        if (TestSeam::IsRobotThinking(w.Game())) {
            const int next = TestSeam::NextPosition(w.Game()).sideToMove;
            ASSERT_GE(next, 1) << "a robot thinks with no game to play, after " << what;
            ASSERT_NE(w.Game().PlayerKind(next), 0) << "a robot thinks for a human, after " << what;
            const engine::BoardPosition& thought = TestSeam::RobotOf(w.Game())->position;
            ASSERT_EQ(thought.sideToMove, next) << "after " << what;
            ASSERT_EQ(std::memcmp(thought.squares, TestSeam::NextPosition(w.Game()).squares, sizeof thought.squares), 0)
                << "the robot thinks about another position than the next one, after " << what;
        }
        const int cursor = w.Board().KeyboardCursor();
        ASSERT_TRUE(cursor == engine::NO_MOVE || (cursor >= 0 && cursor < 64)) << "after " << what;
        if (animating) {
            ASSERT_FALSE(w.PassButton()->isEnabled()) << "Pass enabled during an animation, after " << what;
            ASSERT_EQ(TestSeam::HintSquare(w.Game()), engine::NO_MOVE) << "the hint blinks during an animation, after " << what;
            // The last move's animation ends the game before it ends itself.
            ASSERT_NE(side, NO_GAME) << "an animation runs on a cleared board, after " << what;
            return;
        }

        // At rest: the displayed position is the window thread's alone.
        const BoardPosition& p = w.Game().DisplayedPosition();
        int count1 = 0, count2 = 0;
        for (int square = 0; square < 64; ++square) {
            ASSERT_TRUE(p.squares[square] >= 0 && p.squares[square] <= 2)
                << "square " << square << " holds " << p.squares[square] << " with no animation, after " << what;
            count1 += p.squares[square] == 1;
            count2 += p.squares[square] == 2;
        }
        if (side == NO_GAME) {
            ASSERT_EQ(count1 + count2, 0) << "discs on a cleared board, after " << what;
        } else {
            ASSERT_EQ(p.discCount1, count1) << "after " << what;
            ASSERT_EQ(p.discCount2, count2) << "after " << what;
            const BoardPosition recorded = w.Game().Record().positionAt(w.Game().ShownPly());
            ASSERT_EQ(std::memcmp(p.squares, recorded.squares, sizeof p.squares), 0)
                << "the board is not the record's position " << w.Game().ShownPly() << ", after " << what;
        }
        const bool human = side >= 1 && w.Game().PlayerKind(side) == 0;
        const bool robot = side >= 1 && !human;
        const bool humanMustPass = human && p.moveCount == 0;
        const int hint = TestSeam::HintSquare(w.Game());
        ASSERT_TRUE(hint == engine::NO_MOVE || (human && p.isLegalMove(hint)))
            << "the hint blinks on " << hint << ", side " << side << ", after " << what;
        ASSERT_EQ(w.PassButton()->isEnabled(), humanMustPass)
            << "Pass enabled " << w.PassButton()->isEnabled() << ", side " << side << ", kind "
            << (side >= 1 ? w.Game().PlayerKind(side) : -1) << ", moves " << p.moveCount << ", after " << what;
        ASSERT_EQ(w.Board().marksShown, human && p.moveCount > 0) << "legal-move marks after " << what;
        ASSERT_EQ(w.Panel(1).level, w.Game().PlayerKind(1)) << "badge of player 1 after " << what;
        ASSERT_EQ(w.Panel(2).level, w.Game().PlayerKind(2)) << "badge of player 2 after " << what;
        if (robot) {
            // A robot never rests: it thinks, or its move is on its way.
            ASSERT_GT(p.moveCount, 0) << "a robot rests in a pass, after " << what;
            ASSERT_TRUE(TestSeam::IsRobotThinking(w.Game())) << "robot " << side << " to move but none thinks, after " << what;
            ASSERT_EQ(w.CursorMode(), CURSOR_WORKING) << "after " << what;
        } else if (human) {
            ASSERT_EQ(w.CursorMode(), side == 1 ? CURSOR_PLAYER1 : CURSOR_PLAYER2) << "after " << what;
            if (TestSeam::IsRobotThinking(w.Game())) {
                ASSERT_TRUE(humanMustPass) << "a robot thinks while a human with moves is to move, after " << what;
            }
        } else {
            ASSERT_EQ(w.CursorMode(), CURSOR_ARROW) << "after " << what;
            ASSERT_FALSE(TestSeam::IsRobotThinking(w.Game())) << "a robot thinks with no game, after " << what;
        }
    }

    // Commands that must do nothing while disabled: checked only when no
    // animation runs, since an animation may end the game at any moment.
    void TriggerCommand(int id, const std::string& what)
    {
        GameWindow& w = *window;
        Count(id);
        const bool checkable = !TestSeam::IsAnimating(w.Game()) && !w.IsCommandEnabled(id);
        const Snapshot before = Take();
        w.CommandAction(id)->trigger();
        if (checkable) {
            ASSERT_TRUE(Take() == before) << "disabled command " << id << " changed the game: " << what;
        }
    }

    void PressKey(int key, Qt::KeyboardModifiers modifiers, int id, const std::string& what)
    {
        GameWindow& w = *window;
        QApplication::setActiveWindow(&w);
        Count(id);
        const bool checkable = !TestSeam::IsAnimating(w.Game()) && !w.IsCommandEnabled(id);
        const Snapshot before = Take();
        QTest::keyClick(&w, static_cast<Qt::Key>(key), modifiers);
        if (checkable) {
            ASSERT_TRUE(Take() == before) << "key of disabled command " << id << " changed the game: " << what;
        }
    }

    // Undos and hints asked for while they were on.
    void Count(int id)
    {
        if (window->IsCommandEnabled(id)) {
            undos += id == ID_UNDO_MOVE;
            hints += id == ID_HINT;
        }
    }

    HelpWindow* OpenHelp() const
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* help = qobject_cast<HelpWindow*>(widget); help != nullptr && help->isVisible())
                return help;
        return nullptr;
    }

    // Exit: if the window closed, the kinds must be stored; the program then
    // starts again from them.
    void Exit(const std::string& what)
    {
        const int kind1 = window->Game().PlayerKind(1);
        const int kind2 = window->Game().PlayerKind(2);
        const bool inGame = Side() >= 1;
        // An animation may end the game at any moment, and then the close
        // asks nothing; so the question is counted only at rest.
        const bool atRest = !TestSeam::IsAnimating(window->Game());
        const int questionsBefore = questions;
        window->CommandAction(ID_EXIT)->trigger();
        if (window->isVisible()) {
            ASSERT_TRUE(inGame) << "Exit with no game left the window open: " << what;
            return;
        }
        if (atRest) {
            ASSERT_EQ(questions, questionsBefore + (inGame ? 1 : 0)) << "exit question asked wrongly: " << what;
        }
        ASSERT_EQ(StoredSetting(QStringLiteral("Player1Level")).toInt(), kind1);
        ASSERT_EQ(StoredSetting(QStringLiteral("Player2Level")).toInt(), kind2);
        ASSERT_TRUE(!TestSeam::IsAnimating(window->Game()) && !TestSeam::IsRobotThinking(window->Game())) << "a task outlived the close";
        ++restarts;
        window.reset();
        Open();
        ASSERT_EQ(window->Game().PlayerKind(1), kind1);
        ASSERT_EQ(window->Game().PlayerKind(2), kind2);
    }

    // One session of random actions; `home` kinds are those that the
    // session mostly plays with.
    void RunSession(uint32_t seed, int home1, int home2)
    {
        std::mt19937 random(seed);
        answerRandom.seed(seed ^ 0x5A5A5A5Au);
        auto pick = [&random](int n) {
            return static_cast<int>(random() % static_cast<uint32_t>(n));
        };
        Open(home1, home2);
        Watchdog watchdog;
        const int actions = ActionsPerSession();
        int started = 0;
        int finished = 0;
        int lastSide = NO_GAME;
        for (int i = 0; i < actions; ++i) {
            GameWindow& w = *window;
            const int choice = pick(100);
            std::string what = "action " + std::to_string(i) + ": ";
            if (choice < 20) {
                // A click anywhere on the client area.
                const QPoint point(pick(w.Client()->width()), pick(w.Client()->height()));
                what += "click at " + std::to_string(point.x()) + "," + std::to_string(point.y());
                watchdog.Progress(what);
                QTest::mouseClick(w.Client(), Qt::LeftButton, {}, point);
            } else if (choice < 40) {
                // A click on a square: a legal one when a human may move.
                int square = pick(64);
                const int side = Side();
                if (!TestSeam::IsAnimating(w.Game()) && side >= 1 && w.Game().DisplayedPosition().moveCount > 0 && pick(8) != 0)
                    square = w.Game().DisplayedPosition().moves[pick(w.Game().DisplayedPosition().moveCount)];
                int x = 0, y = 0;
                w.Board().SquareCentre(square, x, y);
                what += "click on square " + std::to_string(square);
                watchdog.Progress(what);
                QTest::mouseClick(w.Client(), Qt::LeftButton, {}, QPoint(x, y));
            } else if (choice < 44) {
                what += "button " + w.StartClearButton()->text().toStdString();
                watchdog.Progress(what);
                if (Side() == NO_GAME)
                    ++started;
                w.StartClearButton()->click();
            } else if (choice < 48) {
                what += "Pass button";
                watchdog.Progress(what);
                // Checked at rest only, as the disabled commands are: an
                // animation may end the game at any moment.
                const bool checkable = !TestSeam::IsAnimating(w.Game()) && !w.PassButton()->isEnabled();
                const Snapshot before = Take();
                w.PassButton()->click();
                if (checkable) {
                    ASSERT_TRUE(Take() == before) << "disabled Pass changed the game: " << what;
                }
            } else if (choice < 56) {
                // Any menu command, Exit and Help excepted (below).
                static const int ids[] = {ID_START_GAME, ID_CLEAR_GAME, ID_ABOUT,     ID_START_GAME,
                                          ID_CLEAR_GAME, ID_UNDO_MOVE,  ID_UNDO_MOVE, ID_HINT,
                                          ID_REDO_MOVE,  ID_MOVE_LIST,  ID_CONTINUE_FROM_HERE};
                const int id = ids[pick(11)];
                QListWidget* list = w.MoveList()->List();
                if (id == ID_MOVE_LIST && list->isVisible() && list->count() > 0 && pick(2) == 0) {
                    // A row of the list chosen, as a click would.
                    const int row = pick(list->count());
                    what += "move list row " + std::to_string(row);
                    watchdog.Progress(what);
                    list->setCurrentRow(row);
                } else {
                    what += "command " + std::to_string(id);
                    watchdog.Progress(what);
                    TriggerCommand(id, what);
                }
            } else if (choice < 62) {
                static const struct {
                    int key;
                    Qt::KeyboardModifiers modifiers;
                    int id;
                } keys[] = {{Qt::Key_F2, Qt::NoModifier, ID_START_GAME},
                            {Qt::Key_F2, Qt::ControlModifier, ID_CLEAR_GAME},
                            {Qt::Key_F1, Qt::NoModifier, ID_HELP_CONTENTS},
                            {Qt::Key_Z, Qt::ControlModifier, ID_UNDO_MOVE},
                            {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, ID_REDO_MOVE},
                            {Qt::Key_H, Qt::NoModifier, ID_HINT}};
                const auto& key = keys[pick(6)];
                what += "key for command " + std::to_string(key.id);
                watchdog.Progress(what);
                PressKey(key.key, key.modifiers, key.id, what);
            } else if (choice < 70) {
                // One of the 14 player items, or back to the session's kinds.
                if (pick(3) == 0) {
                    what += "home kinds";
                    watchdog.Progress(what);
                    TriggerCommand(ID_PLAYER1_FIRST + home1, what);
                    TriggerCommand(ID_PLAYER2_FIRST + home2, what);
                } else {
                    const int id = (pick(2) == 0 ? ID_PLAYER1_FIRST : ID_PLAYER2_FIRST) + pick(7);
                    what += "player item " + std::to_string(id);
                    watchdog.Progress(what);
                    TriggerCommand(id, what);
                }
            } else if (choice < 76) {
                static const QSize sizes[] = {{1, 1}, {426, 340}, {1920, 1200}, {800, 600}};
                const QSize size = pick(2) == 0 ? sizes[pick(4)] : QSize(200 + pick(1400), 150 + pick(1000));
                what += "resize to " + std::to_string(size.width()) + "x" + std::to_string(size.height());
                watchdog.Progress(what);
                w.resize(size);
                ASSERT_GE(w.Client()->width(), 426) << what;
                ASSERT_GE(w.Client()->height(), 310) << what;
            } else if (choice < 79) {
                what += "help opened or closed";
                watchdog.Progress(what);
                if (HelpWindow* help = OpenHelp())
                    help->close();
                else
                    TriggerCommand(ID_HELP_CONTENTS, what);
            } else if (choice < 80) {
                what += "Exit";
                watchdog.Progress(what);
                Exit(what);
            } else if (choice < 86) {
                // Until a human must act or nothing runs, for a short while:
                // robot games move on meanwhile.
                what += "wait for the game to settle";
                watchdog.Progress(what);
                RunUntil([this] { return Settled(); }, 40);
            } else if (choice < 87) {
                // Long enough for a robot game to reach its end.
                what += "let the robots play";
                watchdog.Progress(what);
                RunUntil([this] { return Settled(); }, 1500);
            } else if (choice < 93) {
                // The board's keys, to whichever child has the focus.
                static const Qt::Key keys[] = {Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left,
                                               Qt::Key_Right, Qt::Key_Return, Qt::Key_Enter};
                const Qt::Key key = keys[pick(6)];
                what += "board key " + QKeySequence(key).toString().toStdString();
                watchdog.Progress(what);
                QApplication::setActiveWindow(&w);
                QWidget* focus = QApplication::focusWidget();
                QTest::keyClick(focus != nullptr ? focus : &w, key);
            } else {
                what += "events for a moment";
                watchdog.Progress(what);
                QTest::qWait(pick(4));
            }
            if (HasFatalFailure())
                return;
            QCoreApplication::processEvents();
            if (Side() == GAME_OVER && !TestSeam::IsAnimating(window->Game()) && lastSide != GAME_OVER)
                ++finished;
            lastSide = TestSeam::IsAnimating(window->Game()) ? 0 : Side();
            CheckConsistent(what);
            if (HasFatalFailure())
                return;
        }
        if (actions >= 1000) {
            EXPECT_GT(started, 10) << "the session hardly ever started a game";
            EXPECT_GT(questions, 10) << "the session hardly ever saw a question";
            EXPECT_GT(dialogs, 3) << "the session hardly ever saw the About box";
        }
        std::printf("%d actions: %d games started, %d finished, %d questions, %d dialogs, %d restarts, %d undos, "
                    "%d hints\n",
                    actions, started, finished, questions, dialogs, restarts, undos, hints);
        PlayCheckedGame(watchdog);
    }

    // Both sides robots, a new game, run to its end; every move animated
    // must leave the board the rules' result.
    void PlayCheckedGame(Watchdog& watchdog)
    {
        watchdog.Progress("the checked game");
        alwaysOk = true;
        if (HelpWindow* help = OpenHelp())
            help->close();
        GameWindow& w = *window;
        w.resize(800, 600);
        w.CommandAction(ID_PLAYER1_FIRST + 1)->trigger();
        w.CommandAction(ID_PLAYER2_FIRST + 2)->trigger();
        w.CommandAction(ID_CLEAR_GAME)->trigger();
        ASSERT_EQ(Side(), NO_GAME);
        ASSERT_TRUE(Resting());
        int moves = 0;
        {
            MoveWatcher watcher;
            w.CommandAction(ID_START_GAME)->trigger();
            ASSERT_TRUE(RunUntil([&] { return Side() == GAME_OVER && Resting(); }, 120000)) << "the game did not end";
            const std::vector<std::string> faults = watcher.Faults();
            EXPECT_TRUE(faults.empty()) << faults.front();
            moves = static_cast<int>(watcher.Moves().size());
        }
        const BoardPosition& p = w.Game().DisplayedPosition();
        EXPECT_GE(moves, 10);
        EXPECT_EQ(moves + 4, p.discCount1 + p.discCount2) << "every move adds one disc";
        CheckConsistent("the checked game");
    }

    QTimer answerer;
    std::mt19937 answerRandom;
    bool alwaysOk = false;
    int questions = 0;
    int dialogs = 0;
    int restarts = 0;
    int undos = 0;
    int hints = 0;
};

TEST_F(StressTest, RobotAgainstRobotSurvivesRandomActions)
{
    RunSession(20261207u, 2, 1);
}

TEST_F(StressTest, HumanAgainstRobotSurvivesRandomActions)
{
    RunSession(4242u, 0, 3);
}

}  // namespace
