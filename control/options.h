// SPDX-License-Identifier: GPL-3.0-or-later
// The player's options of the View menu, each a small number kept in the
// settings file beside the players' kinds, under an entry of its own.
#pragma once

#include <array>
#include <cstddef>

// The options; a new one is one more name here and one more row in the table
// of options.cpp.
enum class Option {
    LargeMoveMarks,  // 0 the small crosses, 1 crosses a third of a square across
    AnimationSpeed,  // an AnimationSpeed
    ShowMoveValues,  // 0 the crosses only, 1 the exact values near the end of a game
    Count
};
inline constexpr int OPTION_COUNT = static_cast<int>(Option::Count);

class Options {
public:
    // Every option as stored; one that is absent, not a number or out of its
    // range reads as its default.
    static Options Read();

    int Value(Option option) const { return values_[static_cast<std::size_t>(option)]; }
    bool IsOn(Option option) const { return Value(option) != 0; }
    // Takes `value` (ignored when out of range) and saves that entry at
    // once; a failed write is not reported and the program goes on.
    void Set(Option option, int value);

private:
    Options();
    std::array<int, OPTION_COUNT> values_;
};
