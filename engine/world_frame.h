// One frame of the engine, run once per main-loop turn after the map check. There is no
// fixed time step: every active frame runs exactly one world update, so the game's pace is
// the frame rate, set by the synchronised flip and the MULTITASK sleep.
//
// In front: world update (unless paused), draw pass, screen texts, debug overlay (unless
// paused), flip, frame cycle, frame tick, MULTITASK sleep, window drag (captioned window).
// In the background: a 25 ms sleep and nothing else. In both cases the world input last.
// The steps themselves are the slots of frame_slots.h.
#pragma once

#include <cstdint>

namespace engine {

inline constexpr std::uint32_t kBackgroundFrameMs = 25;

void worldFrame();

// The captioned window follows the mouse while the left button is held: the window
// position moves by the mouse's relative motion and the window is moved there with the
// display size.
void windowDragStep();

}  // namespace engine
