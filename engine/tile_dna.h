// TileDna: every DNA key the game reads, as a field named exactly like the key and stored
// with the key's type, plus the companion fields that reading a key also sets. The fields
// and the key table rows are one list, tile_dna_fields.h. The world object record
// (world_object.h) derives from it, so its DNA fields bear the key names and the DNA readers
// of formats/ fill a WorldObject directly.
#pragma once

#include <cstdint>
#include <string>

// The fields are the rows of tile_dna_fields.h, which also holds each key's table row; add
// fields there, never here.
struct TileDna {
#define KEY(type, name, ...) type name{};
#define COMPANION(type, name) type name{};
#include "engine/tile_dna_fields.h"
};
