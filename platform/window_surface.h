// SPDX-License-Identifier: GPL-3.0-or-later
// The window's persistent picture: a back buffer the size of the client
// area in device pixels. Any thread may draw into it while holding the
// window's drawing lock; the widget's paint handler copies it to the screen.
//
// Everything is drawn into the back buffer in device pixels: the image itself
// keeps a device pixel ratio of 1, so that a painter on it works in device
// pixels, and the surface keeps the screen's ratio beside it for the copy to
// the screen, for clicks and for repaint requests.
#pragma once

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QWidget>

namespace platform {

class WindowSurface {
public:
    // Made for the ratio of the screen the widget is on, or will appear on
    // when it is not shown yet: what is loaded for that ratio before the
    // first layout is then loaded once.
    explicit WindowSurface(QWidget* widget)
        : widget_(widget), ratio_(widget != nullptr ? widget->devicePixelRatio() : 1.0)
    {
    }

    QImage& Image() { return image_; }
    // Device pixels per logical pixel of the screen the back buffer is for.
    qreal Ratio() const { return ratio_; }
    // The back buffer's size in device pixels (read on the window thread).
    QSize Size() const { return size_; }

    // The device pixels that the widget, at `size`, covers on a screen of
    // `ratio`: the window's own buffer has each edge of the widget at the
    // nearest device pixel, so where the widget lies in its top-level window
    // counts.
    QSize DeviceSize(QSize size, qreal ratio) const;
    // Gives the back buffer those device pixels, keeping nothing of its
    // content. The caller holds the drawing lock.
    void Resize(QSize size, qreal ratio = 1.0);

    // The device pixel of the back buffer that the screen shows under the
    // point `point` of the widget. The screen places the widget at its place
    // in its top-level window rounded to a device pixel, and a point at a
    // logical pixel's corner means the device pixel that starts nearest it.
    QPoint DevicePoint(QPointF point) const;
    // A rectangle of device pixels as logical pixels, each edge rounded to
    // the nearest: where a child widget goes to sit over it.
    QRect ToLogical(const QRect& device) const;
    // The same on the screen, in its global logical coordinates, and the
    // device pixel under a global point: where assistive technology is told
    // that things are, and what it points at.
    QRect ToScreen(const QRect& device) const;
    QPoint FromScreen(QPoint global) const;

    // Copies the back buffer to the widget's screen painter, within the
    // logical rectangle `area`, one device pixel of the back buffer to one
    // pixel of the screen.
    void CopyToScreen(QPainter& screen, const QRect& area) const;

    // Asks the window thread to show `region` of the back buffer (device
    // pixels) on the screen. Safe to call from any thread.
    void RequestRepaint(const QRegion& region) const;
    // The widget's event handler passes every event here first: a repaint
    // request is carried out and reported as handled.
    bool HandleRepaintRequest(QEvent* event);

private:
    // Where the widget's top-left corner lies in its top-level window.
    QPoint Origin() const;

    QWidget* const widget_;
    QImage image_;
    qreal ratio_ = 1.0;
    QSize size_;
};

}  // namespace platform
