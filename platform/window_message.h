// SPDX-License-Identifier: GPL-3.0-or-later
// Private window messages that worker threads post to the window thread. Qt
// delivers posted events to one receiver in the order they were posted.
#pragma once

#include <QEvent>
#include <QObject>

namespace platform {

class WindowMessage : public QEvent {
public:
    // Message numbers from 0x500 map onto Qt's user event range.
    static QEvent::Type TypeOf(int message) { return static_cast<QEvent::Type>(QEvent::User + (message - 0x400)); }

    WindowMessage(int message, int wParam, int lParam)
        : QEvent(TypeOf(message)), message(message), wParam(wParam), lParam(lParam)
    {
    }

    const int message;
    const int wParam;
    const int lParam;
};

// Queues the message for `receiver`'s thread and returns at once. Safe from
// any thread.
void PostWindowMessage(QObject* receiver, int message, int wParam, int lParam);

// The event as that message when it is one (on the receiver's thread), else
// null.
const WindowMessage* ReceivedWindowMessage(QEvent* event, int message);

}  // namespace platform
