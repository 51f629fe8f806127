// The step that follows the drawing of every draw-list entry, and the object sound.
#pragma once

#include <cstdint>

namespace simulation {

// Touch transparency returns to the base alpha, touch rotation decays towards rest by 0.05
// per frame (a speed below 0.05 stays), and a turning object may start its sound.
void afterDrawStep(std::int32_t objectIndex);

// For an active object with a usable sound: a playing sound stops when its duration has
// passed or the object left the screen; a silent one starts (once, no loop) while the
// object is on screen.
void objectSoundStep(std::int32_t objectIndex);

}  // namespace simulation
