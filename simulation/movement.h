// Movement and collision steps that the object update calls. Their rules arrive with the
// movement issue; until then each is an empty slot (movement.cpp), so the update order is
// already in place and objects simply do not move.
#pragma once

#include <cstdint>
#include <string_view>

namespace simulation {

void pushDecay(std::int32_t objectIndex);      // slows a pushed object
void goBackStep(std::int32_t objectIndex);     // steers to the home position
void collisionScan(std::int32_t objectIndex);  // tests the object against collisionList
// Steers toward the object whose worldFTileIDString is targetType.
void followStep(std::string_view targetType, std::int32_t objectIndex);
void playerInput(std::int32_t objectIndex);  // keyboard or joystick of the player object
void moveStep(std::int32_t objectIndex);     // random turns, then the axis steps

}  // namespace simulation
