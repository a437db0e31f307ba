// The animation of one move: an arrow turns about on the new disc and looks
// in each of the eight directions; where the move captures, the captured
// discs turn over one after the other. The animation performs the move on
// the displayed position as it shows it, then hands the turn on.
#include <algorithm>

#include "control/background_task.h"
#include "control/game_window.h"
#include "platform/shared_value.h"
#include "platform/window_message.h"

using engine::BoardPosition;

namespace {

AnimationTask::PauseObserver pauseObserver = nullptr;

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

bool OnBoard(int row, int column)
{
    return row >= 0 && row < 8 && column >= 0 && column < 8;
}

// Copies every field of `source` into `target` one whole value at a time,
// since the window thread may be reading `target` meanwhile.
void Publish(BoardPosition& target, const BoardPosition& source)
{
    using platform::StoreShared;
    StoreShared(target.discCount1, source.discCount1);
    StoreShared(target.discCount2, source.discCount2);
    for (int i = 0; i < 48; ++i)
        StoreShared(target.moves[i], source.moves[i]);
    StoreShared(target.moveCount, source.moveCount);
    for (int i = 0; i < 64; ++i)
        StoreShared(target.squares[i], source.squares[i]);
    StoreShared(target.sideToMove, source.sideToMove);
}

}  // namespace

AnimationTask::AnimationTask(GameWindow* owner, int move) : window(owner), square(move), serial(owner->animationSerial)
{
    window->idleEvent.Reset();
    window->SetCursorMode(CURSOR_ARROW);
    StartThread();
}

AnimationTask::~AnimationTask() = default;

void AnimationTask::SetPauseObserverForTesting(PauseObserver observer)
{
    pauseObserver = observer;
}

int AnimationTask::Run()
{
    try {
        AnimateMove(square);
        if (!IsCancelled())
            platform::PostWindowMessage(window, WM_ANIMATION_DONE, serial, 0);
    } catch (const InterruptedException&) {
        // Abandoned: whoever cancelled the task resets the board.
    }
    return 0;
}

void AnimationTask::WaitReleasing(std::unique_lock<std::mutex>& held, int ms)
{
    held.unlock();
    if (pauseObserver != nullptr)
        pauseObserver(*this, ms);
    WaitInterruptibly(ms);
    elapsed += ms;
    held.lock();
    if (IsCancelled())
        throw InterruptedException{};
}

void AnimationTask::AnimateMove(int move)
{
    std::unique_lock held(window->gameLock);
    if (IsCancelled())
        throw InterruptedException{};

    BoardPosition& board = window->displayedPosition;
    const int side = board.sideToMove;
    const int opponent = 3 - side;
    const int base = side == 1 ? 8 : 24;
    const int row = move >> 3;
    const int column = move & 7;

    window->SetSquarePicture(base, move);
    WaitReleasing(held, 20);
    int frame = 1;

    int dr = -1;
    int dc = 1;
    do {
        for (int turn = 0; turn < 2; ++turn) {
            window->SetSquarePicture(base + frame, move);
            frame = (frame + 1) % 16;
            WaitReleasing(held, 20);
        }
        elapsed = 0;

        int y = row + dr;
        int x = column + dc;
        int run = 0;
        while (OnBoard(y, x) && board.squares[y * 8 + x] == opponent) {
            y += dr;
            x += dc;
            ++run;
        }
        if (run > 0 && OnBoard(y, x) && board.squares[y * 8 + x] == side) {
            for (y = row + dr, x = column + dc; board.squares[y * 8 + x] == opponent; y += dr, x += dc) {
                for (int step = 0; step < 5; ++step) {
                    window->SetSquarePicture(side == 1 ? 7 - step : 3 + step, y * 8 + x);
                    WaitReleasing(held, 20);
                }
                window->SetSquarePicture(side, y * 8 + x);
                WaitReleasing(held, 40);
            }
            WaitReleasing(held, std::max(60, 320 - elapsed));
        }

        const int next = Sign(dr + dc);
        dc = Sign(dc - dr);
        dr = next;
    } while (!(dr == -1 && dc == 1));

    window->SetSquarePicture(side, move);
    BoardPosition after = board;
    after.finishMove();
    Publish(board, after);
    WaitReleasing(held, 150);
}
