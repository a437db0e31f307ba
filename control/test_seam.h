// SPDX-License-Identifier: GPL-3.0-or-later
// The hooks through which tests run the game at no time, watch its
// animations, reach failures that are hard to cause, and set up positions.
// The program itself never calls the setters: everything here defaults to
// the real behaviour.
#pragma once

#include "engine/board_position.h"

class AnimationTask;
class BoardView;
class HintTask;
class QAccessibleEvent;
class RobotTask;
class GameController;
class GameWindow;

class TestSeam {
public:
    // Every pause of every task lasts its nominal length times this factor:
    // 1 in the program, 0 or near it in tests.
    static void SetTimeScale(double scale);
    static double TimeScale();
    // A pause of `ms` nominal milliseconds as it lasts now.
    static int Scaled(int ms);

    // Called on the animation's thread at every pause, with the pause's
    // nominal length, before the wait. Set it while no task runs.
    using PauseObserver = void (*)(AnimationTask& task, int ms);
    static void SetPauseObserver(PauseObserver observer);
    static PauseObserver CurrentPauseObserver();

    // Shown every accessibility event the game raises, before Qt passes it
    // on. Qt passes events on only while assistive technology is active,
    // which it never is on the offscreen platform of the tests.
    using AccessibilityObserver = void (*)(QAccessibleEvent* event);
    static void SetAccessibilityObserver(AccessibilityObserver observer);
    static AccessibilityObserver CurrentAccessibilityObserver();

    // Called on the window thread at every step of the hint's blink: the
    // square and whether its disc is now shown, for `ms` nominal
    // milliseconds; the end with NO_MOVE and 0.
    using BlinkObserver = void (*)(int square, bool discShown, int ms);
    static void SetBlinkObserver(BlinkObserver observer);
    static BlinkObserver CurrentBlinkObserver();

    // Makes the next thread creations fail, as if the system had no threads
    // left.
    static void SetThreadCreationFails(bool fails);
    static bool ThreadCreationFails();

    // Puts `displayed` on the board of a game in progress, with `next` as the
    // position after the move being shown, as if the game had got there:
    // the game's record starts again from `displayed`.
    static void SetPositions(GameController& game, const engine::BoardPosition& displayed,
                             const engine::BoardPosition& next);
    // The animation being shown, the robot thinking and the hint being
    // looked for, or null.
    static const AnimationTask* AnimationOf(const GameController& game);
    static const RobotTask* RobotOf(const GameController& game);
    static const HintTask* HintOf(const GameController& game);
    // Makes `square` the last move, whose disc carries the mark.
    static void SetLastMove(GameController& game, int square);

    // The game's own steps and state, which only the game itself uses.
    static void PlayMove(GameController& game, int square);
    static void StartRobotIfNeeded(GameController& game);
    static const engine::BoardPosition& NextPosition(const GameController& game);
    static bool IsAnimating(const GameController& game);
    static bool IsRobotThinking(const GameController& game);
    static int RobotSerial(const GameController& game);
    static bool IsLookingForHint(const GameController& game);
    // The square on which the hint blinks, or NO_MOVE; whether its disc is
    // shown now.
    static int HintSquare(const GameController& game);
    static bool HintDiscShown(const GameController& game);
    // How many moments an undo can go back to.
    static int UndoDepth(const GameController& game);

    // How many times the window has loaded its cursors and icon.
    static int ScreenResourceLoads(const GameWindow& window);
};
