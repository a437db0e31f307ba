// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/drawn_accessible.h"

#include <QAccessible>

DrawnAccessible::DrawnAccessible(QWidget* host, const platform::WindowSurface& surface) : host_(host), surface_(surface)
{
}

bool DrawnAccessible::isValid() const
{
    return HasHost();
}

QObject* DrawnAccessible::object() const
{
    return nullptr;
}

QWindow* DrawnAccessible::window() const
{
    return host_ ? host_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* DrawnAccessible::parent() const
{
    return host_ ? QAccessible::queryAccessibleInterface(host_.data()) : nullptr;
}

QAccessibleInterface* DrawnAccessible::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface* DrawnAccessible::child(int) const
{
    return nullptr;
}

int DrawnAccessible::childCount() const
{
    return 0;
}

int DrawnAccessible::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

void DrawnAccessible::setText(QAccessible::Text, const QString&) {}

QAccessible::State DrawnAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !host_ || !host_->isVisible();
    return state;
}

QRect DrawnAccessible::OnScreen(const QRect& device) const
{
    return host_ ? surface_.ToScreen(device) : QRect();
}
