#include "control/game_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <array>

#include "board/drawing_context_guard.h"
#include "control/about_dialog.h"
#include "control/client_area.h"
#include "control/help_window.h"
#include "platform/resources.h"
#include "platform/settings.h"
#include "platform/shared_value.h"
#include "platform/window_message.h"

using platform::LoadShared;
using platform::LoadString;

GameWindow* gameWindow = nullptr;

namespace {

const QString SETTINGS_SECTION = QStringLiteral("Settings");
const QString SETTING_NAMES[2] = {QStringLiteral("Player1Level"), QStringLiteral("Player2Level")};
constexpr int DEFAULT_KINDS[2] = {0, 3};

// Both stored kinds, from one reading of the settings. A stored kind outside
// 0 to 6, or one that is not a number, reads as the entry's default: the
// menus, the badges and the robot know only 0 to 6.
std::array<int, 2> ReadPlayerKinds()
{
    platform::SettingInt stored[2] = {{SETTING_NAMES[0], DEFAULT_KINDS[0]}, {SETTING_NAMES[1], DEFAULT_KINDS[1]}};
    platform::ReadSettingInts(platform::SettingsFilePath(), SETTINGS_SECTION, stored);
    std::array<int, 2> kinds{};
    for (int i = 0; i < 2; ++i)
        kinds[i] = stored[i].value >= 0 && stored[i].value <= 6 ? stored[i].value : DEFAULT_KINDS[i];
    return kinds;
}

const char* const KIND_ITEMS[7] = {
    "&Human",
    "Robot &1 - Beginner",
    "Robot &2 - Getting better",
    "Robot &3 - Pretty good",
    "Robot &4 - Expert",
    "Robot &5 - Wizard",
    "Robot &6 - Perfectionist",
};

}  // namespace

GameWindow::GameWindow()
{
    gameWindow = this;
    blackCursor = platform::LoadCursorResource(QStringLiteral("BLACKCUR"));
    whiteCursor = platform::LoadCursorResource(QStringLiteral("WHITECUR"));

    setWindowIcon(platform::LoadProgramIcon());
    setWindowTitle(LoadString(14));
    client_ = new ClientArea(this);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, backgroundColour);
    client_->setPalette(palette);
    setCentralWidget(client_);
    BuildMenus();

    startClearButton = new QPushButton(LoadString(9), client_);
    passButton = new QPushButton(LoadString(10), client_);
    for (QPushButton* button : {startClearButton, passButton}) {
        button->setGeometry(1, 1, 24, 24);
        button->hide();
    }
    passButton->setEnabled(false);
    connect(startClearButton, &QPushButton::clicked, this, [this] { OnCommand(ID_START_CLEAR_BUTTON); });
    connect(passButton, &QPushButton::clicked, this, [this] { OnCommand(ID_PASS_BUTTON); });

    const std::array<int, 2> kinds = ReadPlayerKinds();
    playerKind[0] = kinds[0];
    playerKind[1] = kinds[1];
    SetPlayerKind(1, kinds[0]);
    SetPlayerKind(2, kinds[1]);
    UpdateTurn();
}

GameWindow::~GameWindow()
{
    // Normally the close handler has stopped both tasks already; a window
    // destroyed without closing must not leave a thread behind either.
    AbandonAll();
}

platform::WindowSurface& GameWindow::Surface()
{
    return client_->Surface();
}

QAction* GameWindow::CommandAction(int id) const
{
    const auto found = commands_.find(id);
    return found == commands_.end() ? nullptr : found->second;
}

// ---------------------------------------------------------------------------
// Menus and commands

void GameWindow::BuildMenus()
{
    auto addCommand = [this](QMenu* menu, int id, const QString& text, const QKeySequence& key = {}) {
        QAction* action = menu->addAction(text);
        if (!key.isEmpty())
            action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        commands_[id] = action;
        return action;
    };

    QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
    addCommand(game, ID_START_GAME, QStringLiteral("&Start Game\tF2"), QKeySequence(Qt::Key_F2));
    addCommand(game, ID_CLEAR_GAME, QStringLiteral("&Clear Game\tCtrl-F2"), QKeySequence(Qt::CTRL | Qt::Key_F2));
    game->addSeparator();
    addCommand(game, ID_EXIT, QStringLiteral("E&xit"));
    // The enable rules are evaluated whenever the menu opens.
    connect(game, &QMenu::aboutToShow, this, &GameWindow::RefreshCommandStates);

    for (int side = 1; side <= 2; ++side) {
        QMenu* menu = menuBar()->addMenu(side == 1 ? QStringLiteral("Player &1") : QStringLiteral("Player &2"));
        playerGroups_[side - 1] = new QActionGroup(this);
        playerGroups_[side - 1]->setExclusive(true);
        const int first = side == 1 ? ID_PLAYER1_FIRST : ID_PLAYER2_FIRST;
        for (int kind = 0; kind <= 6; ++kind) {
            QAction* action = addCommand(menu, first + kind, QString::fromUtf8(KIND_ITEMS[kind]));
            action->setCheckable(true);
            playerGroups_[side - 1]->addAction(action);
        }
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addCommand(help, ID_HELP_CONTENTS, QStringLiteral("&Help Contents\tF1"), QKeySequence(Qt::Key_F1));
    help->addSeparator();
    addCommand(help, ID_ABOUT, QStringLiteral("&About Quellix"));
}

bool GameWindow::IsCommandEnabled(int id) const
{
    const int side = LoadShared(displayedPosition.sideToMove);
    if (id == ID_START_GAME)
        return side < 1;
    if (id == ID_CLEAR_GAME)
        return side != NO_GAME;
    return true;
}

void GameWindow::RefreshCommandStates()
{
    for (int id : {ID_START_GAME, ID_CLEAR_GAME})
        commands_[id]->setEnabled(IsCommandEnabled(id));
}

void GameWindow::OnCommand(int id)
{
    if (!IsCommandEnabled(id))
        return;
    if (id >= ID_PLAYER1_FIRST && id < 500) {
        const int side = id < ID_PLAYER2_FIRST ? 1 : 2;
        const int kind = id - (side == 1 ? ID_PLAYER1_FIRST : ID_PLAYER2_FIRST);
        if (kind >= 0 && kind <= 6) {
            SetPlayerKind(side, kind);
            // A choice made in the menus is kept at once, so that it survives
            // however the program ends.
            SavePlayerKinds();
        }
        return;
    }
    switch (id) {
    case ID_EXIT:
        close();
        break;
    case ID_START_GAME:
        StartGame();
        break;
    case ID_CLEAR_GAME:
        ClearGame();
        break;
    case ID_ABOUT:
        ShowAbout();
        break;
    case ID_HELP_CONTENTS:
        ShowHelp();
        break;
    case ID_START_CLEAR_BUTTON:
        if (LoadShared(displayedPosition.sideToMove) == NO_GAME)
            StartGame();
        else
            ClearGame();
        break;
    case ID_PASS_BUTTON:
        PassTurn();
        break;
    default:
        break;
    }
}

void GameWindow::ShowAbout()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void GameWindow::ShowHelp()
{
    HelpWindow::ShowFor(this);
}

bool GameWindow::AskQuestion(int textId, int captionId)
{
    QMessageBox box(QMessageBox::Question, LoadString(captionId), LoadString(textId),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    return box.exec() == QMessageBox::Ok;
}

// ---------------------------------------------------------------------------
// Cursors

void GameWindow::SetCursorMode(int mode)
{
    cursorMode = mode;
    ApplyCursor();
}

void GameWindow::ApplyCursor()
{
    // The cursor belongs to the client area only: over the buttons, the frame
    // and the menu the platform keeps its own.
    switch (cursorMode) {
    case CURSOR_PLAYER1:
        client_->setCursor(blackCursor);
        break;
    case CURSOR_PLAYER2:
        client_->setCursor(whiteCursor);
        break;
    case CURSOR_WORKING:
        client_->setCursor(Qt::BusyCursor);
        break;
    default:
        client_->setCursor(Qt::ArrowCursor);
        break;
    }
}

// ---------------------------------------------------------------------------
// Messages and closing

bool GameWindow::event(QEvent* e)
{
    if (const auto* message = platform::ReceivedWindowMessage(e, WM_ANIMATION_DONE)) {
        OnAnimationDone(message->wParam);
        return true;
    }
    if (const auto* message = platform::ReceivedWindowMessage(e, WM_ROBOT_MOVE)) {
        OnRobotMove(message->wParam, message->lParam);
        return true;
    }
    if (e->type() == QEvent::ApplicationPaletteChange)
        UpdateLayout();
    return QMainWindow::event(e);
}

void GameWindow::closeEvent(QCloseEvent* e)
{
    if (LoadShared(displayedPosition.sideToMove) >= 1 && !AskQuestion(17, 18)) {
        e->ignore();
        return;
    }
    StopTasksAndSave();
    e->accept();
}

void GameWindow::StopTasksAndSave()
{
    // The tasks first: saving may wait for another writer of the settings,
    // and no task may run on meanwhile.
    AbandonAll();
    SavePlayerKinds();
    HelpWindow::CloseFor(this);
}

void GameWindow::SavePlayerKinds() const
{
    const platform::SettingInt kinds[2] = {{SETTING_NAMES[0], PlayerKindOf(1)}, {SETTING_NAMES[1], PlayerKindOf(2)}};
    platform::WriteSettingInts(platform::SettingsFilePath(), SETTINGS_SECTION, kinds);
}

// ---------------------------------------------------------------------------
// Layout and painting

// Stores the rectangles; the caller holds drawingLock, since the animation
// thread reads boardRect when it draws a frame.
void GameWindow::StoreLayout(const WindowLayout& layout)
{
    boardRect = layout.board;
    panelRect1 = layout.panel1;
    panelRect2 = layout.panel2;
}

void GameWindow::PlaceButtons(const WindowLayout& layout)
{
    startClearButton->setGeometry(layout.startClearButton.ToQRect());
    passButton->setGeometry(layout.passButton.ToQRect());
}

void GameWindow::UpdateLayout()
{
    platform::DrawingContext* context = nullptr;
    DrawingContextGuard guard(context, this);
    const WindowLayout layout = ComputeWindowLayout(platform::Rect::FromQRect(client_->rect()));
    StoreLayout(layout);
    PlaceButtons(layout);
    boardView.Relayout(context);
    panel1.Layout(context, panelRect1);
    panel2.Layout(context, panelRect2);
}

void GameWindow::PlaceForPaint()
{
    const WindowLayout layout = ComputeWindowLayout(platform::Rect::FromQRect(client_->rect()));
    {
        std::lock_guard lock(drawingLock);
        StoreLayout(layout);
    }
    PlaceButtons(layout);
}

void GameWindow::PaintClientArea(platform::DrawingContext& context)
{
    const platform::Rect client = platform::Rect::FromQRect(client_->rect());
    const platform::Rect& b = boardRect;
    context.FillRect({client.left, client.top, b.left, client.bottom}, backgroundColour);
    context.FillRect({b.left, client.top, b.right, b.top}, backgroundColour);
    context.FillRect({b.left, b.bottom, b.right, client.bottom}, backgroundColour);
    context.FillRect({b.right, client.top, client.right, client.bottom}, backgroundColour);
    platform::DrawingContext* paintContext = &context;
    boardView.Repaint(paintContext);
    panel1.EnableAndPaint(paintContext);
    panel2.EnableAndPaint(paintContext);
}

void GameWindow::ShowButtons()
{
    startClearButton->show();
    passButton->show();
}
