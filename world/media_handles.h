// Freeing a media handle that a record holds: the handle is freed when it is still valid
// and set to 0 in every case, so a record never keeps a handle that was given back.
#pragma once

#include <cstdint>

#include "engine/media/services.h"

namespace world {

inline void releaseSprite(std::uint32_t& sprite) {
    if (sprite != 0 && media::spriteExists(sprite)) media::freeSprite(sprite);
    sprite = 0;
}

inline void releasePicture(std::uint32_t& picture) {
    if (picture != 0 && media::pictureExists(picture)) media::freePicture(picture);
    picture = 0;
}

}  // namespace world
