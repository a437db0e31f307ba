// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/background_task.h"

#include <algorithm>
#include <system_error>

#include "control/game_controller.h"
#include "control/test_seam.h"
#include "engine/hint.h"
#include "engine/robot.h"
#include "engine/solver.h"
#include "platform/window_message.h"

BackgroundTask::~BackgroundTask()
{
    if (thread_.joinable())
        thread_.join();
}

void BackgroundTask::StartThread()
{
    try {
        if (TestSeam::ThreadCreationFails())
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
    cancelEvent.WaitFor(TestSeam::Scaled(ms));
    if (IsCancelled())
        throw InterruptedException{};
}

// ---------------------------------------------------------------------------

RobotTask::RobotTask(GameController& game, const engine::BoardPosition& start, int reportSerial)
    : PositionTask(game, start, reportSerial)
{
    StartThread();
}

RobotTask::~RobotTask() = default;

int RobotTask::Run()
{
    // The level is read when the thinking starts, so a change of level before
    // then is obeyed.
    const int level = std::clamp(game_.PlayerKind(position.sideToMove), LOWEST_ROBOT_LEVEL, HIGHEST_ROBOT_LEVEL);
    const int square = engine::chooseRobotMove(position, level, game_.RobotRandom(), cancelled);
    if (IsCancelled())
        return 0;
    // Hold the move back until the board is ready for it: no animation is
    // running and the side to move can act.
    game_.IdleEvent().Wait();
    if (IsCancelled())
        return 0;
    platform::PostWindowMessage(&game_, WM_ROBOT_MOVE, serial, square);
    return 0;
}

// ---------------------------------------------------------------------------

HintTask::HintTask(GameController& game, const engine::BoardPosition& start, int reportSerial)
    : PositionTask(game, start, reportSerial)
{
    StartThread();
}

HintTask::~HintTask() = default;

int HintTask::Run()
{
    const int square = engine::chooseGameHint(position, cancelled);
    if (IsCancelled() || square == engine::NO_MOVE)
        return 0;
    platform::PostWindowMessage(&game_, WM_HINT_FOUND, serial, square);
    return 0;
}

// ---------------------------------------------------------------------------

ValuesTask::ValuesTask(GameController& game, const engine::BoardPosition& start, int reportSerial)
    : PositionTask(game, start, reportSerial)
{
    StartThread();
}

ValuesTask::~ValuesTask() = default;

int ValuesTask::Run()
{
    const std::vector<engine::MoveValue> values = engine::solveMoves(position, cancelled);
    for (const engine::MoveValue& move : values) {
        if (IsCancelled())
            return 0;
        platform::PostWindowMessage(&game_, WM_MOVE_VALUE, serial, MoveValueMessage(move.square, move.value));
    }
    return 0;
}
