// The per-object steps that objectStep runs: expansion, fades, animation frames, rotation
// and flicker. Each takes an object index into worldObjects.
#pragma once

#include <array>
#include <cstdint>

#include "engine/media/compositor.h"

namespace simulation {

// Grows the object by its expansion values; a side that reaches 0 restarts at its maximum.
void expansionStep(std::int32_t objectIndex);
// The fade counters: the fade-in step is added, the fade-out step subtracted, each while
// its counter is above 0 (then it rests at 0).
void fadeInStep(std::int32_t objectIndex);
void fadeOutStep(std::int32_t objectIndex);

// Frame steps, each at most once per animTimer milliseconds (0: never). The DEFAULT set
// advances; the horizontal step advances RIGHT or LEFT by worldFTileMoveH, the vertical
// step DOWN or UP by worldFTileMoveV, and they widen maxWidth / maxHeight.
void defaultFrameStep(std::int32_t objectIndex);
void horizontalFrameStep(std::int32_t objectIndex);
void verticalFrameStep(std::int32_t objectIndex);

// Turns the object's 3D sprite by worldFTileRotate, with chance 1 in
// (worldFTileRandomRotate + 1) per frame.
void rotationStep(std::int32_t objectIndex);

// The sprite corners of a width x height object turned by angle radians about its centre,
// relative to its top-left corner, in the compositor's order: upper left, upper right,
// lower right, lower left. Angle 0 gives the upright rectangle.
std::array<media::Point, 4> rotatedCorners(float width, float height, float angle);

// worldFTileFlire n != 0: the object is switched off with chance 1 in (n + 1) per frame and
// switched on otherwise; an object gone for good (-1) is left alone.
void flickerStep(std::int32_t objectIndex);

}  // namespace simulation
