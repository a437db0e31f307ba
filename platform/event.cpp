// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/event.h"

#include <chrono>

namespace platform {

void Event::Set()
{
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    changed_.notify_all();
}

void Event::Reset()
{
    std::lock_guard lock(mutex_);
    set_ = false;
}

bool Event::IsSet() const
{
    std::lock_guard lock(mutex_);
    return set_;
}

void Event::Wait() const
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return set_; });
}

bool Event::WaitFor(int ms) const
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(ms < 0 ? 0 : ms), [this] { return set_; });
}

}  // namespace platform
