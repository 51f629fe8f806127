// The tile palette of the tile window: every tile type as a 32 x 32 picture, in catalogue
// order, row after row as wide as the window; a click on a picture chooses the tile that
// the left button places and shows its DNA.
#pragma once

#include "builder/builder_state.h"

namespace builder {

inline constexpr int kPaletteCell = 32;
inline constexpr media::Argb kPaletteGround = media::makeArgb(255, 200, 200, 200);

// Stores every tile type's palette position for a palette area innerWidth pixels wide. A
// type without a palette image takes the position of the next picture.
void layoutTilePalette(BuilderState& state, int innerWidth);

// Lays the palette out for the tile window's width and shows it there.
void drawTilePalette(Builder& builder);

// The tile type whose picture holds x, y strictly inside its cell (the cell's first column
// and row choose nothing), -1 for none.
int paletteTileAt(const BuilderState& state, int x, int y);

// A left click at x, y in the palette area: selects the tile, titles the tile window and
// shows the tile's DNA. False when no picture was hit.
bool chooseTile(Builder& builder, int x, int y);

}  // namespace builder
