// Firing: the shooter spawns a free object of its useWeapon type at x, y. The rules arrive
// with the weapons issue; until then fireWeapon is an empty slot (weapons.cpp).
#pragma once

#include <cstdint>

namespace simulation {

void fireWeapon(std::int32_t shooterIndex, float x, float y);

}  // namespace simulation
