// In-game live time: effects such as flames, sparks and falling leaves switch themselves off
// after a number of live-time steps, which the object update runs whenever the frame cycle
// is at 0. The limit is worldFTileinGameLiveTime, the amount added per step
// worldFTileinGameLiveTimeCounter (which may be negative).
#pragma once

#include <cstdint>
#include <string_view>

namespace world {

// The type name of a leaf: when it expires, the object that spawned it stops firing.
inline constexpr std::string_view kLeafTypeName = "LAUBBLATT";

// Adds the counter to the accumulator and expires the object when a positive counter has
// reached the limit or a negative one has brought the sum below 1; a counter of 0 never
// expires it.
void liveTimeStep(std::int32_t objectIndex);

// Switches the object off (an object gone for good stays at -1) with its accumulator back
// at 0; a leaf also empties useWeapon of the object that spawned it (linkedObject, 0 = none).
void expireLiveTime(std::int32_t objectIndex);

}  // namespace world
