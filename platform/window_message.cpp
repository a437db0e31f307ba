#include "platform/window_message.h"

#include <QCoreApplication>

namespace platform {

void PostWindowMessage(QObject* receiver, int message, int wParam, int lParam)
{
    QCoreApplication::postEvent(receiver, new WindowMessage(message, wParam, lParam));
}

}  // namespace platform
