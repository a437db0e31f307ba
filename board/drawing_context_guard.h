// SPDX-License-Identifier: GPL-3.0-or-later
// The one way to draw into the window outside painting: under the window's
// drawing lock, through a drawing context on its back buffer that is flushed
// to the screen when the drawing operation ends.
#pragma once

#include <mutex>
#include <optional>

#include "platform/drawing_context.h"
#include "platform/window_surface.h"

// Where the views draw outside painting: the window's back buffer, and the
// lock that every thread holds while it draws into it.
struct DrawingTarget {
    std::mutex* lock = nullptr;
    platform::WindowSurface* surface = nullptr;
};

class DrawingContextGuard {
public:
    // If `context` already holds a context, the guard does nothing: no lock,
    // no flush, no close. Otherwise it takes the target's drawing lock, opens
    // a context on its back buffer and stores it in `context`.
    DrawingContextGuard(platform::DrawingContext*& context, const DrawingTarget& target);
    // If this guard opened the context: asks for the drawn rectangle to be
    // shown, closes the context and frees the lock (also when an exception
    // leaves the drawing operation).
    ~DrawingContextGuard();
    DrawingContextGuard(const DrawingContextGuard&) = delete;
    DrawingContextGuard& operator=(const DrawingContextGuard&) = delete;

private:
    std::optional<platform::DrawingContext> context_;
    std::unique_lock<std::mutex> lock_;
    platform::WindowSurface* surface_ = nullptr;
};
