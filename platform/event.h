// SPDX-License-Identifier: GPL-3.0-or-later
// A manual-reset event: once set it stays set, waking every waiter, until it
// is reset.
#pragma once

#include <condition_variable>
#include <mutex>

namespace platform {

class Event {
public:
    explicit Event(bool initiallySet = false) : set_(initiallySet) {}
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    bool IsSet() const;
    // Waits until the event is set.
    void Wait() const;
    // Waits at most `ms` milliseconds; returns whether the event is set.
    bool WaitFor(int ms) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool set_;
};

}  // namespace platform
