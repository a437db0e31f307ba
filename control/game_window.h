// SPDX-License-Identifier: GPL-3.0-or-later
// The one main window: the Qt shell around the game. It owns the game
// controller, the board view, the two panels, the buttons, the menus and the
// cursors; it lays out and paints the client area and asks the questions.
#pragma once

#include <QColor>
#include <QCursor>
#include <QKeySequence>
#include <QMainWindow>
#include <QTimer>
#include <map>
#include <memory>

#include "board/board_view.h"
#include "engine/game_text.h"
#include "control/game_controller.h"
#include "control/options.h"
#include "panels/player_panel.h"
#include "panels/window_layout.h"
#include "platform/drawing_context.h"
#include "platform/window_surface.h"

class QAction;
class QActionGroup;
class QKeyEvent;
class QMenu;
class QPushButton;
class ClientArea;
class GameAccessibility;
class MoveListWindow;
class GameResults;

// Command ids of the menus, the accelerators and the buttons.
inline constexpr int ID_EXIT = 100;
inline constexpr int ID_START_GAME = 101;
inline constexpr int ID_CLEAR_GAME = 102;
inline constexpr int ID_UNDO_MOVE = 103;
inline constexpr int ID_HINT = 104;
inline constexpr int ID_REDO_MOVE = 105;
inline constexpr int ID_OPEN_GAME = 106;
inline constexpr int ID_SAVE_GAME = 107;
inline constexpr int ID_COPY_GAME = 108;
inline constexpr int ID_PASTE_GAME = 109;
inline constexpr int ID_MOVE_LIST = 110;
inline constexpr int ID_CONTINUE_FROM_HERE = 111;
inline constexpr int ID_PASS = 112;
inline constexpr int ID_LARGE_MARKS = 120;
inline constexpr int ID_SPEED_FIRST = 121;  // by AnimationSpeed: normal, fast, instant
inline constexpr int ID_SPEED_LAST = 123;
inline constexpr int ID_RESULTS = 125;
inline constexpr int ID_SHOW_MOVE_VALUES = 126;
inline constexpr int ID_ABOUT = 190;
inline constexpr int ID_START_CLEAR_BUTTON = 200;
inline constexpr int ID_PASS_BUTTON = 201;
inline constexpr int ID_PLAYER1_FIRST = 300;
inline constexpr int ID_PLAYER2_FIRST = 400;
inline constexpr int ID_HELP_CONTENTS = 57666;

class GameWindow : public QMainWindow, private GameShell {
    Q_OBJECT

public:
    // A window on a cleared board with the players' kinds from the settings;
    // the robot draws its random numbers from `robotSeed`.
    explicit GameWindow(uint32_t robotSeed = 0);
    ~GameWindow() override;

    GameController& Game() { return game_; }
    const GameController& Game() const { return game_; }
    BoardView& Board() { return boardView_; }
    PlayerPanel& Panel(int side) { return side == 1 ? panel1_ : panel2_; }
    GameResults& Results() { return *results_; }

    // --- Settings and ending (window thread) ---
    // Both players' kinds in one write of the settings; a failure is not
    // reported and the program goes on.
    void SavePlayerKinds() const;
    // The end of the program, with or without the exit question before it:
    // abandons the tasks, then saves the kinds and closes the help window.
    void StopTasksAndSave();

    // --- Commands and cursors ---
    void OnCommand(int id);
    bool IsCommandEnabled(int id) const;
    // Greys or enables Start Game, Clear Game, Undo Move, Hint and Pass by
    // their rules, so that a greyed command's key does nothing either.
    void RefreshCommandStates();
    QAction* CommandAction(int id) const;
    int CursorMode() const { return cursorMode_; }
    QPushButton* StartClearButton() const { return startClearButton_; }
    QPushButton* PassButton() const { return passButton_; }
    MoveListWindow* MoveList() const { return moveList_; }
    ClientArea* Client() const { return client_; }
    platform::WindowSurface& Surface();

    // --- Layout and painting (window thread) ---
    // Lays out the board, the panels and the buttons for the client area in
    // device pixels of the back buffer's ratio.
    void UpdateLayout();
    // The cursors and the icon for the back buffer's ratio.
    void LoadScreenResources();
    // The first paint step: the layout again from the current client size,
    // with both buttons moved to their places.
    void PlaceForPaint();
    // The drawing paint steps into the back buffer: background, board,
    // panels. The caller holds the drawing lock.
    void PaintClientArea(platform::DrawingContext& context);
    // The last paint step: both buttons shown.
    void ShowButtons();

    // --- Games as text (window thread) ---
    // Reads the game in `path` and, once the player agrees to end a game in
    // progress, plays on from its end. A file that is not a game changes
    // nothing and is reported in a message. Whether the game was opened.
    bool OpenGameFile(const QString& path);
    // Writes the game as played so far to `path` as a GGF record; a failure
    // is reported in a message and leaves any old file whole.
    bool SaveGameTo(const QString& path);
    // The game on the clipboard as text (the transcript, after the start
    // position if the game did not start from the usual one); and back.
    void CopyGame();
    bool PasteGame();

    // The keys of the board, whichever child has the focus: the arrow keys
    // move the keyboard cursor, Return and Enter play the square under it
    // while it is shown. Whether the key was used.
    bool HandleBoardKey(const QKeyEvent& key);

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Sees every key and click of the program: the board's keys, the end of
    // the hint's blink, and the command states checked as a key is pressed.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    friend class TestSeam;

    // GameShell
    void SetCursorMode(int mode) override;
    void MarkPlayerKind(int side, int kind) override;
    void SetStartClearCaption(platform::StringId caption) override;
    void ShowTurn(bool passEnabled, bool gameRunning) override;
    bool AskQuestion(platform::StringId text, platform::StringId caption) override;
    bool Ask(const QString& text, const QString& caption);

    // The dialogs of Open Game and Save Game As.
    void ChooseGameToOpen();
    void ChooseFileToSave();
    // Plays on from the game read, or reports why `source` is not one.
    bool TakeGame(const engine::ReadResult& read, const QString& title, const QString& source);

    void BuildMenus();
    // The View menu: the options and the results.
    void BuildViewMenu();
    // The move list's window, hidden, wired to the game and the commands.
    void MakeMoveList();
    // Hands the move list the game's record as the board shows it now.
    void RefreshMoveList();
    void ShowMoveList(bool shown);
    QAction* AddCommand(QMenu* menu, int id, const QString& text, const QKeySequence& key = {});
    // Takes and saves the option that a View menu command chooses; whether
    // the command chooses one.
    bool ChooseOption(int id);
    // Has the board, the animations and the View menu follow the options.
    void ApplyOptions();
    // Hides the keyboard frame while no human is to move and once the game
    // has ended; the next arrow key shows it again.
    void FollowTurnWithFrame();
    // The main window is active and no menu or dialog is open.
    bool BoardKeysActive() const;
    void ApplyCursor();
    void ShowAbout();
    void ShowHelp();
    void PlaceButtons(const WindowLayout& layout);
    // Where the views draw outside painting: the client area's back buffer
    // under the game's drawing lock. Only the members before the views are
    // used, so the views may be made with it.
    DrawingTarget Target();
    // The client area in device pixels.
    platform::Rect ClientRect() const;

    const QColor backgroundColour_{0x80, 0x60, 0x40};
    ClientArea* client_;
    GameController game_;
    BoardView boardView_;
    // Builds the board's pictures one at a time while the window is idle
    // after a layout, ahead of the first move that shows them.
    QTimer picturePreparation_;
    PlayerPanel panel1_;
    PlayerPanel panel2_;
    WindowLayout layout_;
    QPushButton* startClearButton_ = nullptr;
    QPushButton* passButton_ = nullptr;
    QCursor blackCursor_;
    QCursor whiteCursor_;
    int cursorMode_ = -1;
    // How many times the cursors and the icon have been loaded.
    int screenResourceLoads_ = 0;
    std::map<int, QAction*> commands_;
    QActionGroup* playerGroups_[2] = {nullptr, nullptr};
    Options options_;
    std::unique_ptr<GameResults> results_;
    std::unique_ptr<GameAccessibility> accessibility_;
    MoveListWindow* moveList_ = nullptr;
};
