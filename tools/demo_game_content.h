// The demo game beyond its title screens: tiles, animation containers, shadows, the font,
// the menu, the levels, the end screens, the sounds and the music, written into the demo
// folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formats/map_file.h"
#include "tools/demo_content_writer.h"
#include "tools/demo_sprites.h"

namespace demo {

// Every tile of the game's maps (the title tiles aside), pictures and DNA.
std::vector<GameTile> allGameTiles();

// The hint on the last title screen (map 1000), which waits for Escape.
formats::TileRecord titleHintRecord();

// Writes everything but the tiles' pictures and DNA files (which the caller writes with
// the title's): animation frames, shadows, glyphs and the character list, the maps, the
// sounds and the music, and the empty level cache. catalogue: every tile name, sorted (the
// builder's catalogue index goes into each map record). titleMusic: reused for the menu
// and the closing screen.
void writeGameContent(ContentWriter& out, const std::vector<std::string>& catalogue,
                      const std::optional<std::string>& titleMusic);

}  // namespace demo
