// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the program, and how it ends when asked from outside.
#pragma once

#include <functional>
#include <memory>

class GameWindow;
namespace platform {
class TerminationSignals;
}

// Seeds the robot's random numbers from the clock, names the settings store
// and creates the main window, shown at a comfortable size in the middle of
// the screen. The window deletes itself when it closes.
GameWindow* InitInstance();

// From now on SIGTERM, SIGHUP and SIGINT end the program in order, on the
// window thread: the window abandons its tasks and saves the players' kinds,
// then `quit` runs (the program: leave the event loop with status 0). The
// exit question is not asked. The signals stay routed so while the returned
// object lives.
std::unique_ptr<platform::TerminationSignals> EndInOrderOnSignals(GameWindow* window, std::function<void()> quit);

// When the desktop session ends (logout, shutdown), the session manager's
// request to save (QGuiApplication::commitDataRequest) saves the kinds.
void SaveKindsOnLogout(GameWindow* window);
