// SPDX-License-Identifier: GPL-3.0-or-later
// The window's client area: it keeps the back buffer that every thread draws
// into, copies it to the screen, and reports sizes and clicks to the window.
#pragma once

#include <QCursor>
#include <QWidget>

#include "platform/window_surface.h"

class GameAccessibility;
class GameWindow;

class ClientArea : public QWidget {
    Q_OBJECT

public:
    explicit ClientArea(GameWindow* window);

    platform::WindowSurface& Surface() { return surface_; }
    // Has the next paint run the paint steps into the back buffer again, not
    // just copy it.
    void InvalidateAll();
    // Sizes the back buffer for the client area on a screen of `ratio`, lays
    // everything out again and has it all painted anew; with a new ratio the
    // cursors and the icon follow. At every resize and whenever the window
    // comes to a screen of another ratio.
    void Refit(qreal ratio);

    // What assistive technology is shown of the game drawn here, while there
    // is such a view.
    GameAccessibility* Accessibility() const { return accessibility_; }
    void SetAccessibility(GameAccessibility* accessibility) { accessibility_ = accessibility; }

    // The cursor over the board and the panels.
    void SetAreaCursor(const QCursor& cursor);
    // Shows the arrow over `child` in every state: a disabled widget shows
    // its parent's cursor, so the client area shows the arrow while the
    // pointer is over the child.
    void KeepArrowOver(QWidget* child);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Nothing: a widget repaints itself whole when it gains or loses the
    // focus, and the client area draws nothing that depends on the focus (the
    // keyboard frame is the board's own). That repaint, at every menu and
    // dialog that takes the focus, would copy the whole back buffer to the
    // screen before they open.
    void focusInEvent(QFocusEvent* /*event*/) override {}
    void focusOutEvent(QFocusEvent* /*event*/) override {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GameWindow* window_;
    platform::WindowSurface surface_;
    bool paintStepsPending_ = true;
    GameAccessibility* accessibility_ = nullptr;
    QCursor areaCursor_;
    // The watched child under the pointer, if any.
    QObject* pointerOver_ = nullptr;
};
