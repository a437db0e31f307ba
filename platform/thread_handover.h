// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's event queue orders a post on one thread before its delivery on
// another, but ThreadSanitizer cannot see that ordering inside the Qt
// libraries, which are not built with it. These two calls tell it: the
// sender hands an object over before posting it, the receiver takes it over
// when it arrives. Outside ThreadSanitizer builds they do nothing.
#pragma once

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

namespace platform {

inline void HandOver([[maybe_unused]] const void* object)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_release(const_cast<void*>(object));
#endif
}

inline void TakeOver([[maybe_unused]] const void* object)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(const_cast<void*>(object));
#endif
}

}  // namespace platform
