// Firing: shots, sparks, flames, leaves, corpses and dropped pick-ups are objects the map
// already holds, switched off. Firing finds a free one of the shooter's useWeapon type,
// gives it its DNA afresh, switches it on and places it by its type (weapons.cpp).
#pragma once

#include <cstdint>

namespace simulation {

// Only for an active shooter while weaponList holds a pool object. A monster takes the
// first switched-off pool object of its weapon type and fires it with chance 1 in
// (its worldFTileRandomActivateWeapon + 1): at most one shot per call. The player, while
// its fireState is 2, switches on the first switched-off object of the type in the whole
// table and spawns it.
void fireWeapon(std::int32_t shooterIndex, float x, float y);

// With chance 1 in (the shooter's worldFTileRandomActivateWeapon + 1): resets object w
// from its DNA, switches it on and places it relative to the shooter by w's type.
void spawnEffect(std::int32_t w, float x, float y, std::int32_t shooter);

}  // namespace simulation
