// The level cache: the state of a level the player left, kept as a map directory named by
// the map number below the cache directory. Positions and sizes are already fitted to the
// screen. Every one of the layer files "0" to "24" is written, empty layers too; there is
// no "_" file and there are no picture copies.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "formats/map_file.h"

namespace formats {

// cache directory + decimal map number.
std::string levelCacheDirectory(std::string_view cacheDirectory, std::int32_t mapNumber);

// A save point other than -1 replaces the live position. The save stores the result back
// into the object (the position is changed for good, not only in the file), so the caller
// applies this to the object's own fields before it builds the records.
inline void applySavePoint(float& posX, float& posY, float savePointX, float savePointY) {
    if (savePointY != -1.0f) posY = savePointY;
    if (savePointX != -1.0f) posX = savePointX;
}

// Writes the records (objects in ascending index order, removed ones already left out,
// save points applied, tile index 0, width and height as displayed) into layer files 0 to
// 24 of the map's cache directory, creating that directory when needed. A record on a
// layer outside 0 to 24 is not written. Returns false when a file cannot be written: all
// files are written in full before the first old one is replaced, so a failed write leaves
// the old state whole (only a rename failing part-way mixes old and new layers), and a
// directory made by this save is removed again, so no partial state is ever loaded.
bool saveLevelCache(std::string_view cacheDirectory, std::int32_t mapNumber,
                    std::span<const TileRecord> records);

// The file "_" beside the cached maps: the number of the map the player last left through
// an exit, as decimal text without a line end. Written anew by every exit (replaced as a
// whole; false when that fails); read as the integer of its first line, nullopt when it
// cannot be opened (the caller starts at map 0 then).
bool writeContinueMap(std::string_view cacheDirectory, std::int32_t mapNumber);
std::optional<std::int32_t> readContinueMap(std::string_view cacheDirectory);
// The map number held by the bytes of that file.
std::int32_t parseContinueMap(std::string_view bytes);

}  // namespace formats
