// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_message.h"

#include <QCoreApplication>

#include "platform/thread_handover.h"

namespace platform {

void PostWindowMessage(QObject* receiver, int message, int wParam, int lParam)
{
    auto* event = new WindowMessage(message, wParam, lParam);
    HandOver(event);
    QCoreApplication::postEvent(receiver, event);
}

const WindowMessage* ReceivedWindowMessage(QEvent* event, int message)
{
    TakeOver(event);  // before reading it: the event may come from another thread
    if (event->type() != WindowMessage::TypeOf(message))
        return nullptr;
    return static_cast<const WindowMessage*>(event);
}

}  // namespace platform
