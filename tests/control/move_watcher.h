// SPDX-License-Identifier: GPL-3.0-or-later
// Watches every pause of every animation of a game: the first pause of a task
// starts a move, the closing 150 ms pause ends it, and the board must then be
// what the rules make of the position before the move. No move may start
// before the previous one has ended.
#pragma once

#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "control/game_window.h"
#include "control/test_seam.h"

class MoveWatcher {
public:
    // Watches the animations until destroyed.
    MoveWatcher()
    {
        watching = this;
        TestSeam::SetPauseObserver(Watch);
    }
    ~MoveWatcher()
    {
        TestSeam::SetPauseObserver(nullptr);
        watching = nullptr;
    }
    MoveWatcher(const MoveWatcher&) = delete;
    MoveWatcher& operator=(const MoveWatcher&) = delete;

    std::vector<int> Moves()
    {
        std::lock_guard lock(mutex_);
        return moves_;
    }
    std::vector<std::string> Faults()
    {
        std::lock_guard lock(mutex_);
        return faults_;
    }

private:
    static void Watch(AnimationTask& task, int ms) { watching->Pause(task, ms); }

    void Pause(AnimationTask& task, int ms)
    {
        std::lock_guard lock(mutex_);
        const engine::BoardPosition& shown = task.Game().DisplayedPosition();
        if (!currentFinished_ && &task != current_)
            faults_.push_back("a move was shown before the previous one ended");
        if (currentFinished_) {
            current_ = &task;
            currentFinished_ = false;
            moves_.push_back(task.square);
            before_ = shown;
            before_.squares[task.square] = 0;
        }
        if (ms == 150) {
            engine::BoardPosition expected;
            expected.copyAndApply(before_, task.square);
            if (expected.sideToMove != shown.sideToMove || expected.moveCount != shown.moveCount ||
                expected.discCount1 != shown.discCount1 || expected.discCount2 != shown.discCount2 ||
                std::memcmp(expected.squares, shown.squares, sizeof shown.squares) != 0 ||
                std::memcmp(expected.moves, shown.moves, sizeof(int32_t) * static_cast<size_t>(shown.moveCount)) != 0)
                faults_.push_back("after move " + std::to_string(task.square) +
                                  " the board differs from the rules' result");
            currentFinished_ = true;
        }
    }

    static inline MoveWatcher* watching = nullptr;
    std::mutex mutex_;
    std::vector<int> moves_;
    std::vector<std::string> faults_;
    const AnimationTask* current_ = nullptr;
    bool currentFinished_ = true;
    engine::BoardPosition before_;
};
