#include "platform/window_surface.h"

#include <QMetaObject>

namespace platform {

void WindowSurface::Resize(QSize size)
{
    if (image_.size() == size)
        return;
    image_ = size.isEmpty() ? QImage() : QImage(size, QImage::Format_RGB32);
    if (!image_.isNull())
        image_.fill(Qt::black);
}

void WindowSurface::RequestRepaint(QRect rect) const
{
    QWidget* widget = widget_.data();
    if (widget == nullptr || rect.isEmpty())
        return;
    QMetaObject::invokeMethod(
        widget, [widget, rect] { widget->update(rect); }, Qt::QueuedConnection);
}

}  // namespace platform
