// SPDX-License-Identifier: GPL-3.0-or-later
// A player panel as assistive technology sees it: a piece of static text
// beside the board whose name is what the panel shows, in words. The panel is
// drawn, not a widget, so this is an interface of its own, placed in the
// widget the panel is drawn in.
#pragma once

#include "board/drawn_accessible.h"
#include "panels/player_panel.h"

class AccessiblePanel : public DrawnAccessible {
public:
    // The panel drawn in `host`, whose back buffer `surface` places the
    // panel's device pixels on the screen.
    AccessiblePanel(const PlayerPanel& panel, QWidget* host, const platform::WindowSurface& surface);

    const PlayerPanel& Panel() const { return panel_; }

    // The name is PlayerPanel::Text().
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;

private:
    const PlayerPanel& panel_;
};
