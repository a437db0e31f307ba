// SPDX-License-Identifier: GPL-3.0-or-later
// A player panel as assistive technology sees it: a piece of static text
// beside the board whose name is what the panel shows, in words. The panel is
// drawn, not a widget, so this is an interface of its own, placed in the
// widget the panel is drawn in.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

#include "panels/player_panel.h"
#include "platform/window_surface.h"

class AccessiblePanel : public QAccessibleInterface {
public:
    // The panel drawn in `host`, whose back buffer `surface` places the
    // panel's device pixels on the screen.
    AccessiblePanel(const PlayerPanel& panel, QWidget* host, const platform::WindowSurface& surface);

    const PlayerPanel& Panel() const { return panel_; }

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    // The name is PlayerPanel::Text().
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    const PlayerPanel& panel_;
    QPointer<QWidget> host_;
    const platform::WindowSurface& surface_;
};
