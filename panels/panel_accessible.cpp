// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/panel_accessible.h"

#include <QAccessible>

AccessiblePanel::AccessiblePanel(const PlayerPanel& panel, QWidget* host, const platform::WindowSurface& surface)
    : panel_(panel), host_(host), surface_(surface)
{
}

bool AccessiblePanel::isValid() const
{
    return !host_.isNull();
}

QObject* AccessiblePanel::object() const
{
    return nullptr;
}

QWindow* AccessiblePanel::window() const
{
    return host_ ? host_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessiblePanel::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface* AccessiblePanel::parent() const
{
    return host_ ? QAccessible::queryAccessibleInterface(host_.data()) : nullptr;
}

QAccessibleInterface* AccessiblePanel::child(int) const
{
    return nullptr;
}

int AccessiblePanel::childCount() const
{
    return 0;
}

int AccessiblePanel::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QString AccessiblePanel::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? panel_.Text() : QString();
}

void AccessiblePanel::setText(QAccessible::Text, const QString&) {}

QRect AccessiblePanel::rect() const
{
    if (!host_)
        return {};
    return surface_.ToScreen(panel_.homeRect.ToQRect());
}

QAccessible::Role AccessiblePanel::role() const
{
    return QAccessible::StaticText;
}

QAccessible::State AccessiblePanel::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !host_ || !host_->isVisible();
    return state;
}
