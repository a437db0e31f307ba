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

// When the connection to the display breaks, Qt's X11 platform says so and
// ends the process with exit(1) at once, while the game's threads may be
// drawing: the window's tasks are abandoned and joined, and the kinds saved,
// between the two, so that nothing runs on while the libraries are torn down.
// The exit status stays 1. For the window's whole life.
void EndInOrderWhenTheDisplayGoes(GameWindow* window);

// When the desktop session ends (logout, shutdown), the session manager's
// request to save (QGuiApplication::commitDataRequest) saves the kinds.
void SaveKindsOnLogout(GameWindow* window);
