// The work map on disk: the single-file work map (also the undo snapshots and the crash
// backup) and the map folder the game loads.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "builder/builder_state.h"
#include "formats/map_file.h"

namespace builder {

// The alive elements in table order, as the map writers take them.
std::vector<formats::TileRecord> aliveTileRecords(const BuilderState& state);

// Writes the work map file; false when it could not be written (the old file is then left
// as it was). Says nothing: the callers decide what to tell.
bool writeWorkMapFile(Builder& builder, std::string_view path);

// Empties the work map: the elements lose their sprites and names, and the tile catalogue
// is loaded again.
void clearWorkMap(Builder& builder);

// Clears the work map, then loads the file; false when it cannot be opened (the work map
// stays empty).
bool loadWorkMapFile(Builder& builder, std::string_view path);

// Loads an undo or redo snapshot; one that cannot be read leaves the work map as it is.
bool loadSnapshot(Builder& builder, std::string_view path);

// Clears the work map and appends the layer files 0 to 128 of the folder.
void loadMapFolder(Builder& builder, std::string_view folder);

// Saves the work map as a map folder. When a file cannot be written the old one stays and
// the user is told which; false then.
bool saveMapFolder(Builder& builder, std::string_view folder);

// A folder as chosen in a folder browser, ending in a separator.
std::string folderWithSeparator(std::string_view folder);

}  // namespace builder
