// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_surface.h"

#include <QCoreApplication>
#include <QEvent>
#include <QRectF>
#include <cmath>
#include <cstdlib>

#include "platform/thread_handover.h"

namespace platform {

QPoint WindowSurface::Origin() const
{
    return widget_ != nullptr ? widget_->mapTo(widget_->window(), QPoint(0, 0)) : QPoint();
}

QSize WindowSurface::DeviceSize(QSize size, qreal ratio) const
{
    const QPoint origin = Origin();
    if (size.isEmpty())
        return {0, 0};
    const auto extent = [ratio](int start, int length) {
        return qRound((start + length) * ratio) - qRound(start * ratio);
    };
    return {extent(origin.x(), size.width()), extent(origin.y(), size.height())};
}

namespace {

// A black image of `size` in cleared memory. Zero pixels read as black in
// this format, whose top byte is not used. Large blocks come from the system
// already cleared and cost nothing until drawn on, where a fill would touch
// every page before the window could show: 6.6 MB for a full-screen window
// at ratio 2. Null when the memory is not there.
QImage BlackImage(QSize size)
{
    const qsizetype bytesPerLine = qsizetype{size.width()} * 4;
    void* pixels = std::calloc(static_cast<size_t>(bytesPerLine), static_cast<size_t>(size.height()));
    if (pixels == nullptr)
        return {};
    return QImage(static_cast<uchar*>(pixels), size.width(), size.height(), bytesPerLine, QImage::Format_RGB32,
                  [](void* memory) { std::free(memory); }, pixels);
}

}  // namespace

void WindowSurface::Resize(QSize size, qreal ratio)
{
    ratio_ = ratio;
    size_ = DeviceSize(size, ratio);
    if (image_.size() == size_)
        return;
    image_ = size_.isEmpty() ? QImage() : BlackImage(size_);
}

QPoint WindowSurface::DevicePoint(QPointF point) const
{
    const QPoint origin = Origin();
    const auto toDevice = [this](qreal along, int start) {
        return static_cast<int>(std::floor((start + along) * ratio_ + 0.5)) - qRound(start * ratio_);
    };
    return {toDevice(point.x(), origin.x()), toDevice(point.y(), origin.y())};
}

QRect WindowSurface::ToLogical(const QRect& device) const
{
    const auto edge = [this](int pixel) {
        return qRound(pixel / ratio_);
    };
    const int left = edge(device.left()), top = edge(device.top());
    return QRect(left, top, edge(device.left() + device.width()) - left, edge(device.top() + device.height()) - top);
}

QRect WindowSurface::ToScreen(const QRect& device) const
{
    const QRect logical = ToLogical(device);
    if (widget_ == nullptr)
        return logical;
    return QRect(widget_->mapToGlobal(logical.topLeft()), logical.size());
}

QPoint WindowSurface::FromScreen(QPoint global) const
{
    return DevicePoint(widget_ != nullptr ? widget_->mapFromGlobal(QPointF(global)) : QPointF(global));
}

void WindowSurface::CopyToScreen(QPainter& screen, const QRect& area) const
{
    if (image_.isNull() || area.isEmpty())
        return;
    if (ratio_ == 1.0) {
        screen.drawImage(area.topLeft(), image_, area);
        return;
    }
    // The whole back buffer over the whole widget, whatever the area: then
    // every copy puts each device pixel on the same pixel of the screen, even
    // when the widget starts in the middle of one. The clip keeps the work to
    // the area, and the painter draws aliased, so nothing is blended.
    screen.save();
    screen.setClipRect(area, Qt::IntersectClip);
    screen.drawImage(QRectF(QPointF(0, 0), QSizeF(image_.size()) / ratio_), image_, QRectF(image_.rect()));
    screen.restore();
}

namespace {

// Asks for part of the widget to be shown again.
class RepaintRequest : public QEvent {
public:
    static QEvent::Type Type()
    {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    explicit RepaintRequest(const QRegion& r) : QEvent(Type()), region(r) {}
    const QRegion region;
};

}  // namespace

void WindowSurface::RequestRepaint(const QRegion& region) const
{
    QWidget* widget = widget_;
    if (widget == nullptr || region.isEmpty())
        return;
    auto* request = new RepaintRequest(region);
    HandOver(request);
    QCoreApplication::postEvent(widget, request);
}

bool WindowSurface::HandleRepaintRequest(QEvent* event)
{
    TakeOver(event);  // before reading it: the event may come from another thread
    if (event->type() != RepaintRequest::Type())
        return false;
    QWidget* widget = widget_;
    if (widget == nullptr)
        return true;
    const QRegion& device = static_cast<RepaintRequest*>(event)->region;
    if (ratio_ == 1.0) {
        widget->update(device);
        return true;
    }
    // Every logical pixel that shows part of each rectangle, and one more on
    // each side for a widget that starts in the middle of a device pixel.
    QRegion logical;
    for (const QRect& r : device) {
        const int left = static_cast<int>(std::floor(r.left() / ratio_)) - 1;
        const int top = static_cast<int>(std::floor(r.top() / ratio_)) - 1;
        const int right = static_cast<int>(std::ceil((r.left() + r.width()) / ratio_)) + 1;
        const int bottom = static_cast<int>(std::ceil((r.top() + r.height()) / ratio_)) + 1;
        logical += QRect(left, top, right - left, bottom - top);
    }
    widget->update(logical & widget->rect());
    return true;
}

}  // namespace platform
