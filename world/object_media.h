// Freeing what an object holds of the media services.
#pragma once

#include <cstdint>

namespace world {

// Every media handle object i holds: its still picture and 3D sprite, its sound (stopped
// first), its shadow and the frames of its five direction sets. Each handle is freed when
// valid and set to 0.
void releaseObjectMedia(std::int32_t i);

}  // namespace world
