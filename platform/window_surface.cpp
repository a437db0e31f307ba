#include "platform/window_surface.h"

#include <QCoreApplication>
#include <QEvent>

#include "platform/thread_handover.h"

namespace platform {

void WindowSurface::Resize(QSize size)
{
    if (image_.size() == size)
        return;
    image_ = size.isEmpty() ? QImage() : QImage(size, QImage::Format_RGB32);
    if (!image_.isNull())
        image_.fill(Qt::black);
}

namespace {

// Asks for a rectangle of the widget to be shown again.
class RepaintRequest : public QEvent {
public:
    static QEvent::Type Type()
    {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    explicit RepaintRequest(QRect r) : QEvent(Type()), rect(r) {}
    const QRect rect;
};

}  // namespace

void WindowSurface::RequestRepaint(QRect rect) const
{
    QWidget* widget = widget_;
    if (widget == nullptr || rect.isEmpty())
        return;
    auto* request = new RepaintRequest(rect);
    HandOver(request);
    QCoreApplication::postEvent(widget, request);
}

bool WindowSurface::HandleRepaintRequest(QEvent* event)
{
    TakeOver(event);  // before reading it: the event may come from another thread
    if (event->type() != RepaintRequest::Type())
        return false;
    if (QWidget* widget = widget_)
        widget->update(static_cast<RepaintRequest*>(event)->rect);
    return true;
}

}  // namespace platform
