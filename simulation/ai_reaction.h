// The simple monster reaction to an obstacle: it turns around, unless its AI level is 1.
#pragma once

#include <cstdint>

namespace simulation {

// Turns self around (turnAround) unless its worldFTileAILevel is 1.
void aiReaction(std::int32_t self);

// Reverses an object that moves on both axes by its animDirection: DOWN goes up, UP down,
// LEFT right, RIGHT left; DEFAULT and other values change nothing.
void turnAround(std::int32_t index);

}  // namespace simulation
