// SPDX-License-Identifier: GPL-3.0-or-later
// The animation of one move: an arrow turns about on the new disc and looks
// in each of the eight directions; where the move captures, the captured
// discs turn over one after the other. The animation performs the move on
// the displayed position as it shows it, then hands the turn on.
#include <algorithm>

#include "control/background_task.h"
#include "control/game_controller.h"
#include "control/test_seam.h"
#include "game/square_picture.h"
#include "platform/window_message.h"

using engine::BoardPosition;

namespace {

namespace code = square_picture;

// The pauses, in nominal milliseconds.
constexpr int FRAME_PAUSE = 20;              // after each arrow and turning frame
constexpr int TURNED_PAUSE = 40;             // after a disc has turned
constexpr int CAPTURE_SPAN = 320;            // a capturing direction lasts at least this long...
constexpr int CAPTURE_CLOSING_MINIMUM = 60;  // ...and closes with at least this pause
constexpr int SETTLE_PAUSE = 150;            // after the turn has been handed on

constexpr int DIRECTIONS = 8;
constexpr int ARROW_FRAMES_PER_DIRECTION = 2;

}  // namespace

AnimationTask::AnimationTask(GameController& game, int move)
    : square(move), serial(game.AnimationSerial()), speed(CurrentAnimationSpeed()), game_(game)
{
    game_.IdleEvent().Reset();
    StartThread();
}

AnimationTask::~AnimationTask() = default;

int AnimationTask::Run()
{
    try {
        AnimateMove(square);
        if (!IsCancelled())
            platform::PostWindowMessage(&game_, WM_ANIMATION_DONE, serial, 0);
    } catch (const InterruptedException&) {
        // Abandoned: whoever cancelled the task resets the board.
    }
    return 0;
}

void AnimationTask::WaitReleasing(std::unique_lock<std::mutex>& held, int ms)
{
    // Every nominal pause is an even number of milliseconds, so the fast
    // speed halves each exactly; the span of a capturing direction is
    // counted in nominal time, so its closing pause is halved too.
    const int paced = speed == AnimationSpeed::Fast ? ms / 2 : ms;
    held.unlock();
    if (const TestSeam::PauseObserver observer = TestSeam::CurrentPauseObserver())
        observer(*this, paced);
    WaitInterruptibly(paced);
    elapsed += ms;
    held.lock();
    if (IsCancelled())
        throw InterruptedException{};
}

void AnimationTask::AnimateMove(int move)
{
    std::unique_lock held(game_.GameLock());
    if (IsCancelled())
        throw InterruptedException{};

    // The displayed position is this thread's until the move is shown; which
    // discs the move turns, and in which order, is the engine's to say.
    const int side = game_.DisplayedPosition().sideToMove;
    const engine::Captures captures = game_.DisplayedPosition().capturesOf(move);

    if (speed == AnimationSpeed::Instant) {
        // The move's end picture at once: the new disc and every captured
        // disc in the mover's colour, with no frame and no pause between.
        game_.SetSquarePicture(code::Disc(side), move);
        for (int i = 0; i < captures.count; ++i)
            game_.SetSquarePicture(code::Disc(side), captures.squares[i]);
        game_.FinishDisplayedMove();
        return;
    }

    game_.SetSquarePicture(code::Arrow(side, 0), move);
    WaitReleasing(held, FRAME_PAUSE);
    int frame = 1;

    int next = 0;  // the next turned disc in captures.squares
    for (int direction = 0; direction < DIRECTIONS; ++direction) {
        for (int i = 0; i < ARROW_FRAMES_PER_DIRECTION; ++i) {
            game_.SetSquarePicture(code::Arrow(side, frame), move);
            frame = (frame + 1) % code::ARROW_FRAMES;
            WaitReleasing(held, FRAME_PAUSE);
        }
        elapsed = 0;
        const int run = captures.runLength[direction];
        if (run == 0)
            continue;
        for (int k = 0; k < run; ++k) {
            const int turned = captures.squares[next++];
            for (int step = 0; step < code::TURNING_STEPS; ++step) {
                game_.SetSquarePicture(code::Turning(side, step), turned);
                WaitReleasing(held, FRAME_PAUSE);
            }
            game_.SetSquarePicture(code::Disc(side), turned);
            WaitReleasing(held, TURNED_PAUSE);
        }
        WaitReleasing(held, std::max(CAPTURE_CLOSING_MINIMUM, CAPTURE_SPAN - elapsed));
    }

    game_.SetSquarePicture(code::Disc(side), move);
    game_.FinishDisplayedMove();
    WaitReleasing(held, SETTLE_PAUSE);
}
