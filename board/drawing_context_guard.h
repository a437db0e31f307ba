// The one way to draw into the window outside painting: under the window's
// drawing lock, through a drawing context on its back buffer that is flushed
// to the screen when the drawing operation ends.
#pragma once

#include <mutex>
#include <optional>

#include "platform/drawing_context.h"
#include "platform/window_surface.h"

class GameWindow;

class DrawingContextGuard {
public:
    // If `context` already holds a context, the guard does nothing: no lock,
    // no flush, no close. Otherwise it takes the window's drawing lock, opens
    // a context on the window's back buffer and stores it in `context`.
    DrawingContextGuard(platform::DrawingContext*& context, GameWindow* window);
    // The same on any surface guarded by `lock`.
    DrawingContextGuard(platform::DrawingContext*& context, std::mutex& lock, platform::WindowSurface& surface);
    // If this guard opened the context: asks for the drawn rectangle to be
    // shown, closes the context and frees the lock (also when an exception
    // leaves the drawing operation).
    ~DrawingContextGuard();
    DrawingContextGuard(const DrawingContextGuard&) = delete;
    DrawingContextGuard& operator=(const DrawingContextGuard&) = delete;

private:
    void Open(platform::DrawingContext*& context, std::mutex& lock, platform::WindowSurface& surface);

    std::optional<platform::DrawingContext> context_;
    std::unique_lock<std::mutex> lock_;
    platform::WindowSurface* surface_ = nullptr;
};
