// A compositor demo shown until the game's start-up is in place: coloured sprites that move,
// rotate and blend, some system-font text, and input echoed on screen. It runs through the
// same harness points as the game's main loop.
#pragma once

#include <string>

namespace game {

// Opens a window and a screen on the running media services and runs the scene until
// Escape, the window's close or the harness ends the run. Returns the exit status.
int runDemoScene();

}  // namespace game
