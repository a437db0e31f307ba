// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/client_area.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <mutex>

#include "control/game_accessibility.h"
#include "control/game_window.h"
#include "panels/window_layout.h"

ClientArea::ClientArea(GameWindow* window) : QWidget(window), window_(window), surface_(this)
{
    // Installing it again changes nothing.
    QAccessible::installFactory(ClientAreaAccessibleFactory);
    setMinimumSize(MINIMUM_CLIENT_WIDTH, MINIMUM_CLIENT_HEIGHT);
    // The paint handler covers every pixel, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void ClientArea::InvalidateAll()
{
    paintStepsPending_ = true;
    update();
}

void ClientArea::Refit(qreal ratio)
{
    const bool newRatio = ratio != surface_.Ratio();
    {
        std::lock_guard lock(window_->Game().DrawingLock());
        surface_.Resize(size(), ratio);
    }
    if (newRatio)
        window_->LoadScreenResources();
    window_->UpdateLayout();
    InvalidateAll();
}

bool ClientArea::event(QEvent* event)
{
    // The window has come to another screen, whose ratio may differ.
    if (event->type() == QEvent::ScreenChangeInternal && devicePixelRatio() != surface_.Ratio())
        Refit(devicePixelRatio());
    return surface_.HandleRepaintRequest(event) || QWidget::event(event);
}

void ClientArea::resizeEvent(QResizeEvent* /*event*/)
{
    Refit(devicePixelRatio());
}

void ClientArea::moveEvent(QMoveEvent* /*event*/)
{
    // Between two screen pixels, where the client area starts decides how
    // many of them it covers.
    if (surface_.DeviceSize(size(), surface_.Ratio()) != surface_.Size())
        Refit(surface_.Ratio());
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    // A ratio that changed without word: the back buffer is made for the
    // ratio it is shown at before anything is copied.
    if (devicePixelRatio() != surface_.Ratio())
        Refit(devicePixelRatio());
    window_->PlaceForPaint();
    {
        // Under the drawing lock no other thread is halfway through a frame,
        // and the prepared pictures are not being built by two threads.
        std::lock_guard lock(window_->Game().DrawingLock());
        if (paintStepsPending_) {
            paintStepsPending_ = false;
            platform::DrawingContext context(surface_.Image());
            window_->PaintClientArea(context);
        }
        QPainter screen(this);
        for (const QRect& area : event->region())
            surface_.CopyToScreen(screen, area);
    }
    window_->ShowButtons();
}

void ClientArea::SetAreaCursor(const QCursor& cursor)
{
    areaCursor_ = cursor;
    if (pointerOver_ == nullptr)
        setCursor(cursor);
}

void ClientArea::KeepArrowOver(QWidget* child)
{
    child->installEventFilter(this);
}

bool ClientArea::eventFilter(QObject* watched, QEvent* event)
{
    // The pointer enters and leaves a child whether it is enabled or not; the
    // cursor is chosen after the child has heard of it.
    if (event->type() == QEvent::Enter)
        pointerOver_ = watched;
    else if (event->type() == QEvent::Leave && watched == pointerOver_)
        pointerOver_ = nullptr;
    else
        return QWidget::eventFilter(watched, event);
    setCursor(pointerOver_ != nullptr ? QCursor(Qt::ArrowCursor) : areaCursor_);
    return QWidget::eventFilter(watched, event);
}

void ClientArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // The board works in device pixels: the one the screen shows under
        // the pointer.
        const QPoint point = surface_.DevicePoint(event->position());
        window_->Board().HandleClick(point.x(), point.y());
    }
}
