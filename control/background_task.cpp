#include "control/background_task.h"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "control/game_window.h"
#include "engine/robot.h"
#include "platform/window_message.h"

namespace {
std::atomic<double> timeScale{1.0};
std::atomic<bool> threadCreationFails{false};
}  // namespace

BackgroundTask::~BackgroundTask()
{
    if (thread_.joinable())
        thread_.join();
}

void BackgroundTask::SetTimeScale(double scale)
{
    timeScale.store(scale < 0 ? 0 : scale);
}
double BackgroundTask::TimeScale()
{
    return timeScale.load();
}
void BackgroundTask::SetThreadCreationFailsForTesting(bool fails)
{
    threadCreationFails.store(fails);
}

void BackgroundTask::StartThread()
{
    try {
        if (threadCreationFails.load())
            throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        thread_ = std::thread(&BackgroundTask::TaskThreadMain, this);
    } catch (const std::system_error&) {
        // Without a thread the task can never finish by itself; it counts as
        // finished at once, so that abandoning it never waits for ever.
        doneEvent.Set();
    }
}

int BackgroundTask::TaskThreadMain(BackgroundTask* task)
{
    const int result = task->Run();
    task->doneEvent.Set();
    return result;
}

void BackgroundTask::Cancel()
{
    cancelled.store(true, std::memory_order_relaxed);
    cancelEvent.Set();
}

void BackgroundTask::WaitInterruptibly(int ms)
{
    const double scaled = ms * TimeScale();
    cancelEvent.WaitFor(static_cast<int>(std::lround(scaled)));
    if (IsCancelled())
        throw InterruptedException{};
}

// ---------------------------------------------------------------------------

RobotTask::RobotTask(GameWindow* owner, engine::Random& generator)
    : window(owner), position(owner->nextPosition), serial(owner->robotSerial), random(generator)
{
    StartThread();
}

RobotTask::~RobotTask() = default;

int RobotTask::Run()
{
    // The level is read when the thinking starts, so a change of level before
    // then is obeyed.
    const int level = std::clamp(window->PlayerKindOf(position.sideToMove), 1, 6);
    const int square = engine::chooseRobotMove(position, level, random, cancelled);
    if (IsCancelled())
        return 0;
    // Hold the move back until the board is ready for it: no animation is
    // running and the side to move can act.
    window->idleEvent.Wait();
    if (IsCancelled())
        return 0;
    platform::PostWindowMessage(window, WM_ROBOT_MOVE, serial, square);
    return 0;
}
