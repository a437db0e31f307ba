// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/drawing_context_guard.h"

DrawingContextGuard::DrawingContextGuard(platform::DrawingContext*& context, const DrawingTarget& target)
{
    // A caller that already draws (the paint handler, an outer operation)
    // keeps its context, and the target is not even looked at.
    if (context != nullptr)
        return;
    lock_ = std::unique_lock<std::mutex>(*target.lock);
    surface_ = target.surface;
    context_.emplace(surface_->Image());
    context = &*context_;
}

DrawingContextGuard::~DrawingContextGuard()
{
    if (!context_)
        return;
    // Close the painter first, so the back buffer holds every pixel before the
    // window thread copies the touched part to the screen, and only then let
    // other threads draw.
    const QRegion touched = context_->Touched();
    context_.reset();
    surface_->RequestRepaint(touched);
    lock_.unlock();
}
