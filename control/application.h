// Start-up of the program.
#pragma once

#include "engine/random.h"

class GameWindow;

// The robot's random numbers for the whole run, seeded by InitInstance.
// Only the one RobotTask that runs at a time draws from them.
engine::Random& RobotRandom();

// Seeds the robot's random numbers from the clock, names the settings store
// and creates the main window, shown at a comfortable size in the middle of
// the screen. The window deletes itself when it closes.
GameWindow* InitInstance();
