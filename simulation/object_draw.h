// Drawing one object of the draw list. For now a plain draw of the still picture: the
// object's 3D sprite at its position with its alpha under normal alpha blending. Blend
// codes, shadows, stretched backgrounds, animation frames and mirrors come with the drawing
// issue.
#pragma once

#include <cstdint>

namespace simulation {

// Draws an active object that has its sprite; mirror surfaces are left to the mirror pass.
void drawObject(std::int32_t objectIndex);

}  // namespace simulation
