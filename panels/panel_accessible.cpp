#include "panels/panel_accessible.h"

#include <QAccessible>

AccessiblePanel::AccessiblePanel(const PlayerPanel& panel, QWidget* host) : panel_(panel), host_(host) {}

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
    const QRect local = panel_.homeRect.ToQRect();
    return QRect(host_->mapToGlobal(local.topLeft()), local.size());
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
