#include "board/drawing_context_guard.h"

#include "control/game_window.h"

DrawingContextGuard::DrawingContextGuard(platform::DrawingContext*& context, GameWindow* window)
{
    // A caller that already draws (the paint handler, an outer operation)
    // keeps its context, and the window is not even looked at.
    if (context == nullptr)
        Open(context, window->drawingLock, window->Surface());
}

DrawingContextGuard::DrawingContextGuard(platform::DrawingContext*& context, std::mutex& lock,
                                         platform::WindowSurface& surface)
{
    if (context == nullptr)
        Open(context, lock, surface);
}

void DrawingContextGuard::Open(platform::DrawingContext*& context, std::mutex& lock, platform::WindowSurface& surface)
{
    lock_ = std::unique_lock<std::mutex>(lock);
    surface_ = &surface;
    context_.emplace(surface.Image());
    context = &*context_;
}

DrawingContextGuard::~DrawingContextGuard()
{
    if (!context_)
        return;
    // Close the painter first, so the back buffer holds every pixel before the
    // window thread copies the touched part to the screen, and only then let
    // other threads draw.
    const QRect touched = context_->Touched();
    context_.reset();
    surface_->RequestRepaint(touched);
    lock_.unlock();
}
