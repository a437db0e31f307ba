// Start-up of the program.
#pragma once

class GameWindow;

// Seeds the robot's random numbers from the clock, names the settings store
// and creates the main window, shown at a comfortable size in the middle of
// the screen. The window deletes itself when it closes.
GameWindow* InitInstance();
