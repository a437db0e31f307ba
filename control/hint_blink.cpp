// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/hint_blink.h"

#include "board/board_view.h"
#include "control/test_seam.h"
#include "engine/board_position.h"

namespace {

constexpr int TIMES = 3;
constexpr int SHOWN_MS = 300;
constexpr int HIDDEN_MS = 200;

}  // namespace

HintBlink::HintBlink() : square_(engine::NO_MOVE)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &HintBlink::Step);
}

void HintBlink::Start(BoardView& board, int square, int side)
{
    Stop();
    board_ = &board;
    square_ = square;
    side_ = side;
    timesShown_ = 0;
    Step();
}

void HintBlink::Stop()
{
    timer_.stop();
    if (square_ == engine::NO_MOVE)
        return;
    if (discShown_)
        board_->RestoreSquare(nullptr, square_);
    discShown_ = false;
    End();
}

void HintBlink::Step()
{
    if (discShown_) {
        board_->RestoreSquare(nullptr, square_);
        discShown_ = false;
        if (timesShown_ == TIMES)
            End();
        else
            Wait(HIDDEN_MS);
    } else {
        board_->DrawDisc(nullptr, square_, side_);
        discShown_ = true;
        ++timesShown_;
        Wait(SHOWN_MS);
    }
}

void HintBlink::Wait(int ms)
{
    Observe(ms);
    timer_.start(TestSeam::Scaled(ms));
}

void HintBlink::End()
{
    square_ = engine::NO_MOVE;
    Observe(0);
}

void HintBlink::Observe(int ms)
{
    if (const TestSeam::BlinkObserver observer = TestSeam::CurrentBlinkObserver())
        observer(square_, discShown_, ms);
}
