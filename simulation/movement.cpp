#include "simulation/movement.h"

namespace simulation {

// SLOT: the movement issue fills these steps.
void pushDecay(std::int32_t /*objectIndex*/) {}
void goBackStep(std::int32_t /*objectIndex*/) {}
void collisionScan(std::int32_t /*objectIndex*/) {}
void followStep(std::string_view /*targetType*/, std::int32_t /*objectIndex*/) {}
void playerInput(std::int32_t /*objectIndex*/) {}
void moveStep(std::int32_t /*objectIndex*/) {}

}  // namespace simulation
