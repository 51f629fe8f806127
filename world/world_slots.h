// The world's steps in the main loop: the map load at the top of a turn, the streaming
// step of every object after its update and the world input last in every frame. The game program
// fills its slot table with installWorldSlots(slots) before it wraps any slot (the fault injection
// of test runs) and before the main loop starts.
#pragma once

#include "engine/frame_slots.h"

namespace world {

// Puts loadLevelSlot into the map-load slot, streamStep into the streaming slot and
// worldInput into the input slot.
void installWorldSlots(engine::FrameSlots& slots);

}  // namespace world
