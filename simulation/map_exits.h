// Leaving a level: the level state goes into the level cache, the file "_" there records
// the level left (where "CONTINUE" comes back), and the exit's table names the next map.
// A new game empties what the cache holds.
#pragma once

#include <cstdint>
#include <string_view>

namespace simulation {

// With the level cache in use (USECACHE 1): saves the level and writes mapId into "_".
// Then nextMapId by the exit's table; a map the table does not list stays where it is.
void leaveMap(std::int32_t mapId, std::string_view exitName);

// The map "CONTINUE" starts: the number held by the cache file "_", 0 without one.
std::int32_t continueMapId();

// Deletes what the level cache holds: "_" and the level directories 0 to 1000 with the
// layer files "0" to "24" the save wrote. Nothing happens while CACHE is empty or names the
// working directory, which may hold directories of those names that are not the cache's.
void resetProgress();

// The cache directory resetProgress may empty: CACHE configured, existing, and not the
// working directory.
bool levelCacheDeletable();

}  // namespace simulation
