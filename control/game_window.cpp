// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/game_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <array>
#include <ctime>
#include <iterator>

#include "control/about_dialog.h"
#include "control/animation_speed.h"
#include "control/client_area.h"
#include "control/game_accessibility.h"
#include "control/game_results.h"
#include "control/game_text_messages.h"
#include "control/help_window.h"
#include "control/results_window.h"
#include "panels/move_list_window.h"
#include "platform/resources.h"
#include "platform/settings.h"
#include "platform/thread_handover.h"

using platform::LoadString;
using platform::StringId;

namespace {

const QString SETTINGS_SECTION = QStringLiteral("Settings");
const QString SETTING_NAMES[2] = {QStringLiteral("Player1Level"), QStringLiteral("Player2Level")};
constexpr int DEFAULT_KINDS[2] = {HUMAN, 3};

// Both stored kinds, from one reading of the settings. A stored kind outside
// 0 to 6, or one that is not a number, reads as the entry's default: the
// menus, the badges and the robot know only 0 to 6.
std::array<int, 2> ReadPlayerKinds()
{
    platform::SettingInt stored[2] = {{SETTING_NAMES[0], DEFAULT_KINDS[0]}, {SETTING_NAMES[1], DEFAULT_KINDS[1]}};
    platform::ReadSettingInts(platform::SettingsFilePath(), SETTINGS_SECTION, stored);
    std::array<int, 2> kinds{};
    for (int i = 0; i < 2; ++i)
        kinds[i] = IsValidPlayerKind(stored[i].value) ? stored[i].value : DEFAULT_KINDS[i];
    return kinds;
}

// The items of the Player menus, by kind.
const char* const KIND_ITEMS[7] = {
    QT_TRANSLATE_NOOP("GameWindow", "&Human"),
    QT_TRANSLATE_NOOP("GameWindow", "Robot &1 - Beginner"),
    QT_TRANSLATE_NOOP("GameWindow", "Robot &2 - Getting better"),
    QT_TRANSLATE_NOOP("GameWindow", "Robot &3 - Pretty good"),
    QT_TRANSLATE_NOOP("GameWindow", "Robot &4 - Expert"),
    QT_TRANSLATE_NOOP("GameWindow", "Robot &5 - Wizard"),
    QT_TRANSLATE_NOOP("GameWindow", "Robot &6 - Perfectionist"),
};

// The View menu's items that switch an option on and off.
struct OptionSwitch {
    int command;
    Option option;
};
constexpr OptionSwitch OPTION_SWITCHES[] = {
    {ID_LARGE_MARKS, Option::LargeMoveMarks},
    {ID_SHOW_MOVE_VALUES, Option::ShowMoveValues},
};

int FirstPlayerCommand(int side)
{
    return side == 1 ? ID_PLAYER1_FIRST : ID_PLAYER2_FIRST;
}

}  // namespace

GameWindow::GameWindow(uint32_t robotSeed)
    : client_(new ClientArea(this)), game_(robotSeed),
      boardView_(game_, Target(), [this](int square) { game_.HandleSquareClick(square); }),
      panel1_(1, game_, Target(), backgroundColour_), panel2_(2, game_, Target(), backgroundColour_),
      options_(Options::Read()), results_(std::make_unique<GameResults>(game_))
{
    game_.Attach(*this, boardView_, panel1_, panel2_);
    LoadScreenResources();
    setWindowTitle(LoadString(StringId::ProgramName));
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, backgroundColour_);
    client_->setPalette(palette);
    setCentralWidget(client_);
    BuildMenus();
    ApplyOptions();
    connect(&game_, &GameController::TurnUpdated, this, &GameWindow::FollowTurnWithFrame);

    startClearButton_ = new QPushButton(LoadString(StringId::StartGame), client_);
    passButton_ = new QPushButton(LoadString(StringId::Pass), client_);
    for (QPushButton* button : {startClearButton_, passButton_}) {
        button->setGeometry(1, 1, 24, 24);
        // The client area's disc and working cursors belong to the board and
        // the panels; over a button the pointer is the normal arrow, also
        // while the button is disabled and shows the client area's cursor.
        button->setCursor(Qt::ArrowCursor);
        client_->KeepArrowOver(button);
        button->hide();
    }
    passButton_->setEnabled(false);
    connect(startClearButton_, &QPushButton::clicked, this, [this] { OnCommand(ID_START_CLEAR_BUTTON); });
    connect(passButton_, &QPushButton::clicked, this, [this] { OnCommand(ID_PASS_BUTTON); });

    const std::array<int, 2> kinds = ReadPlayerKinds();
    // The kinds equal those stored, so this only puts the radio marks.
    game_.SetPlayerKind(1, kinds[0]);
    game_.SetPlayerKind(2, kinds[1]);
    game_.UpdateTurn();
    accessibility_ = std::make_unique<GameAccessibility>(*this);
    connect(&picturePreparation_, &QTimer::timeout, this, [this] {
        std::lock_guard lock(game_.DrawingLock());
        if (!boardView_.PrepareNextPicture())
            picturePreparation_.stop();
    });

    QApplication::instance()->installEventFilter(this);
}

GameWindow::~GameWindow()
{
    QApplication::instance()->removeEventFilter(this);
    // The views and the panels go before the game: stop every task first,
    // so that no animation draws through them any more. What assistive
    // technology reads of them goes too.
    game_.AbandonAll();
    accessibility_.reset();
}

platform::WindowSurface& GameWindow::Surface()
{
    return client_->Surface();
}

DrawingTarget GameWindow::Target()
{
    return DrawingTarget{&game_.DrawingLock(), &client_->Surface()};
}

QAction* GameWindow::CommandAction(int id) const
{
    const auto found = commands_.find(id);
    return found == commands_.end() ? nullptr : found->second;
}

// ---------------------------------------------------------------------------
// Menus and commands

QAction* GameWindow::AddCommand(QMenu* menu, int id, const QString& text, const QKeySequence& key)
{
    QAction* action = menu->addAction(text);
    if (!key.isEmpty())
        action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    commands_[id] = action;
    return action;
}

void GameWindow::BuildMenus()
{
    //: Menu. In the menu bar and in each menu, every text has a mnemonic (the
    //: letter after the &) of its own.
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    AddCommand(game, ID_START_GAME, tr("&Start Game\tF2"), QKeySequence(Qt::Key_F2));
    //: After the tab: the key, as the keyboards of your language name it.
    AddCommand(game, ID_CLEAR_GAME, tr("&Clear Game\tCtrl-F2"), QKeySequence(Qt::CTRL | Qt::Key_F2));
    AddCommand(game, ID_UNDO_MOVE, tr("&Undo Move\tCtrl+Z"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    AddCommand(game, ID_REDO_MOVE, tr("&Redo Move\tCtrl+Shift+Z"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    AddCommand(game, ID_HINT, tr("&Hint\tH"), QKeySequence(Qt::Key_H));
    AddCommand(game, ID_PASS, tr("&Pass\tP"), QKeySequence(Qt::Key_P));
    game->addSeparator();
    AddCommand(game, ID_OPEN_GAME, tr("&Open Game…\tCtrl+O"), QKeySequence(Qt::CTRL | Qt::Key_O));
    //: The mnemonic is not S, C or P here: those are Start Game's, Clear Game's
    //: and Pass's.
    AddCommand(game, ID_SAVE_GAME, tr("Save Game &As…\tCtrl+S"), QKeySequence(Qt::CTRL | Qt::Key_S));
    AddCommand(game, ID_COPY_GAME, tr("Cop&y Game\tCtrl+C"), QKeySequence(Qt::CTRL | Qt::Key_C));
    AddCommand(game, ID_PASTE_GAME, tr("Pas&te Game\tCtrl+V"), QKeySequence(Qt::CTRL | Qt::Key_V));
    game->addSeparator();
    AddCommand(game, ID_EXIT, tr("E&xit"));
    // A second key for Exit, which the menu does not show.
    auto* exitKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(exitKey, &QShortcut::activated, this, [this] { OnCommand(ID_EXIT); });
    // The enable rules are evaluated whenever the menu opens.
    connect(game, &QMenu::aboutToShow, this, &GameWindow::RefreshCommandStates);

    for (int side = 1; side <= 2; ++side) {
        QMenu* menu = menuBar()->addMenu(side == 1 ? tr("Player &1") : tr("Player &2"));
        playerGroups_[side - 1] = new QActionGroup(this);
        playerGroups_[side - 1]->setExclusive(true);
        for (int kind = HUMAN; kind <= HIGHEST_ROBOT_LEVEL; ++kind) {
            QAction* action = AddCommand(menu, FirstPlayerCommand(side) + kind, tr(KIND_ITEMS[kind]));
            action->setCheckable(true);
            playerGroups_[side - 1]->addAction(action);
        }
    }

    BuildViewMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    AddCommand(help, ID_HELP_CONTENTS, tr("&Help Contents\tF1"), QKeySequence(Qt::Key_F1));
    help->addSeparator();
    AddCommand(help, ID_ABOUT, tr("&About Quellix"));
    MakeMoveList();
}

void GameWindow::BuildViewMenu()
{
    QMenu* view = menuBar()->addMenu(tr("&View"));
    AddCommand(view, ID_MOVE_LIST, tr("Move &List\tCtrl+L"), QKeySequence(Qt::CTRL | Qt::Key_L))->setCheckable(true);
    AddCommand(view, ID_CONTINUE_FROM_HERE, tr("&Continue from Here"));
    view->addSeparator();
    AddCommand(view, ID_SHOW_MOVE_VALUES, tr("Show Move &Values\tV"), QKeySequence(Qt::Key_V))->setCheckable(true);
    //: The mnemonic is not L: that is Move List's.
    AddCommand(view, ID_LARGE_MARKS, tr("Large Move &Marks"))->setCheckable(true);
    QMenu* speed = view->addMenu(tr("Animation &Speed"));
    auto* speeds = new QActionGroup(this);
    speeds->setExclusive(true);
    //: The speeds of the move animation: as always, every pause halved, no animation.
    for (const char* text : {QT_TR_NOOP("&Normal"), QT_TR_NOOP("&Fast"), QT_TR_NOOP("&Instant")}) {
        QAction* action = AddCommand(speed, ID_SPEED_FIRST + static_cast<int>(speeds->actions().size()), tr(text));
        action->setCheckable(true);
        speeds->addAction(action);
    }
    view->addSeparator();
    AddCommand(view, ID_RESULTS, tr("&Results"));
    connect(view, &QMenu::aboutToShow, this, &GameWindow::RefreshCommandStates);
}

void GameWindow::MakeMoveList()
{
    moveList_ = new MoveListWindow(this);
    // The game's keys work from the list's window too.
    for (const auto& [id, action] : commands_)
        if (!action->shortcuts().isEmpty())
            moveList_->addAction(action);
    connect(moveList_, &MoveListWindow::PlyChosen, this, [this](int ply) { game_.ReviewPly(ply); });
    connect(moveList_, &MoveListWindow::ContinueRequested, this, [this] { OnCommand(ID_CONTINUE_FROM_HERE); });
    connect(moveList_, &MoveListWindow::VisibilityChanged, this, [this](bool shown) {
        commands_[ID_MOVE_LIST]->setChecked(shown);
        // Closing the list ends a look back: the board shows the end again.
        if (!shown)
            game_.ReviewPly(game_.Record().size());
        else
            RefreshMoveList();
    });
    connect(&game_, &GameController::TurnUpdated, this, &GameWindow::RefreshMoveList);
}

void GameWindow::RefreshMoveList()
{
    if (!moveList_->isVisible())
        return;
    const int plies = game_.Phase() == GamePhase::NoGame ? 0 : game_.ShownPly();
    const bool browsable = game_.CanReview();
    moveList_->ShowRecord(game_.Record(), browsable ? game_.Record().size() : plies, plies, browsable,
                          game_.CanContinueFromHere());
}

void GameWindow::ShowMoveList(bool shown)
{
    if (shown == moveList_->isVisible())
        return;
    if (shown) {
        moveList_->PlaceBeside(*this);
        moveList_->show();
    } else {
        moveList_->hide();
    }
}

bool GameWindow::ChooseOption(int id)
{
    if (id >= ID_SPEED_FIRST && id <= ID_SPEED_LAST) {
        options_.Set(Option::AnimationSpeed, id - ID_SPEED_FIRST);
    } else {
        const auto* item = std::find_if(std::begin(OPTION_SWITCHES), std::end(OPTION_SWITCHES),
                                        [id](const OptionSwitch& known) { return known.command == id; });
        if (item == std::end(OPTION_SWITCHES))
            return false;
        options_.Set(item->option, CommandAction(id)->isChecked() ? 1 : 0);
    }
    ApplyOptions();
    return true;
}

void GameWindow::ApplyOptions()
{
    const int speed = options_.Value(Option::AnimationSpeed);
    boardView_.SetLargeMarks(options_.IsOn(Option::LargeMoveMarks));
    game_.SetShowMoveValues(options_.IsOn(Option::ShowMoveValues));
    SetAnimationSpeed(static_cast<AnimationSpeed>(speed));
    for (const OptionSwitch& item : OPTION_SWITCHES)
        CommandAction(item.command)->setChecked(options_.IsOn(item.option));
    CommandAction(ID_SPEED_FIRST + speed)->setChecked(true);
}

bool GameWindow::IsCommandEnabled(int id) const
{
    if (id == ID_START_GAME)
        return game_.CanStartGame();
    if (id == ID_CLEAR_GAME)
        return game_.CanClearGame();
    if (id == ID_UNDO_MOVE)
        return game_.CanUndoMove();
    if (id == ID_REDO_MOVE)
        return game_.CanRedoMove();
    if (id == ID_CONTINUE_FROM_HERE)
        return game_.CanContinueFromHere();
    if (id == ID_SAVE_GAME || id == ID_COPY_GAME)
        return game_.Phase() != GamePhase::NoGame;
    if (id == ID_HINT)
        return game_.CanShowHint();
    // The Pass button is enabled exactly when a human must pass.
    if (id == ID_PASS)
        return passButton_->isEnabled();
    return true;
}

void GameWindow::RefreshCommandStates()
{
    for (int id : {ID_START_GAME, ID_CLEAR_GAME, ID_UNDO_MOVE, ID_REDO_MOVE, ID_HINT, ID_PASS, ID_SAVE_GAME,
                   ID_COPY_GAME, ID_CONTINUE_FROM_HERE})
        commands_[id]->setEnabled(IsCommandEnabled(id));
}

void GameWindow::OnCommand(int id)
{
    // Any command ends the hint's blink at once.
    game_.EndHintBlink();
    if (!IsCommandEnabled(id))
        return;
    if (id >= ID_PLAYER1_FIRST && id < 500) {
        const int side = id < ID_PLAYER2_FIRST ? 1 : 2;
        const int kind = id - FirstPlayerCommand(side);
        if (IsValidPlayerKind(kind)) {
            game_.SetPlayerKind(side, kind);
            // A choice made in the menus is kept at once, so that it survives
            // however the program ends.
            SavePlayerKinds();
        }
        return;
    }
    if (ChooseOption(id))
        return;
    switch (id) {
    case ID_EXIT:
        close();
        break;
    case ID_START_GAME:
        game_.StartGame();
        break;
    case ID_CLEAR_GAME:
        game_.ClearGame();
        break;
    case ID_UNDO_MOVE:
        game_.UndoMove();
        break;
    case ID_REDO_MOVE:
        game_.RedoMove();
        break;
    case ID_MOVE_LIST:
        ShowMoveList(!moveList_->isVisible());
        break;
    case ID_CONTINUE_FROM_HERE:
        game_.ContinueFromHere();
        break;
    case ID_OPEN_GAME:
        ChooseGameToOpen();
        break;
    case ID_SAVE_GAME:
        ChooseFileToSave();
        break;
    case ID_COPY_GAME:
        CopyGame();
        break;
    case ID_PASTE_GAME:
        PasteGame();
        break;
    case ID_HINT:
        game_.ShowHint();
        break;
    case ID_ABOUT:
        ShowAbout();
        break;
    case ID_HELP_CONTENTS:
        ShowHelp();
        break;
    case ID_START_CLEAR_BUTTON:
        if (game_.Phase() == GamePhase::NoGame)
            game_.StartGame();
        else
            game_.ClearGame();
        break;
    case ID_PASS:
    case ID_PASS_BUTTON:
        game_.PassTurn();
        break;
    case ID_RESULTS:
        ResultsWindow::ShowFor(this, *results_);
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

// ---------------------------------------------------------------------------
// Keys and clicks

bool GameWindow::eventFilter(QObject* watched, QEvent* e)
{
    // Every event passes here, also those that the tasks post from their
    // threads: take it over before reading it.
    platform::TakeOver(e);
    switch (e->type()) {
    case QEvent::Polish:
        // A menu is a window of its own, made each time it opens, and would
        // hand the program's icon to the window system every time. Menus
        // show no icon, so every menu carries none from before its first
        // opening: the menu bar's, its overflow's and those of text fields.
        if (auto* menu = qobject_cast<QMenu*>(watched))
            menu->setWindowIcon(QIcon());
        break;
    case QEvent::ShortcutOverride:
        // A key is matched with the commands' keys after this: the rules
        // decide first whether each command is on.
        RefreshCommandStates();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        game_.EndHintBlink();
        break;
    case QEvent::KeyPress:
        game_.EndHintBlink();
        if (BoardKeysActive() && HandleBoardKey(*static_cast<QKeyEvent*>(e))) {
            e->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, e);
}

bool GameWindow::BoardKeysActive() const
{
    // A menu bar that the keyboard walks (after Alt) has the focus.
    return isActiveWindow() && QApplication::activePopupWidget() == nullptr &&
           QApplication::activeModalWidget() == nullptr &&
           qobject_cast<QMenuBar*>(QApplication::focusWidget()) == nullptr;
}

bool GameWindow::HandleBoardKey(const QKeyEvent& key)
{
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (key.key()) {
    case Qt::Key_Up:
        boardView_.MoveKeyboardCursor(-1, 0);
        return true;
    case Qt::Key_Down:
        boardView_.MoveKeyboardCursor(1, 0);
        return true;
    case Qt::Key_Left:
        boardView_.MoveKeyboardCursor(0, -1);
        return true;
    case Qt::Key_Right:
        boardView_.MoveKeyboardCursor(0, 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Without the cursor the keys keep their usual meaning.
        if (boardView_.KeyboardCursor() == engine::NO_MOVE)
            return false;
        game_.HandleSquareClick(boardView_.KeyboardCursor());
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------
// The window's side of the turn flow

void GameWindow::FollowTurnWithFrame()
{
    if (game_.Phase() != GamePhase::Running || IsRobot(game_.PlayerKind(game_.SideToMove())))
        boardView_.HideKeyboardCursor();
}

bool GameWindow::AskQuestion(StringId text, StringId caption)
{
    return Ask(LoadString(text), LoadString(caption));
}

bool GameWindow::Ask(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel, this);
    return box.exec() == QMessageBox::Ok;
}

// ---------------------------------------------------------------------------
// Games as text

namespace {

// The players as a GGF record names them.
std::string GgfPlayerName(int kind)
{
    return IsRobot(kind) ? "Robot " + std::to_string(kind) : std::string("Human");
}

// The folder the last game was opened from or saved to, for the next dialog.
QString& GameFolder()
{
    static QString folder = QDir::homePath();
    return folder;
}

}  // namespace

void GameWindow::ChooseGameToOpen()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Game"), GameFolder(),
                                                      tr("Games (*.ggf *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    GameFolder() = QFileInfo(path).absolutePath();
    OpenGameFile(path);
}

bool GameWindow::OpenGameFile(const QString& path)
{
    const engine::ReadResult read = engine::readGameFile(std::filesystem::path(QFile::encodeName(path).toStdString()));
    return TakeGame(read, tr("Open Game"), QDir::toNativeSeparators(path));
}

bool GameWindow::PasteGame()
{
    const engine::ReadResult read = engine::readGame(QGuiApplication::clipboard()->text().toStdString());
    return TakeGame(read, tr("Paste Game"), tr("The text on the clipboard"));
}

bool GameWindow::TakeGame(const engine::ReadResult& read, const QString& title, const QString& source)
{
    if (!read.ok()) {
        //: %1 a file's name or "The text on the clipboard".
        QMessageBox::warning(this, title, tr("%1 is not a game that Quellix can read.").arg(source) + u'\n' +
                                              ReadErrorText(read.error));
        return false;
    }
    if (game_.Phase() == GamePhase::Running &&
        !Ask(tr("Are you sure you want to end this game and play on from the one read?"), tr("End this game?")))
        return false;
    game_.LoadRecord(read.record);
    return true;
}

void GameWindow::ChooseFileToSave()
{
    QFileDialog dialog(this, tr("Save Game As"), GameFolder(), tr("GGF games (*.ggf);;All files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("ggf"));
    dialog.selectFile(QDate::currentDate().toString(QStringLiteral("'quellix-'yyyy-MM-dd'.ggf'")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    GameFolder() = QFileInfo(path).absolutePath();
    SaveGameTo(path);
}

bool GameWindow::SaveGameTo(const QString& path)
{
    const engine::GameInfo info{GgfPlayerName(game_.PlayerKind(1)), GgfPlayerName(game_.PlayerKind(2)),
                                engine::ggfDate(std::time(nullptr)), {}};
    std::string error;
    if (engine::writeFileAtomically(std::filesystem::path(QFile::encodeName(path).toStdString()),
                                    engine::writeGgf(game_.PlayedRecord(), info), error))
        return true;
    //: %1 the file's name, %2 the reason the system gives.
    const QString message = tr("The game could not be saved to %1:\n%2");
    QMessageBox::warning(this, tr("Save Game As"),
                         message.arg(QDir::toNativeSeparators(path), QString::fromStdString(error)));
    return false;
}

void GameWindow::CopyGame()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(engine::formatGameText(game_.PlayedRecord())));
}

void GameWindow::MarkPlayerKind(int side, int kind)
{
    if (QAction* item = CommandAction(FirstPlayerCommand(side) + kind))
        item->setChecked(true);
}

void GameWindow::SetStartClearCaption(StringId caption)
{
    startClearButton_->setText(LoadString(caption));
}

void GameWindow::ShowTurn(bool passEnabled, bool gameRunning)
{
    passButton_->setEnabled(passEnabled);
    // The focus goes to what the player acts with next, but a press of the
    // first button that is still going on keeps it.
    if (passEnabled)
        passButton_->setFocus();
    else if (!gameRunning)
        startClearButton_->setFocus();
    else if (!startClearButton_->isDown())
        client_->setFocus();
    RefreshCommandStates();
}

void GameWindow::SetCursorMode(int mode)
{
    cursorMode_ = mode;
    ApplyCursor();
}

void GameWindow::LoadScreenResources()
{
    ++screenResourceLoads_;
    const bool doubled = platform::UsesDoubleResolution(Surface().Ratio());
    blackCursor_ = platform::LoadCursorResource(QStringLiteral("BLACKCUR"), doubled);
    whiteCursor_ = platform::LoadCursorResource(QStringLiteral("WHITECUR"), doubled);
    // Set for the whole program, where every window (dialogs, the help and
    // the lists) takes it from; set again on a screen of another ratio, for
    // which the window system wants it drawn anew.
    QApplication::setWindowIcon(platform::LoadProgramIcon());
    if (cursorMode_ == CURSOR_PLAYER1 || cursorMode_ == CURSOR_PLAYER2)
        ApplyCursor();
}

void GameWindow::ApplyCursor()
{
    // The cursor belongs to the client area only: over the buttons, the frame
    // and the menu the platform keeps its own.
    switch (cursorMode_) {
    case CURSOR_PLAYER1:
        client_->SetAreaCursor(blackCursor_);
        break;
    case CURSOR_PLAYER2:
        client_->SetAreaCursor(whiteCursor_);
        break;
    case CURSOR_WORKING:
        client_->SetAreaCursor(Qt::BusyCursor);
        break;
    default:
        client_->SetAreaCursor(Qt::ArrowCursor);
        break;
    }
}

// ---------------------------------------------------------------------------
// Palette changes and closing

bool GameWindow::event(QEvent* e)
{
    if (e->type() == QEvent::ApplicationPaletteChange)
        UpdateLayout();
    return QMainWindow::event(e);
}

void GameWindow::closeEvent(QCloseEvent* e)
{
    if (game_.Phase() == GamePhase::Running && !AskQuestion(StringId::ExitQuestion, StringId::ExitCaption)) {
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
    game_.AbandonAll();
    SavePlayerKinds();
    HelpWindow::CloseFor(this);
    if (auto* results = findChild<ResultsWindow*>(QString(), Qt::FindDirectChildrenOnly))
        results->close();
}

void GameWindow::SavePlayerKinds() const
{
    const platform::SettingInt kinds[2] = {{SETTING_NAMES[0], game_.PlayerKind(1)},
                                           {SETTING_NAMES[1], game_.PlayerKind(2)}};
    platform::WriteSettingInts(platform::SettingsFilePath(), SETTINGS_SECTION, kinds);
}

// ---------------------------------------------------------------------------
// Layout and painting

platform::Rect GameWindow::ClientRect() const
{
    const QSize size = client_->Surface().Size();
    return {0, 0, size.width(), size.height()};
}

void GameWindow::PlaceButtons(const WindowLayout& layout)
{
    // The buttons are widgets: they go where their device rectangles show.
    const platform::WindowSurface& surface = client_->Surface();
    startClearButton_->setGeometry(surface.ToLogical(layout.startClearButton.ToQRect()));
    passButton_->setGeometry(surface.ToLogical(layout.passButton.ToQRect()));
}

void GameWindow::UpdateLayout()
{
    platform::DrawingContext* context = nullptr;
    DrawingContextGuard guard(context, Target());
    const qreal ratio = client_->Surface().Ratio();
    layout_ = ComputeWindowLayout(ClientRect());
    PlaceButtons(layout_);
    boardView_.Relayout(context, layout_.board, ratio);
    panel1_.Layout(context, layout_.panel1, ratio);
    panel2_.Layout(context, layout_.panel2, ratio);
    picturePreparation_.start(0);
}

void GameWindow::PlaceForPaint()
{
    layout_ = ComputeWindowLayout(ClientRect());
    PlaceButtons(layout_);
}

void GameWindow::PaintClientArea(platform::DrawingContext& context)
{
    const platform::Rect client = ClientRect();
    const platform::Rect& b = layout_.board;
    context.FillRect({client.left, client.top, b.left, client.bottom}, backgroundColour_);
    context.FillRect({b.left, client.top, b.right, b.top}, backgroundColour_);
    context.FillRect({b.left, b.bottom, b.right, client.bottom}, backgroundColour_);
    context.FillRect({b.right, client.top, client.right, client.bottom}, backgroundColour_);
    platform::DrawingContext* paintContext = &context;
    boardView_.Repaint(paintContext);
    panel1_.EnableAndPaint(paintContext);
    panel2_.EnableAndPaint(paintContext);
}

void GameWindow::ShowButtons()
{
    startClearButton_->show();
    passButton_->show();
}
