// SPDX-License-Identifier: GPL-3.0-or-later
// The pace of the move animation, as the player chooses it in the View menu:
// every pause as long as it has always been, every pause halved, or the
// move's end picture at once without any frame. It is a factor of its own,
// applied before the test seam's time scale, and it changes neither the
// robot's thinking nor the order in which the game hears of a move.
#pragma once

#include <atomic>

enum class AnimationSpeed { Normal = 0, Fast = 1, Instant = 2 };

// The pace of every animation that starts from now on (any thread).
inline std::atomic<AnimationSpeed> currentAnimationSpeed{AnimationSpeed::Normal};

inline void SetAnimationSpeed(AnimationSpeed speed)
{
    currentAnimationSpeed.store(speed);
}
inline AnimationSpeed CurrentAnimationSpeed()
{
    return currentAnimationSpeed.load();
}
