// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up with the stored players, the choices saved as they are made, and
// every way the program ends: the close sequence, a stuck settings lock, and
// the termination signals.
#include "tests/control/game_fixture.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <csignal>

#include "control/application.h"
#include "platform/settings.h"
#include "platform/termination_signals.h"

namespace {

using engine::NO_GAME;
using StartupTest = GameFixture;

TEST_F(StartupTest, FirstStartIsHumanAgainstLevelThreeOnAnEmptyBoard)
{
    GameWindow& w = Open();
    EXPECT_EQ(w.Game().PlayerKind(1), 0);
    EXPECT_EQ(w.Game().PlayerKind(2), 3);
    EXPECT_TRUE(w.CommandAction(ID_PLAYER1_FIRST + 0)->isChecked());
    EXPECT_TRUE(w.CommandAction(ID_PLAYER2_FIRST + 3)->isChecked());
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, NO_GAME);
    EXPECT_EQ(w.StartClearButton()->text(), QStringLiteral("Start Game"));
    EXPECT_FALSE(w.PassButton()->isEnabled());
    EXPECT_EQ(w.CursorMode(), CURSOR_ARROW);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quellix"));
    EXPECT_TRUE(w.IsCommandEnabled(ID_START_GAME));
    EXPECT_FALSE(w.IsCommandEnabled(ID_CLEAR_GAME));
}

TEST_F(StartupTest, StoredKindsAreReadAndMarked)
{
    GameWindow& w = Open(5, 0);
    EXPECT_EQ(w.Game().PlayerKind(1), 5);
    EXPECT_EQ(w.Game().PlayerKind(2), 0);
    EXPECT_TRUE(w.CommandAction(ID_PLAYER1_FIRST + 5)->isChecked());
    EXPECT_FALSE(w.CommandAction(ID_PLAYER1_FIRST + 0)->isChecked());
    EXPECT_TRUE(w.CommandAction(ID_PLAYER2_FIRST + 0)->isChecked());
}

TEST_F(StartupTest, HandEditedOrCorruptValuesFallBackToEachDefault)
{
    for (const QVariant& bad :
         {QVariant(7), QVariant(-1), QVariant(QStringLiteral("abc")), QVariant(QString()),
          QVariant(QStringLiteral("2.5")), QVariant(QStringLiteral("99999999999")), QVariant(QStringLiteral("0x3"))}) {
        StoreSetting(QStringLiteral("Player1Level"), bad);
        StoreSetting(QStringLiteral("Player2Level"), bad);
        GameWindow& w = Open();
        EXPECT_EQ(w.Game().PlayerKind(1), 0) << bad.toString().toStdString();
        EXPECT_EQ(w.Game().PlayerKind(2), 3) << bad.toString().toStdString();
        w.close();
        window.reset();
    }
}

TEST_F(StartupTest, CloseWithoutAGameWritesBothKindsWithoutAsking)
{
    GameWindow& w = Open();
    w.Game().SetPlayerKind(1, 2);
    w.Game().SetPlayerKind(2, 0);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(StoredSetting(QStringLiteral("Player1Level")).toInt(), 2);
    EXPECT_EQ(StoredSetting(QStringLiteral("Player2Level")).toInt(), 0);
}

TEST_F(StartupTest, CloseDuringAGameAsksAndCancelKeepsEverything)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    w.Game().SetPlayerKind(2, 4);
    AnswerNextQuestion(QMessageBox::Cancel);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 1);
    EXPECT_EQ(StoredSetting(QStringLiteral("Player2Level")).toInt(), 0);

    AnswerNextQuestion(QMessageBox::Ok);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(StoredSetting(QStringLiteral("Player2Level")).toInt(), 4);
    EXPECT_TRUE(Resting());
}

TEST_F(StartupTest, KindsSurviveACloseAndRestart)
{
    Open();
    window->Game().SetPlayerKind(1, 6);
    window->close();
    window.reset();
    GameWindow& again = Open();
    EXPECT_EQ(again.Game().PlayerKind(1), 6);
    EXPECT_EQ(again.Game().PlayerKind(2), 3);
}

TEST_F(StartupTest, AKindChosenInTheMenusIsSavedAtOnceBesideTheOther)
{
    GameWindow& w = Open();
    w.CommandAction(ID_PLAYER2_FIRST + 5)->trigger();
    EXPECT_EQ(StoredSetting(QStringLiteral("Player1Level")).toInt(), 0);
    EXPECT_EQ(StoredSetting(QStringLiteral("Player2Level")).toInt(), 5);
    w.CommandAction(ID_PLAYER1_FIRST + 2)->trigger();
    EXPECT_EQ(StoredSetting(QStringLiteral("Player1Level")).toInt(), 2);
    EXPECT_EQ(StoredSetting(QStringLiteral("Player2Level")).toInt(), 5);
    EXPECT_TRUE(w.isVisible());
}

// --- A settings lock that cannot be had -------------------------------------

struct StuckLock {
    const char* name;
    bool heldByAnotherInstance;  // else the lock's path is a directory
};

void PrintTo(const StuckLock& lock, std::ostream* out)
{
    *out << lock.name;
}

class StuckLockTest : public GameFixture, public testing::WithParamInterface<StuckLock> {
protected:
    // Takes the settings lock as another running instance holds it. QLockFile
    // counts a lock as stale when the process that holds it does not bear
    // the name written in it, so it is taken under this program's own name.
    void HoldLock(const QString& path)
    {
        const QString name = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        held = std::make_unique<QLockFile>(path);
        EXPECT_TRUE(held->tryLock(0));
        QCoreApplication::setApplicationName(name);
    }

    std::unique_ptr<QLockFile> held;
};

TEST_P(StuckLockTest, MenuChoicesAndExitGoOnWithinAboutASecondWithoutSaving)
{
    GameWindow& w = Open(0, 6);
    const QString lock = platform::SettingsFilePath() + QStringLiteral(".lock");
    if (GetParam().heldByAnotherInstance)
        HoldLock(lock);
    else
        ASSERT_TRUE(QDir().mkpath(lock));
    TestSeam::SetTimeScale(1);
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 19);  // an animation, and the level 6 robot thinking behind it

    QElapsedTimer clock;
    clock.start();
    w.CommandAction(ID_PLAYER1_FIRST + 3)->trigger();
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(w.Game().PlayerKind(1), 3);

    AnswerNextQuestion(QMessageBox::Ok);
    clock.restart();
    EXPECT_TRUE(w.close());
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_TRUE(Resting());
    EXPECT_EQ(StoredSetting(QStringLiteral("Player1Level")).toInt(), 0);
    EXPECT_EQ(StoredSetting(QStringLiteral("Player2Level")).toInt(), 6);
}

INSTANTIATE_TEST_SUITE_P(Locks, StuckLockTest,
                         testing::Values(StuckLock{"HeldByAnotherInstance", true},
                                         StuckLock{"PathIsADirectory", false}),
                         [](const testing::TestParamInfo<StuckLock>& info) { return std::string(info.param.name); });

// --- Ending during a move: the close and the termination signals ---------------

// The animation holds still in its first pause until it is abandoned, and
// then notes what the settings file held at that moment.
platform::Event animationHeld;
std::atomic<int> storedWhenAbandoned{-1};

void HoldUntilAbandoned(AnimationTask& task, int)
{
    animationHeld.Set();
    task.cancelEvent.Wait();
    storedWhenAbandoned = platform::ReadSettingInt(QStringLiteral("Settings"), QStringLiteral("Player2Level"), -1);
}

struct Ending {
    const char* name;
    int signal;  // 0: the close request, answered OK
};

void PrintTo(const Ending& ending, std::ostream* out)
{
    *out << ending.name;
}

class EndingTest : public GameFixture, public testing::WithParamInterface<Ending> {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        // Answers every question OK, and counts them.
        answerer.setInterval(5);
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++questions;
                box->button(QMessageBox::Ok)->click();
            }
        });
        answerer.start();
    }

    // Ends the program as the row says; true once it has ended.
    bool End(GameWindow& w)
    {
        if (GetParam().signal == 0)
            return w.close();
        std::raise(GetParam().signal);
        return RunUntil([this] { return quits > 0; });
    }

    QTimer answerer;
    int questions = 0;
    int quits = 0;
};

TEST_P(EndingTest, DuringAnAnimationTheTasksStopBeforeTheKindsAreSaved)
{
    GameWindow& w = Open(0, 0);
    const auto routed = EndInOrderOnSignals(&w, [this] { ++quits; });
    animationHeld.Reset();
    storedWhenAbandoned = -1;
    TestSeam::SetPauseObserver(HoldUntilAbandoned);
    w.Game().StartGame();
    TestSeam::PlayMove(w.Game(), 19);
    ASSERT_TRUE(RunUntil([] { return animationHeld.IsSet(); }));
    w.Game().SetPlayerKind(2, 5);  // changed, not yet saved; a robot starts thinking

    ASSERT_TRUE(End(w));
    EXPECT_TRUE(Resting());
    EXPECT_EQ(storedWhenAbandoned, 0) << "the kinds were saved while the animation still ran";
    EXPECT_EQ(StoredSetting(QStringLiteral("Player2Level")).toInt(), 5);
    EXPECT_EQ(questions, GetParam().signal == 0 ? 1 : 0);
    EXPECT_EQ(quits, GetParam().signal == 0 ? 0 : 1);
}

TEST_P(EndingTest, WhileARobotThinksItStopsAndTheKindsAreSaved)
{
    GameWindow& w = Open(6, 0);
    const auto routed = EndInOrderOnSignals(&w, [this] { ++quits; });
    w.Game().StartGame();
    w.Game().IdleEvent().Reset();  // whatever it has chosen, the robot may not play it
    ASSERT_TRUE(TestSeam::IsRobotThinking(w.Game()));
    w.Game().SetPlayerKind(2, 4);

    ASSERT_TRUE(End(w));
    EXPECT_TRUE(Resting());
    EXPECT_EQ(StoredSetting(QStringLiteral("Player1Level")).toInt(), 6);
    EXPECT_EQ(StoredSetting(QStringLiteral("Player2Level")).toInt(), 4);
    EXPECT_EQ(questions, GetParam().signal == 0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Endings, EndingTest,
                         testing::Values(Ending{"Close", 0}, Ending{"Term", SIGTERM}, Ending{"Hup", SIGHUP},
                                         Ending{"Int", SIGINT}),
                         [](const testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

}  // namespace
