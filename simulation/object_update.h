// The per-object update that the main loop runs once per object per frame, in table order,
// and the steps it is made of. Order of updateObject:
//   (player dead: nothing) -> live-time step (frame cycle at 0) -> lifeTimeStep ->
//   refreshCenter -> gameStateTimer -> objectStep -> killOutOfScreen ->
//   playerRules (active objects) -> markVisibility (every object).
#pragma once

#include <cstdint>
#include <string_view>

namespace simulation {

// A "WANZE" whose life ends fires one "BURNKAKALAK" at its own position.
inline constexpr std::string_view kBugTypeName = "WANZE";
inline constexpr std::string_view kBugFireTypeName = "BURNKAKALAK";

void updateObject(std::int32_t objectIndex);

// Life-time countdown: one tick each time more than worldFTileTimerMS passed since the
// mark, which then moves worldFTileTimerMS into the future (ticks lie 2 x worldFTileTimerMS
// apart). When the count falls below 1 the object is switched off. Also the frame's timer
// step, run once more after updateObject.
void lifeTimeStep(std::int32_t objectIndex);

void refreshCenter(std::int32_t objectIndex);  // centre from position and size

// Expansion, fades, movement, collision, rotation and flicker; only flicker for an object
// that is not active.
void objectStep(std::int32_t objectIndex);

// Switches off a kill-out-of-screen object that was off screen in the previous frame, with
// its sound released and its sprite streamed out.
void killOutOfScreen(std::int32_t objectIndex);

// onScreen, visibleThisFrame and the draw list: an object lying (strictly) inside the
// screen rectangle is listed, as long as drawList has room; further ones are left out of
// this frame's list.
void markVisibility(std::int32_t objectIndex);

}  // namespace simulation
