// The window's persistent picture: a back buffer the size of the client
// area. Any thread may draw into it while holding the window's drawing lock;
// the widget's paint handler copies it to the screen.
#pragma once

#include <QEvent>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace platform {

class WindowSurface {
public:
    explicit WindowSurface(QWidget* widget) : widget_(widget) {}

    QImage& Image() { return image_; }
    // Gives the back buffer a new size, keeping nothing of its content. The
    // caller holds the drawing lock.
    void Resize(QSize size);
    // Asks the window thread to show `rect` of the back buffer on the screen.
    // Safe to call from any thread.
    void RequestRepaint(QRect rect) const;
    // The widget's event handler passes every event here first: a repaint
    // request is carried out and reported as handled.
    bool HandleRepaintRequest(QEvent* event);

private:
    QWidget* const widget_;
    QImage image_;
};

}  // namespace platform
