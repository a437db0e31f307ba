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

bool ClientArea::event(QEvent* event)
{
    return surface_.HandleRepaintRequest(event) || QWidget::event(event);
}

void ClientArea::resizeEvent(QResizeEvent* /*event*/)
{
    {
        std::lock_guard lock(window_->Game().DrawingLock());
        surface_.Resize(size());
    }
    window_->UpdateLayout();
    InvalidateAll();
}

void ClientArea::paintEvent(QPaintEvent* event)
{
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
        const QRect area = event->rect();
        screen.drawImage(area.topLeft(), surface_.Image(), area);
    }
    window_->ShowButtons();
}

void ClientArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint point = event->position().toPoint();
        window_->Board().HandleClick(point.x(), point.y());
    }
}
