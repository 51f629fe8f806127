#include "world/live_time.h"

#include "engine/base/fault_guard.h"
#include "engine/world_object.h"

namespace world {
namespace {
constexpr base::SourceUnit kSourceUnit = base::SourceUnit::ENGINE_INTERNALS;
}  // namespace

void liveTimeStep(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    const std::int32_t counter = object.worldFTileinGameLiveTimeCounter;
    // The sum wraps like the 32-bit counter it is, never undefined behaviour.
    object.liveTimeAccumulator =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(object.liveTimeAccumulator) +
                                  static_cast<std::uint32_t>(counter));
    if (counter > 0 && object.liveTimeAccumulator >= object.worldFTileinGameLiveTime) {
        expireLiveTime(objectIndex);
    } else if (counter < 0 && object.liveTimeAccumulator < 1) {
        expireLiveTime(objectIndex);
    }
}

void expireLiveTime(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    object.liveTimeAccumulator = 0;
    // An object gone for good stays gone: switching it to 0 would let spawning or flicker
    // bring back, say, a pick-up that was already taken.
    if (object.worldFTileIsActive != kObjectGone) object.worldFTileIsActive = kObjectSwitchedOff;
    // linkedObject 0 means the leaf has no spawner (left at 0 when it was placed in the map
    // or when its life ended); object 0, often the player, must not lose its weapon then.
    if (object.worldFTileIDString == kLeafTypeName && object.linkedObject != 0) {
        CHECKED_AT(worldObjects, object.linkedObject).useWeapon.clear();
    }
}

}  // namespace world
