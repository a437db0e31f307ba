// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/panel_accessible.h"

AccessiblePanel::AccessiblePanel(const PlayerPanel& panel, QWidget* host, const platform::WindowSurface& surface)
    : DrawnAccessible(host, surface), panel_(panel)
{
}

QString AccessiblePanel::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? panel_.Text() : QString();
}

QRect AccessiblePanel::rect() const
{
    return OnScreen(panel_.homeRect.ToQRect());
}

QAccessible::Role AccessiblePanel::role() const
{
    return QAccessible::StaticText;
}
