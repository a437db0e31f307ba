// The one main window. It owns the whole game: the board view, the two
// panels, the two positions, the players' kinds, the buttons, the locks, the
// idle event and the background tasks. Everything that changes the game runs
// on the window thread; tasks only post messages to it.
#pragma once

#include <QColor>
#include <QCursor>
#include <QMainWindow>
#include <atomic>
#include <map>
#include <memory>
#include <mutex>

#include "board/board_view.h"
#include "control/background_task.h"
#include "engine/board_position.h"
#include "panels/player_panel.h"
#include "panels/window_layout.h"
#include "platform/drawing_context.h"
#include "platform/event.h"
#include "platform/geometry.h"
#include "platform/window_surface.h"

class QAction;
class QActionGroup;
class QPushButton;
class ClientArea;

// Cursor modes of the client area.
inline constexpr int CURSOR_ARROW = 0;
inline constexpr int CURSOR_PLAYER1 = 1;
inline constexpr int CURSOR_PLAYER2 = 2;
inline constexpr int CURSOR_WORKING = 3;

// Command ids of the menus, the accelerators and the buttons.
inline constexpr int ID_EXIT = 100;
inline constexpr int ID_START_GAME = 101;
inline constexpr int ID_CLEAR_GAME = 102;
inline constexpr int ID_ABOUT = 190;
inline constexpr int ID_START_CLEAR_BUTTON = 200;
inline constexpr int ID_PASS_BUTTON = 201;
inline constexpr int ID_PLAYER1_FIRST = 300;
inline constexpr int ID_PLAYER2_FIRST = 400;
inline constexpr int ID_HELP_CONTENTS = 57666;

class GameWindow : public QMainWindow {
    Q_OBJECT

public:
    GameWindow();
    ~GameWindow() override;

    // --- Game controller (window thread) ---
    void PlayMove(int square);
    void UpdateTurn();
    void StartRobotIfNeeded();
    void SetPlayerKind(int side, int kind);
    void StartGame();
    void ClearGame();
    void PassTurn();
    // Any thread: stores a picture code in one square of the displayed
    // position and redraws that square.
    void SetSquarePicture(int code, int square);

    // --- Background tasks (window thread) ---
    void AbandonRobot();
    void AbandonAll();

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
    // Greys or enables Start Game and Clear Game by the rules above, so that a
    // greyed command's key does nothing either.
    void RefreshCommandStates();
    void SetCursorMode(int mode);
    void ApplyCursor();

    // --- Layout and painting ---
    void UpdateLayout();
    // The first paint step: the layout again from the current client size,
    // with both buttons moved to their places.
    void PlaceForPaint();
    // The drawing paint steps into the back buffer: background, board,
    // panels. The caller holds drawingLock.
    void PaintClientArea(platform::DrawingContext& context);
    // The last paint step: both buttons shown.
    void ShowButtons();

    // The kind of player `side` (1 or 2): 0 human, 1 to 6 robot level.
    int PlayerKindOf(int side) const { return playerKind[side - 1].load(std::memory_order_relaxed); }
    platform::WindowSurface& Surface();
    ClientArea* Client() const { return client_; }
    QAction* CommandAction(int id) const;

    BoardView boardView;
    PlayerPanel panel1{1};
    PlayerPanel panel2{2};
    platform::Rect boardRect;
    platform::Rect panelRect1;
    platform::Rect panelRect2;
    BoardPosition displayedPosition;
    BoardPosition nextPosition;
    int32_t lastMove = NO_MOVE;
    bool robotPassed = false;
    QPushButton* startClearButton = nullptr;
    QPushButton* passButton = nullptr;
    std::atomic<int32_t> playerKind[2] = {0, 3};
    int32_t animationSerial = 0;
    int32_t robotSerial = 0;
    std::mutex gameLock;
    std::mutex drawingLock;
    platform::Event idleEvent{true};
    std::unique_ptr<RobotTask> robotTask;
    std::unique_ptr<AnimationTask> animationTask;
    const QColor backgroundColour{0x80, 0x60, 0x40};
    QCursor blackCursor;
    QCursor whiteCursor;
    int32_t cursorMode = -1;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildMenus();
    void OnAnimationDone(int serial);
    void OnRobotMove(int serial, int square);
    bool AskQuestion(int textId, int captionId);
    void ShowAbout();
    void ShowHelp();
    void StoreLayout(const WindowLayout& layout);
    void PlaceButtons(const WindowLayout& layout);

    ClientArea* client_ = nullptr;
    std::map<int, QAction*> commands_;
    QActionGroup* playerGroups_[2] = {nullptr, nullptr};
};

// The process-wide pointer to the one GameWindow, set by its constructor.
extern GameWindow* gameWindow;
