// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/test_seam.h"

#include <atomic>
#include <cmath>

#include "board/board_view.h"
#include "control/game_controller.h"
#include "control/game_window.h"

namespace {
std::atomic<double> timeScale{1.0};
std::atomic<TestSeam::PauseObserver> pauseObserver{nullptr};
std::atomic<TestSeam::BlinkObserver> blinkObserver{nullptr};
std::atomic<bool> threadCreationFails{false};
std::atomic<TestSeam::AccessibilityObserver> accessibilityObserver{nullptr};
}  // namespace

void TestSeam::SetTimeScale(double scale)
{
    timeScale.store(scale < 0 ? 0 : scale);
}
double TestSeam::TimeScale()
{
    return timeScale.load();
}
int TestSeam::Scaled(int ms)
{
    return static_cast<int>(std::lround(ms * TimeScale()));
}

void TestSeam::SetPauseObserver(PauseObserver observer)
{
    pauseObserver.store(observer);
}
TestSeam::PauseObserver TestSeam::CurrentPauseObserver()
{
    return pauseObserver.load();
}

void TestSeam::SetAccessibilityObserver(AccessibilityObserver observer)
{
    accessibilityObserver.store(observer);
}
TestSeam::AccessibilityObserver TestSeam::CurrentAccessibilityObserver()
{
    return accessibilityObserver.load();
}
void TestSeam::SetBlinkObserver(BlinkObserver observer)
{
    blinkObserver.store(observer);
}
TestSeam::BlinkObserver TestSeam::CurrentBlinkObserver()
{
    return blinkObserver.load();
}

void TestSeam::SetThreadCreationFails(bool fails)
{
    threadCreationFails.store(fails);
}
bool TestSeam::ThreadCreationFails()
{
    return threadCreationFails.load();
}

void TestSeam::SetPositions(GameController& game, const engine::BoardPosition& displayed,
                            const engine::BoardPosition& next)
{
    game.displayedPosition_ = displayed;
    game.nextPosition_ = next;
    game.history_.Begin(displayed);
    game.reviewedPly_ = -1;
}

void TestSeam::SetLastMove(GameController& game, int square)
{
    game.lastMove_ = square;
}

const AnimationTask* TestSeam::AnimationOf(const GameController& game)
{
    return game.animationTask_.get();
}

const RobotTask* TestSeam::RobotOf(const GameController& game)
{
    return game.robotTask_.get();
}

void TestSeam::PlayMove(GameController& game, int square)
{
    game.PlayMove(square);
}
void TestSeam::StartRobotIfNeeded(GameController& game)
{
    game.StartRobotIfNeeded();
}
const engine::BoardPosition& TestSeam::NextPosition(const GameController& game)
{
    return game.nextPosition_;
}
bool TestSeam::IsAnimating(const GameController& game)
{
    return game.animationTask_ != nullptr;
}
bool TestSeam::IsRobotThinking(const GameController& game)
{
    return game.robotTask_ != nullptr;
}
int TestSeam::RobotSerial(const GameController& game)
{
    return game.robotSerial_;
}
bool TestSeam::IsLookingForHint(const GameController& game)
{
    return game.hintTask_ != nullptr;
}
int TestSeam::HintSquare(const GameController& game)
{
    return game.hintBlink_.Square();
}
bool TestSeam::HintDiscShown(const GameController& game)
{
    return game.hintBlink_.DiscShown();
}
int TestSeam::UndoDepth(const GameController& game)
{
    return game.history_.UndoDepth();
}

int TestSeam::ScreenResourceLoads(const GameWindow& window)
{
    return window.screenResourceLoads_;
}
const HintTask* TestSeam::HintOf(const GameController& game)
{
    return game.hintTask_.get();
}
