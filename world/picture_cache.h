// The level's picture cache: every tile picture is decoded once per level and shared by all
// objects of that tile name, which make their own 3D sprites from it when they come into
// view. Entries live in engineSettings.pictureCache (count pictureCacheCount); the table
// starts with 514 entries and grows when a level uses more tile names, instead of writing
// past its end.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/media/image.h"

namespace world {

// Pure green is transparent in every picture the world loads.
inline constexpr media::ColourKey kSpriteColourKey{true, 0, 255, 0};

// graphics directory + name + picture extension.
std::string tilePicturePath(std::string_view tileName);

// The first entry named exactly name; -1 when there is none.
std::int32_t findCachedPicture(std::string_view name);

// Loads the tile's picture into a new entry unless the name has one already. A picture that
// fails to load keeps its entry (loaded 0), so it is not tried again during the level. An
// empty name does nothing.
void prefetchPicture(std::string_view name);

// Frees every cached picture and empties the cache.
void clearPictureCache();

}  // namespace world
