// Work that runs off the window thread: the robot's thinking and the move
// animation. A task owns its thread, can be told to stop at any moment, and
// is deleted by the window thread once its thread has finished.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include "engine/board_position.h"
#include "engine/random.h"
#include "platform/event.h"

class GameWindow;

// Posted to the window by a finished animation (wParam: its serial) and by a
// robot that has chosen (wParam: its serial, lParam: the square).
inline constexpr int WM_ANIMATION_DONE = 0x500;
inline constexpr int WM_ROBOT_MOVE = 0x501;

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

    // Waits up to `ms` milliseconds (times the time scale) unless the task is
    // cancelled; throws InterruptedException if it is.
    void WaitInterruptibly(int ms);

    // Every pause of every task is the nominal length times this factor: 1 in
    // the program, near 0 in tests.
    static void SetTimeScale(double scale);
    static double TimeScale();
    // Tests only: makes the next thread creations fail, as if the system had
    // no threads left.
    static void SetThreadCreationFailsForTesting(bool fails);

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

class AnimationTask : public BackgroundTask {
public:
    AnimationTask(GameWindow* window, int square);
    ~AnimationTask() override;
    int Run() override;

    // Shows the move on the displayed position frame by frame and applies it.
    void AnimateMove(int square);
    // A pause of the animation: lets go of the game lock for `ms` nominal
    // milliseconds, then takes it again.
    void WaitReleasing(std::unique_lock<std::mutex>& held, int ms);

    GameWindow* const window;
    const int square;
    int elapsed = 0;
    const int serial;

    // Tests only: called on the task's thread at every pause, with its nominal
    // length, before the wait. Set it while no task runs.
    using PauseObserver = void (*)(AnimationTask& task, int ms);
    static void SetPauseObserverForTesting(PauseObserver observer);
};

class RobotTask : public BackgroundTask {
public:
    // The robot draws its random numbers from `random`, on its own thread.
    RobotTask(GameWindow* window, engine::Random& random);
    ~RobotTask() override;
    int Run() override;

    GameWindow* const window;
    const engine::BoardPosition position;
    const int serial;
    engine::Random& random;
};
