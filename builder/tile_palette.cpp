#include "builder/tile_palette.h"

#include <string>
#include <vector>

#include "builder/dna_window.h"
#include "builder/source_units.h"

namespace builder {

namespace {
constexpr BuilderUnit kBuilderUnit = BuilderUnit::BUILDERTILEMENU;
}  // namespace

void layoutTilePalette(BuilderState& state, int innerWidth) {
    int x = 0;
    int y = 0;
    for (TileType& tile : state.tiles) {
        tile.paletteX = x;
        tile.paletteY = y;
        if (tile.paletteImage == 0) continue;
        x += kPaletteCell;
        if (innerWidth - kPaletteCell < x) {
            x = 0;
            y += kPaletteCell;
        }
    }
}

void drawTilePalette(Builder& builder) {
    BuilderState& state = builder.builderState;
    layoutTilePalette(state, builder.host.tilePaletteWidth());
    std::vector<PalettePicture> pictures;
    for (const TileType& tile : state.tiles) {
        const media::Image* image = builder.screen.picture(tile.paletteImage);
        if (tile.paletteImage != 0 && image != nullptr)
            pictures.push_back({tile.paletteX, tile.paletteY, image});
    }
    builder.host.showTilePalette(pictures);
}

int paletteTileAt(const BuilderState& state, int x, int y) {
    for (std::size_t i = 0; i < state.tiles.size(); ++i) {
        const TileType& tile = state.tiles[i];
        if (tile.paletteImage == 0) continue;
        if (tile.paletteX < x && x < tile.paletteX + kPaletteCell && tile.paletteY < y &&
            y < tile.paletteY + kPaletteCell) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool chooseTile(Builder& builder, int x, int y) {
    BuilderState& state = builder.builderState;
    const int index = paletteTileAt(state, x, y);
    if (index < 0) return false;
    state.selectedTile = index;
    builder.host.setWindowTitle(WindowId::Tiles,
                                "Tile:" + std::to_string(index) + "MAP: " + state.workMapFile);
    const TileType& tile = BUILDER_AT(state.tiles, index);
    showTileDna(builder, state.gfxPath + tile.pictureName);
    return true;
}

}  // namespace builder
