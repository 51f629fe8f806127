#include "simulation/weapons.h"

namespace simulation {

// SLOT: the weapons issue fills this step.
void fireWeapon(std::int32_t /*shooterIndex*/, float /*x*/, float /*y*/) {}

}  // namespace simulation
