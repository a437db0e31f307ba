// SPDX-License-Identifier: GPL-3.0-or-later
// A part of the game that is drawn in a widget rather than being one (the
// board, a panel): assistive technology reaches it as an interface of its
// own, a child of the widget it is drawn in (its host), placed on the screen
// through that widget's back buffer. What every such part has in common is
// here; a part adds its name, role, place and any children.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

#include "platform/window_surface.h"

class DrawnAccessible : public QAccessibleInterface {
public:
    // Drawn in `host`, whose back buffer `surface` places its device pixels
    // on the screen.
    DrawnAccessible(QWidget* host, const platform::WindowSurface& surface);

    // Valid as long as its host is.
    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    // Without children, unless the part has some.
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    // Read only, shown while its host is.
    void setText(QAccessible::Text t, const QString& text) override;
    QAccessible::State state() const override;

protected:
    bool HasHost() const { return !host_.isNull(); }
    // A rectangle of the back buffer on the screen; empty without the host.
    QRect OnScreen(const QRect& device) const;
    // The device pixel of the back buffer under a point of the screen.
    QPoint FromScreen(QPoint global) const { return surface_.FromScreen(global); }

private:
    QPointer<QWidget> host_;
    const platform::WindowSurface& surface_;
};
