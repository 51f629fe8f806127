// The world input: once per frame (last, in front or in the background) and once per layer
// file while a map loads, the devices are polled and the engine's own keys handled:
// scrolling the view by hand (USRSCROLL), the debug overlay, PIP, leaving the level,
// ending the program, stepping between maps, the music, the mirror pass and multitasking.
// The player's own controls are read by the player input of the simulation.
//
// A key is held while it is down in this poll; it is released in the poll in which it is
// found up after having been down (once per release; a tap between two polls counts).
#pragma once

namespace world {

// Polls the joystick (when present) and the keyboard, handles the engine keys (and the
// Pause key), then polls the mouse.
void worldInput();

// Forgets which keys were down, so that a key held at that moment is no release later
// (tests; a new run starts this way).
void resetWorldInput();

}  // namespace world
