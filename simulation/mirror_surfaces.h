// Mirror surfaces, drawn after every object of the frame: each visible mirror object grabs
// the neighbouring part of the frame drawn so far and shows it squeezed into its own
// rectangle, with its worldFTileIsMirror value as the alpha. One picture and sprite pair
// serves every surface and is replaced for each.
#pragma once

#include <cstdint>
#include <string_view>

namespace simulation {

// Every draw-list entry that is a mirror (worldFTileIsMirror > 0) and visible in this
// frame, in list order. Skipped while the mirror pass is switched off (F10) or the level
// has no mirror.
void drawMirrors();

// One surface of object i on the named side: "LEFT", "RIGHT", "TOP", "DOWN" or "FLOOR";
// another text draws nothing. A grab that finds nothing on the screen draws nothing.
void mirrorSurface(std::int32_t objectIndex, std::string_view side);

// Frees the mirror picture and sprite (the level unload calls this).
void releaseMirrorSprites();

}  // namespace simulation
