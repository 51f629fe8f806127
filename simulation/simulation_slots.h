// Plugs the simulation into the frame. The game program fills its slot table with
// installSimulationSlots(slots) before it wraps any slot (the fault injection of test runs)
// and before the main loop starts.
#pragma once

#include "engine/frame_slots.h"

namespace simulation {

// Fills the frame slots the simulation owns: the view follow (scrolling around the player),
// the per-object update, the per-object timer step (lifeTimeStep once more), the per-object
// draw, the after-draw step and the mirror pass; the level unload frees the mirror sprites
// through the loader's hook. The streaming step and the loader belong to other parts and are
// left as they are.
void installSimulationSlots(engine::FrameSlots& slots);

}  // namespace simulation
