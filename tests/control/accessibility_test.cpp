// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology is shown of a real window: the client area's
// accessible children and the events that a move, a pass, the end of the
// game and the keyboard cursor raise.
#include <QAccessible>
#include <QAccessibleInterface>
#include <algorithm>
#include <set>
#include <vector>

#include "board/board_accessible.h"
#include "control/client_area.h"
#include "control/game_accessibility.h"
#include "tests/control/game_fixture.h"

namespace {

using engine::BoardPosition;
using engine::NO_MOVE;

// Every accessibility event raised while it lives, with the name and role of
// its object at that moment.
class EventRecorder {
public:
    struct Raised {
        QAccessible::Event type;
        QAccessible::Role role;
        QString name;
        bool focusChanged;  // a state change of the focused state
    };

    EventRecorder()
    {
        recording = this;
        TestSeam::SetAccessibilityObserver(Record);
    }
    ~EventRecorder()
    {
        TestSeam::SetAccessibilityObserver(nullptr);
        recording = nullptr;
    }
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    // The names of the objects of `role` that raised `type`, in order.
    std::vector<QString> Names(QAccessible::Event type, QAccessible::Role role) const
    {
        std::vector<QString> names;
        for (const Raised& raised : events)
            if (raised.type == type && raised.role == role)
                names.push_back(raised.name);
        return names;
    }
    // What the announcement said, once per showing.
    std::vector<QString> Announcements() const { return Names(QAccessible::ObjectShow, QAccessible::Notification); }
    std::set<QString> ChangedCells() const
    {
        const std::vector<QString> names = Names(QAccessible::NameChanged, QAccessible::Cell);
        return {names.begin(), names.end()};
    }

    std::vector<Raised> events;

private:
    static void Record(QAccessibleEvent* event)
    {
        QAccessibleInterface* object = event->accessibleInterface();
        const bool focusChanged = event->type() == QAccessible::StateChanged &&
                                  static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().focused;
        recording->events.push_back({event->type(), object ? object->role() : QAccessible::NoRole,
                                     object ? object->text(QAccessible::Name) : QString(), focusChanged});
    }
    static inline EventRecorder* recording = nullptr;
};

class AccessibilityTest : public GameFixture {
protected:
    // The client area's accessible object, as a screen reader first finds it.
    static QAccessibleInterface* ClientArea(GameWindow& w) { return QAccessible::queryAccessibleInterface(w.Client()); }
    static QString Name(QAccessibleInterface* object) { return object ? object->text(QAccessible::Name) : QString(); }
    static QString CellName(GameWindow& w, int square)
    {
        return Name(ClientArea(w)->child(0)->tableInterface()->cellAt(square / 8, square % 8));
    }
    static void ShowPosition(GameWindow& w, const BoardPosition& p)
    {
        BoardPosition next = p;
        if (p.sideToMove >= 1 && p.moveCount == 0)
            next.applyMove(NO_MOVE);
        TestSeam::SetPositions(w.Game(), p, next);
    }
};

TEST_F(AccessibilityTest, ClientAreaHoldsBoardPanelsAnnouncementAndButtons)
{
    GameWindow& w = Open(HUMAN, 3);
    w.Game().StartGame();
    QAccessibleInterface* client = ClientArea(w);
    ASSERT_NE(client, nullptr);
    ASSERT_EQ(client->childCount(), 6);

    struct Child {
        QAccessible::Role role;
        const char* name;
    };
    const Child children[] = {
        {QAccessible::Table, "Board"},
        {QAccessible::StaticText, "Player 1, human, 2 pieces, your turn"},
        {QAccessible::StaticText, "Player 2, robot level 3, 2 pieces"},
        {QAccessible::Notification, ""},
        {QAccessible::Button, "Clear Board"},
        {QAccessible::Button, "Pass"},
    };
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        QAccessibleInterface* child = client->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->role(), children[i].role);
        EXPECT_EQ(Name(child), QString::fromUtf8(children[i].name));
        EXPECT_EQ(client->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), client);
    }
    EXPECT_EQ(CellName(w, 19), QStringLiteral("D3, empty, legal move"));
    EXPECT_EQ(CellName(w, 27), QStringLiteral("D4, light disc"));
    EXPECT_EQ(CellName(w, 28), QStringLiteral("E4, dark disc"));

    // A point on the screen finds the part drawn there.
    const QPoint panel2 = client->child(2)->rect().center();
    EXPECT_EQ(client->childAt(panel2.x(), panel2.y()), client->child(2));
    const QPoint board = client->child(0)->rect().center();
    EXPECT_EQ(client->childAt(board.x(), board.y()), client->child(0));
}

TEST_F(AccessibilityTest, ClosingTheWindowWithdrawsTheParts)
{
    GameWindow& w = Open(HUMAN, HUMAN);
    QAccessibleInterface* client = ClientArea(w);
    const QAccessible::Id board = QAccessible::uniqueId(client->child(0));
    const QAccessible::Id cell = QAccessible::uniqueId(client->child(0)->child(10));
    const QAccessible::Id panel = QAccessible::uniqueId(client->child(1));
    ASSERT_NE(QAccessible::accessibleInterface(cell), nullptr);
    window.reset();
    for (QAccessible::Id id : {board, cell, panel})
        EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
}

TEST_F(AccessibilityTest, MoveIsAnnouncedAndChangedSquaresAndPanelsRenamed)
{
    GameWindow& w = Open(HUMAN, HUMAN);
    w.Game().StartGame();
    {
        // Players who use no assistive technology pay nothing: until
        // something asks for the tree, the game raises no event.
        EventRecorder before;
        w.Game().HandleSquareClick(19);
        ASSERT_TRUE(RunUntil([&] { return Resting(); }));
        EXPECT_TRUE(before.events.empty());
        AnswerNextQuestion(QMessageBox::Ok);
        w.Game().ClearGame();
        w.Game().StartGame();
    }
    ClientArea(w)->childCount();
    EventRecorder recorder;
    w.Game().HandleSquareClick(19);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));

    EXPECT_EQ(recorder.Announcements(), std::vector<QString>{QStringLiteral("Player 1 played D3")});
    // The new name comes before the showing, for readers that keep names.
    const auto announced = std::find_if(recorder.events.begin(), recorder.events.end(),
                                        [](const auto& raised) { return raised.role == QAccessible::Notification; });
    ASSERT_NE(announced, recorder.events.end());
    EXPECT_EQ(announced->type, QAccessible::NameChanged);

    // Exactly the squares whose name changed: the disc placed, the disc
    // turned, the marks of the side that moved gone, those of the other come.
    const std::set<QString> cells{"D3, dark disc, last move",
                                  "D4, dark disc",
                                  "C4, empty",
                                  "F5, empty",
                                  "E6, empty",
                                  "C3, empty, legal move",
                                  "E3, empty, legal move",
                                  "C5, empty, legal move"};
    EXPECT_EQ(recorder.ChangedCells(), cells);
    EXPECT_EQ(recorder.Names(QAccessible::NameChanged, QAccessible::StaticText),
              (std::vector<QString>{"Player 1, human, 4 pieces", "Player 2, human, 1 piece, your turn"}));
}

// A pass by the Pass button and one the game makes for a robot that cannot
// move are announced alike; the robot's panel says it had to pass.
TEST_F(AccessibilityTest, PassIsAnnounced)
{
    struct Case {
        const char* what;
        int kind1;
        const char* panel1;
    };
    const Case cases[] = {
        {"human passes", HUMAN, "Player 1, human, 1 piece"},
        {"robot passes", 2, "Player 1, robot level 2, 1 piece, had to pass"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameWindow& w = Open(c.kind1, HUMAN);
        w.Game().StartGame();
        ShowPosition(w, positionFromText(X_MUST_PASS));
        ClientArea(w)->childCount();
        EventRecorder recorder;
        w.Game().UpdateTurn();
        if (!IsRobot(c.kind1))
            w.Game().PassTurn();
        EXPECT_EQ(recorder.Announcements(), std::vector<QString>{QStringLiteral("Player 1 passed")});
        const std::vector<QString> panels = recorder.Names(QAccessible::NameChanged, QAccessible::StaticText);
        EXPECT_NE(std::find(panels.begin(), panels.end(), QString::fromUtf8(c.panel1)), panels.end());
        EXPECT_EQ(Name(ClientArea(w)->child(2)), QStringLiteral("Player 2, human, 1 piece, your turn"));
        window.reset();
    }
}

TEST_F(AccessibilityTest, EndOfTheGameIsAnnouncedOnce)
{
    GameWindow& w = Open(HUMAN, HUMAN);
    w.Game().StartGame();
    BoardPosition p = positionFromText(X_MUST_PASS);
    p.applyMove(NO_MOVE);
    ShowPosition(w, p);
    w.Game().UpdateTurn();
    ClientArea(w)->childCount();
    EventRecorder recorder;
    w.Game().HandleSquareClick(2);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    w.Game().UpdateTurn();  // another turn update of the finished game says nothing new

    EXPECT_EQ(recorder.Announcements(),
              (std::vector<QString>{"Player 2 played C1", "Game over, Player 2 won, 3 to 0"}));
    EXPECT_EQ(recorder.Names(QAccessible::NameChanged, QAccessible::StaticText),
              (std::vector<QString>{"Player 1, human, 0 pieces, lost", "Player 2, human, 3 pieces, won"}));
    EXPECT_EQ(recorder.ChangedCells(), (std::set<QString>{"B1, light disc", "C1, light disc, last move"}));
}

TEST_F(AccessibilityTest, EndOfEachGameIsAnnounced)
{
    GameWindow& w = Open(HUMAN, HUMAN);
    ClientArea(w)->childCount();
    EventRecorder recorder;
    BoardPosition p = positionFromText(X_MUST_PASS);
    p.applyMove(NO_MOVE);
    for (int game = 0; game < 2; ++game) {
        w.Game().StartGame();
        ShowPosition(w, p);
        w.Game().HandleSquareClick(2);
        ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    }
    const std::vector<QString> said = recorder.Announcements();
    EXPECT_EQ(std::count(said.begin(), said.end(), QStringLiteral("Game over, Player 2 won, 3 to 0")), 2);
}

// The keyboard cursor's square is the focused cell: each move of the cursor
// focuses its cell, and hiding it takes the focus state away.
TEST_F(AccessibilityTest, KeyboardCursorIsTheFocusedCell)
{
    GameWindow& w = Open(HUMAN, HUMAN);
    w.Game().StartGame();
    QAccessibleInterface* client = ClientArea(w);
    QAccessibleInterface* board = client->child(0);
    w.Client()->setFocus();
    EventRecorder recorder;

    // The first press shows the cursor on 27; Up moves it to 19.
    const struct {
        int rowStep;
        int square;
    } steps[] = {{0, 27}, {-1, 19}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.square);
        w.Board().MoveKeyboardCursor(step.rowStep, 0);
        QAccessibleInterface* cell = board->child(step.square);
        EXPECT_TRUE(cell->state().focused);
        EXPECT_EQ(board->focusChild(), cell);
        EXPECT_EQ(client->focusChild(), cell);
        ASSERT_FALSE(recorder.events.empty());
        EXPECT_EQ(recorder.events.back().type, QAccessible::Focus);
        EXPECT_EQ(recorder.events.back().name, Name(cell));
    }
    EXPECT_FALSE(board->child(27)->state().focused);

    w.Board().HideKeyboardCursor();
    EXPECT_FALSE(board->child(19)->state().focused);
    EXPECT_EQ(board->focusChild(), nullptr);
    EXPECT_NE(client->focusChild(), board->child(19));
    ASSERT_FALSE(recorder.events.empty());
    EXPECT_TRUE(recorder.events.back().focusChanged);
    EXPECT_EQ(recorder.events.back().name, QStringLiteral("D3, empty, legal move"));
}

}  // namespace
