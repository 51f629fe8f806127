// The tile catalogue: one tile type per picture in the graphics folder, with its sprite
// (colour keyed by R, G, B) and its DNA record.
#pragma once

#include <string_view>

#include "builder/builder_state.h"

namespace builder {

// Scans the graphics folder and loads every type's picture, sprite and DNA. An entry
// position keeps its DNA record from the previous scan (reading DNA only ever sets the
// valid flag, never clears it).
void loadTileCatalogue(Builder& builder);

// Frees the catalogue's sprites and palette pictures (the handles become 0).
void releaseTileCatalogue(Builder& builder);

// Reads the DNA of entry `index` again from its file.
void readTileDna(Builder& builder, int index);

// The first tile type of that picture name; the last one when none matches; -1 for an
// empty catalogue.
int findTileType(const BuilderState& state, std::string_view pictureName);

}  // namespace builder
