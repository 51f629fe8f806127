// The DNA fields of a world object, for the DNA readers. The record itself lives with the
// world object in engine/, so the state dump and the fault report can read it.
#pragma once

#include "engine/tile_dna.h"

namespace formats {
using TileDna = ::TileDna;
}  // namespace formats
