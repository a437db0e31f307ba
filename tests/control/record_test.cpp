// SPDX-License-Identifier: GPL-3.0-or-later
// The game's record: Undo, Redo and Continue from Here move its present and
// the board follows; the move list shows every move of a game, passes
// included, and looks back over a finished one.
#include "tests/control/game_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QListWidget>
#include <sstream>

#include "engine/notation.h"
#include "engine/selfplay.h"
#include "panels/move_list_window.h"

namespace {

using engine::BoardPosition;
using engine::NO_MOVE;
using RecordTest = GameFixture;

struct Script {
    const char* name;
    int kind2;          // player 1 is a human
    const char* start;  // a position, or null for the usual start
    // Moves by square name ("--" a pass, "*" the first legal move), "~" to
    // let a robot reply, "<" Undo, ">" Redo, "@N" look back at ply N of the
    // finished game, "!" Continue from Here.
    const char* steps;
    int present;   // moves played afterwards
    int recorded;  // moves in the record, those that Redo can play included
};

void PrintTo(const Script& s, std::ostream* out)
{
    *out << s.name;
}

class Scripts : public RecordTest, public testing::WithParamInterface<Script> {};

TEST_P(Scripts, MoveThePresentAndTheBoardFollows)
{
    const Script& s = GetParam();
    GameWindow& w = Open(0, s.kind2, 7);
    GameController& game = w.Game();
    game.StartGame();
    if (s.start != nullptr)
        ShowOnBoard(w, positionFromText(s.start));
    std::istringstream steps(s.steps);
    for (std::string step; steps >> step;) {
        if (step == "<")
            Press(w, &w, Qt::Key_Z, Qt::ControlModifier);
        else if (step == ">")
            Press(w, &w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else if (step == "!")
            w.OnCommand(ID_CONTINUE_FROM_HERE);
        else if (step[0] == '@')
            game.ReviewPly(std::stoi(step.substr(1)));
        else if (step == "--")
            w.OnCommand(ID_PASS_BUTTON);
        else if (step == "*")
            game.HandleSquareClick(game.DisplayedPosition().moves[0]);
        else if (step != "~")
            game.HandleSquareClick(engine::parseSquare(step));
        ASSERT_TRUE(RunUntil([&] { return Resting(); })) << step;
    }
    EXPECT_EQ(game.ShownPly(), s.present);
    EXPECT_EQ(game.Record().size(), s.recorded);
    EXPECT_EQ(w.IsCommandEnabled(ID_REDO_MOVE), s.present < s.recorded);
    BoardPosition shown = game.Record().start();
    for (int ply = 0; ply < s.present; ++ply)
        shown.applyMove(game.Record().moves()[ply]);
    EXPECT_TRUE(engine::samePosition(game.DisplayedPosition(), shown));
    EXPECT_EQ(game.LastMove(), s.present > 0 ? game.Record().moves()[s.present - 1] : NO_MOVE);
}

INSTANTIATE_TEST_SUITE_P(
    Record, Scripts,
    testing::Values(Script{"undo and redo a move at a time", 0, nullptr, "f5 d6 c3 < < >", 2, 3},
                    Script{"redo all that was undone", 0, nullptr, "f5 d6 c3 < < < > > >", 3, 3},
                    Script{"a new move drops what could be redone", 0, nullptr, "f5 d6 c3 < < f4", 2, 2},
                    Script{"against a robot, from human move to human move", 1, nullptr, "f5 ~ * ~ < < > ~", 2, 4},
                    Script{"against a robot, all the way back and forth", 1, nullptr, "f5 ~ * ~ < < > >", 4, 4},
                    Script{"a pass is a move of its own", 0, X_MUST_PASS, "-- c1 < ", 1, 2},
                    Script{"continue from an earlier position", 0, X_MUST_PASS, "-- c1 @1 !", 1, 1},
                    Script{"continue from the start", 0, X_MUST_PASS, "-- c1 @0 !", 0, 0},
                    Script{"undo while looking back undoes the end", 0, X_MUST_PASS, "-- c1 @0 <", 1, 2}));

// The text of every row of the move list, read as a screen reader reads it.
QStringList AccessibleRows(QListWidget* list)
{
    QStringList rows;
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(list);
    for (int i = 0; view != nullptr && i < view->childCount(); ++i)
        if (QAccessibleInterface* item = view->child(i); item->role() == QAccessible::ListItem)
            rows << item->text(QAccessible::Name);
    return rows;
}

// A robot game with a pass: the list follows it move by move, reads as a
// screen reader reads it, and once the game is over looks back over it.
TEST_F(RecordTest, TheMoveListShowsAWholeRobotGameAndLooksBackOverIt)
{
    const engine::SelfPlayResult expected = engine::selfPlay(2, 1, 2);
    GameWindow& w = Open(1, 2, 2);
    Press(w, &w, Qt::Key_L, Qt::ControlModifier);
    MoveListWindow* list = w.MoveList();
    ASSERT_TRUE(list->isVisible());
    EXPECT_TRUE(w.CommandAction(ID_MOVE_LIST)->isChecked());
    w.Game().StartGame();
    ASSERT_TRUE(RunUntil([&] { return w.Game().Phase() == GamePhase::Over && Resting(); }));
    ASSERT_EQ(w.Game().Record().moves(), expected.moves);

    QStringList rows = {QStringLiteral("Start")};
    for (size_t ply = 0; ply < expected.moves.size(); ply += 2) {
        QString row = QStringLiteral("%1.").arg(ply / 2 + 1);
        for (size_t i = ply; i < std::min(ply + 2, expected.moves.size()); ++i)
            row += u' ' + QString::fromStdString(expected.moves[i] == NO_MOVE ? "pass"
                                                                              : engine::squareName(expected.moves[i]));
        rows << row;
    }
    EXPECT_EQ(AccessibleRows(list->List()), rows);
    EXPECT_TRUE(rows.join(u' ').contains(QStringLiteral("pass")));
    EXPECT_EQ(list->List()->currentRow(), rows.size() - 1);

    // Home shows the start; Down the position after the first row's moves,
    // with its last move and counts, and no turn or result in the panels.
    QTest::keyClick(list->List(), Qt::Key_Home);
    EXPECT_EQ(w.Game().ShownPly(), 0);
    EXPECT_EQ(w.Game().DiscCount(1) + w.Game().DiscCount(2), 4);
    QTest::keyClick(list->List(), Qt::Key_Down);
    EXPECT_EQ(w.Game().ShownPly(), 2);
    EXPECT_EQ(w.Game().LastMove(), expected.moves[1]);
    EXPECT_EQ(w.Game().DiscCount(1) + w.Game().DiscCount(2), 6);
    EXPECT_EQ(w.Panel(1).ChooseStatePicture(), NoPicture);
    EXPECT_EQ(w.Panel(2).ChooseStatePicture(), NoPicture);
    EXPECT_FALSE(w.IsCommandEnabled(ID_HINT));

    // Continue: the later moves go, and the robots play on from there.
    ASSERT_TRUE(list->ContinueButton()->isEnabled());
    QTest::mouseClick(list->ContinueButton(), Qt::LeftButton);
    EXPECT_EQ(w.Game().Record().size(), 2);
    EXPECT_EQ(w.Game().Phase(), GamePhase::Running);
    EXPECT_TRUE(TestSeam::IsRobotThinking(w.Game()));

    // Closing the list unchecks its menu item.
    list->close();
    EXPECT_FALSE(w.CommandAction(ID_MOVE_LIST)->isChecked());
}

// Games as text: whatever is pasted or opened replaces the game, or is
// reported and changes nothing.
struct Pasted {
    const char* name;
    const char* text;
    int moves;            // moves in the record afterwards; -1 when refused
    GamePhase phase;      // afterwards
    const char* message;  // what the report says, for a refused text
};

void PrintTo(const Pasted& p, std::ostream* out)
{
    *out << p.name;
}

class PastedTexts : public RecordTest, public testing::WithParamInterface<Pasted> {};

// Every message box, read and answered with OK.
QStringList messages;
void AnswerMessages()
{
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messages << box->text();
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
        }
        if (!messages.isEmpty() && messages.size() < 5)
            AnswerMessages();
    });
}

TEST_P(PastedTexts, ReplaceTheGameOrChangeNothing)
{
    const Pasted& p = GetParam();
    GameWindow& w = Open(0, 1, 3);
    w.Game().StartGame();
    w.Game().HandleSquareClick(engine::parseSquare("f5"));
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    const engine::GameRecord before = w.Game().Record();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(p.text));
    messages.clear();
    AnswerMessages();
    Press(w, &w, Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    if (p.moves < 0) {
        EXPECT_TRUE(w.Game().Record() == before);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].endsWith(QString::fromUtf8(p.message))) << messages[0].toStdString();
        return;
    }
    EXPECT_EQ(w.Game().Record().size(), p.moves);
    EXPECT_EQ(w.Game().Phase(), p.phase);
    EXPECT_EQ(messages.size(), 1) << "asked before the game in progress ended";
    EXPECT_TRUE(engine::samePosition(w.Game().DisplayedPosition(), w.Game().Record().positionAt(p.moves)));
    // Copy gives back what was pasted, in the game's own words.
    Press(w, &w, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(engine::readGame(QGuiApplication::clipboard()->text().toStdString()).record == w.Game().Record());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PastedTexts,
    testing::Values(Pasted{"a transcript, the robot to reply", "1. f5 d6 2. C3", 4, GamePhase::Running, ""},
                    Pasted{"a position whose first move ends the game",
                           "OX......  ........ ........ ........ ........ "
                           "........ ........ ........ O",
                           1, GamePhase::Over, ""},
                    Pasted{"a GGF record",
                           "(;GM[Othello]PB[a]PW[b]TY[8]BO[8 ---------------------------O*------*O------"
                           "--------------------- *]B[f5//0.1]W[d6];)",
                           2, GamePhase::Running, ""},
                    Pasted{"an illegal move", "f5 d6 a1", -1, GamePhase::Running,
                           "Move 3: \"a1\" is not a legal move for dark."},
                    Pasted{"the anti variant",
                           "(;GM[Othello]TY[8a]BO[8 ---------------------------O*------*O-----"
                           "---------------------- *];)",
                           -1, GamePhase::Running, "which Quellix does not play."}));

// Save writes the game as played so far; Open reads it back, and the command
// of a cleared board are off.
TEST_F(RecordTest, SaveThenOpenGivesTheSameGame)
{
    GameWindow& w = Open(0, 0);
    EXPECT_FALSE(w.IsCommandEnabled(ID_SAVE_GAME));
    EXPECT_FALSE(w.IsCommandEnabled(ID_COPY_GAME));
    w.Game().StartGame();
    for (const char* square : {"f5", "d6", "c3"}) {
        w.Game().HandleSquareClick(engine::parseSquare(square));
        ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    }
    Press(w, &w, Qt::Key_Z, Qt::ControlModifier);  // what Redo could play is not saved
    const QString path = settingsDir.filePath(QStringLiteral("game.ggf"));
    ASSERT_TRUE(w.SaveGameTo(path));
    const engine::GameRecord saved = w.Game().PlayedRecord();
    ASSERT_EQ(saved.size(), 2);
    messages.clear();
    AnswerMessages();
    ASSERT_TRUE(w.OpenGameFile(path));
    EXPECT_TRUE(w.Game().Record() == saved);
    EXPECT_FALSE(w.OpenGameFile(settingsDir.filePath(QStringLiteral("none.ggf"))));
    EXPECT_TRUE(w.Game().Record() == saved);
    EXPECT_FALSE(w.SaveGameTo(settingsDir.filePath(QStringLiteral("no folder/game.ggf"))));
    EXPECT_EQ(messages.size(), 3) << messages.join(u'|').toStdString();
}

}  // namespace
