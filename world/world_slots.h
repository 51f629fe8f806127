// The world's steps in the main loop: the map load at the top of a turn and the streaming
// step of every object after its update.
#pragma once

namespace world {

// Puts loadLevelSlot into the map-load slot and streamStep into the streaming slot of
// engine::frameSlots. The game program calls it after it has filled the slots.
void installWorldSlots();

}  // namespace world
