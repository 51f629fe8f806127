#include "builder/tile_catalogue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "builder/source_units.h"
#include "engine/media/pictures.h"
#include "formats/tile_catalogue_scan.h"
#include "formats/tile_paths.h"

namespace builder {

namespace {
constexpr BuilderUnit kBuilderUnit = BuilderUnit::BUILDERGFXLIB;

media::ColourKey tileColourKey(const BuilderState& state) {
    media::ColourKey key;
    key.enabled = true;
    key.red = static_cast<std::uint8_t>(state.transparentRed & 0xFF);
    key.green = static_cast<std::uint8_t>(state.transparentGreen & 0xFF);
    key.blue = static_cast<std::uint8_t>(state.transparentBlue & 0xFF);
    return key;
}

void loadTilePicture(Builder& builder, TileType& tile) {
    const BuilderState& state = builder.builderState;
    const std::string path = state.gfxPath + tile.pictureName + state.gfxCodec;
    std::optional<media::Image> image = media::decodePicture(path, tileColourKey(state));
    if (!image) return;
    tile.paletteImage = builder.screen.addPicture(std::move(*image));
    tile.sprite = builder.screen.makeSprite(tile.paletteImage);
    tile.width = static_cast<float>(builder.screen.pictureWidth(tile.paletteImage));
    tile.height = static_cast<float>(builder.screen.pictureHeight(tile.paletteImage));
}
}  // namespace

void releaseTileCatalogue(Builder& builder) {
    for (TileType& tile : builder.builderState.tiles) {
        if (tile.sprite != 0) builder.screen.freeSprite(tile.sprite);
        if (tile.paletteImage != 0) builder.screen.freePicture(tile.paletteImage);
        tile.sprite = 0;
        tile.paletteImage = 0;
    }
}

void readTileDna(Builder& builder, int index) {
    TileType& tile = BUILDER_AT(builder.builderState.tiles, index);
    tile.dnaPath = formats::tileFilePath(builder.builderState.gfxPath, tile.pictureName,
                                         formats::kDnaExtension);
    formats::readBuilderDnaFile(tile.dnaPath, tile.dna);
}

void loadTileCatalogue(Builder& builder) {
    BuilderState& state = builder.builderState;
    releaseTileCatalogue(builder);
    const std::vector<std::string> names =
        formats::scanTileCatalogue(state.gfxPath, state.gfxCodec);
    state.tiles.resize(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        TileType& tile = state.tiles[i];
        tile.pictureName = names[i];
        tile.dnaPath.clear();
        tile.width = 0.0f;
        tile.height = 0.0f;
        loadTilePicture(builder, tile);
    }
    for (std::size_t i = 0; i < names.size(); ++i)
        readTileDna(builder, static_cast<int>(i));
}

int findTileType(const BuilderState& state, std::string_view pictureName) {
    for (std::size_t i = 0; i < state.tiles.size(); ++i) {
        if (state.tiles[i].pictureName == pictureName) return static_cast<int>(i);
    }
    return static_cast<int>(state.tiles.size()) - 1;
}

}  // namespace builder
