// SPDX-License-Identifier: GPL-3.0-or-later
// Whole 32-bit values that one thread writes while another reads them, with
// no lock: each is written and read in one piece (relaxed atomic access), as
// the game needs nothing more of their order.
#pragma once

#include <atomic>

namespace platform {

template <typename T>
T LoadShared(const T& value)
{
    return std::atomic_ref<T>(const_cast<T&>(value)).load(std::memory_order_relaxed);
}

template <typename T>
void StoreShared(T& value, T newValue)
{
    std::atomic_ref<T>(value).store(newValue, std::memory_order_relaxed);
}

}  // namespace platform
