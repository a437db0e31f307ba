// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSessionManager>
#include <QThread>
#include <ctime>

#include "control/game_window.h"
#include "quellix_version.h"
#include "platform/termination_signals.h"

GameWindow* InitInstance()
{
    // The settings live under this organisation and the executable's name.
    QCoreApplication::setOrganizationName(QStringLiteral("Tamsvelder"));
    // Desktops find the menu entry and icon of the window by this name, on
    // X11 and on Wayland alike; it must be set before the window exists.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUELLIX_APP_ID));

    // The robot's random numbers start from the clock, in whole seconds.
    auto* window = new GameWindow(static_cast<uint32_t>(std::time(nullptr)));
    window->setAttribute(Qt::WA_DeleteOnClose);

    // A client area of about 800 by 600, smaller on a small screen, centred.
    const int menuHeight = window->menuBar()->sizeHint().height();
    QSize client(800, 600);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr)
        client = client.boundedTo(screen->availableGeometry().size() * 9 / 10 - QSize(0, menuHeight));
    window->resize(client.width(), client.height() + menuHeight);
    if (screen != nullptr)
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
    return window;
}

std::unique_ptr<platform::TerminationSignals> EndInOrderOnSignals(GameWindow* window, std::function<void()> quit)
{
    return std::make_unique<platform::TerminationSignals>(
        [window = QPointer<GameWindow>(window), quit = std::move(quit)](int) {
            if (window)
                window->StopTasksAndSave();
            quit();
        });
}

namespace {

QPointer<GameWindow>& WindowOnTheDisplay()
{
    static QPointer<GameWindow> window;
    return window;
}

QtMessageHandler& NextMessageHandler()
{
    static QtMessageHandler next = nullptr;
    return next;
}

// The X11 platform's last words before its exit(1) when the display has gone.
bool SaysTheDisplayHasGone(QtMsgType type, const QString& text)
{
    return type == QtWarningMsg && text.startsWith(QLatin1String("The X11 connection broke"));
}

void WatchForTheDisplayGoing(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // The platform checks the connection on the window thread, the only one
    // that may touch the window.
    if (SaysTheDisplayHasGone(type, text) && QThread::currentThread() == qApp->thread())
        if (GameWindow* window = WindowOnTheDisplay()) {
            window->Game().AbandonAll();
            window->SavePlayerKinds();
        }
    if (QtMessageHandler next = NextMessageHandler())
        next(type, context, text);
}

}  // namespace

void EndInOrderWhenTheDisplayGoes(GameWindow* window)
{
    WindowOnTheDisplay() = window;
    if (NextMessageHandler() == nullptr)
        NextMessageHandler() = qInstallMessageHandler(WatchForTheDisplayGoing);
}

void SaveKindsOnLogout(GameWindow* window)
{
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, window,
                     [window](QSessionManager&) { window->SavePlayerKinds(); });
}
