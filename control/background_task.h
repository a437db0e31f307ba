// SPDX-License-Identifier: GPL-3.0-or-later
// Work that runs off the window thread: the robot's thinking and the move
// animation. A task owns its thread, can be told to stop at any moment, and
// is deleted by the window thread once its thread has finished.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include "control/animation_speed.h"
#include "engine/board_position.h"
#include "platform/event.h"

class GameController;

// Posted to the game by a finished animation (wParam: its serial), by a
// robot that has chosen (wParam: its serial, lParam: the square), by a hint
// that has been found (the same), and for each move whose exact value has
// been found (wParam: the serial, lParam: MoveValueMessage).
inline constexpr int WM_ANIMATION_DONE = 0x500;
inline constexpr int WM_ROBOT_MOVE = 0x501;
inline constexpr int WM_HINT_FOUND = 0x502;
inline constexpr int WM_MOVE_VALUE = 0x503;

// A move and its value (-64 to 64) in one lParam, and back.
constexpr int MoveValueMessage(int square, int value)
{
    return square * 256 + (value + 128);
}
constexpr int SquareOfMessage(int lParam)
{
    return lParam / 256;
}
constexpr int ValueOfMessage(int lParam)
{
    return lParam % 256 - 128;
}

// Thrown by a wait that notices that its task has been cancelled.
struct InterruptedException {};

class BackgroundTask {
public:
    virtual ~BackgroundTask();
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    virtual int Run() = 0;

    // Tells the task to stop. Safe at any time, more than once.
    void Cancel();
    bool IsCancelled() const { return cancelled.load(std::memory_order_relaxed); }
    bool IsDone() const { return doneEvent.IsSet(); }

    // Waits up to `ms` nominal milliseconds unless the task is cancelled;
    // throws InterruptedException if it is.
    void WaitInterruptibly(int ms);

    std::atomic<bool> cancelled{false};
    platform::Event cancelEvent;
    platform::Event doneEvent;

protected:
    BackgroundTask() = default;
    // Starts the task's thread; the last step of a task's construction. A
    // thread that cannot be created counts as finished at once.
    void StartThread();

private:
    static int TaskThreadMain(BackgroundTask* task);
    std::thread thread_;
};

// Cancels the task, waits until its thread has finished and deletes it.
// Window thread only.
template <typename Task>
void CancelAndDelete(std::unique_ptr<Task>& task)
{
    if (!task)
        return;
    task->Cancel();
    task->doneEvent.Wait();
    task.reset();
}

// Shows one move on the displayed position and performs it there.
class AnimationTask : public BackgroundTask {
public:
    // Resets the game's idle event and starts at once, at the animation
    // speed chosen at this moment.
    AnimationTask(GameController& game, int square);
    ~AnimationTask() override;
    int Run() override;

    // Shows the move on the displayed position frame by frame and applies it.
    void AnimateMove(int square);
    // A pause of the animation: lets go of the game lock for `ms` nominal
    // milliseconds (half as long at the fast speed), then takes it again.
    void WaitReleasing(std::unique_lock<std::mutex>& held, int ms);

    GameController& Game() const { return game_; }
    const int square;
    int elapsed = 0;
    const int serial;
    const AnimationSpeed speed;

private:
    GameController& game_;
};

// A task that works on its own copy of a position, taken when it is made,
// and reports to the game with the serial it was given.
class PositionTask : public BackgroundTask {
public:
    const engine::BoardPosition position;
    const int serial;

protected:
    PositionTask(GameController& game, const engine::BoardPosition& start, int reportSerial)
        : position(start), serial(reportSerial), game_(game)
    {
    }
    GameController& game_;
};

// Chooses the robot's move on its own copy of the position.
class RobotTask : public PositionTask {
public:
    // Thinks about `position` (the game's next position) at once; reports
    // with `serial`.
    RobotTask(GameController& game, const engine::BoardPosition& position, int serial);
    ~RobotTask() override;
    int Run() override;
};

// Finds the hint on its own copy of the position: near the end a move that
// is best for certain, earlier the best move by the exact level-6 values. It
// draws nothing from the robot's random numbers and never waits for the game.
class HintTask : public PositionTask {
public:
    // Starts at once on `position`; reports with `serial`.
    HintTask(GameController& game, const engine::BoardPosition& position, int serial);
    ~HintTask() override;
    int Run() override;
};

// Finds the exact value of every legal move of its own copy of the position
// and reports them one by one; like the hint, it never waits for the game.
class ValuesTask : public PositionTask {
public:
    // Starts at once on `position`; reports with `serial`.
    ValuesTask(GameController& game, const engine::BoardPosition& position, int serial);
    ~ValuesTask() override;
    int Run() override;
};
