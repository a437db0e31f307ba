// Start-up with the stored players, and the close sequence that saves them.
#include "tests/control/game_fixture.h"

#include <QAction>

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

}  // namespace
