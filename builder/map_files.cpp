#include "builder/map_files.h"

#include <algorithm>
#include <optional>

#include "builder/frame.h"
#include "builder/messages.h"
#include "builder/source_units.h"
#include "builder/tile_catalogue.h"
#include "formats/map_directory.h"

namespace builder {

namespace {
constexpr BuilderUnit kBuilderUnit = BuilderUnit::BUILDERio;

// Appends the records of one map file to the element table, stopping at its end.
// Returns false when records were left out.
bool appendTileRecords(Builder& builder, const std::vector<formats::BuilderTileRecord>& records) {
    BuilderState& state = builder.builderState;
    for (const formats::BuilderTileRecord& record : records) {
        if (std::int64_t{state.lastElement} + 1 >= elementCapacity(state)) return false;
        MapElement& element = elementSlot(state, state.lastElement + 1);
        state.lastElement += 1;
        state.highestElement = state.lastElement;
        element = MapElement{};
        const int type = findTileType(state, record.name);
        if (type >= 0) {
            const TileType& tile = BUILDER_AT(state.tiles, type);
            element.alive = tile.dna.validFlag;
            element.pictureName = tile.pictureName;
            element.sprite = tile.sprite;
            element.tileIndex = type;
            element.dna = tile.dna;
        } else {
            // No tile type at all: the element cannot be drawn and is not saved again.
            element.pictureName = record.name;
            element.tileIndex = record.tileIndex;
        }
        element.x = static_cast<float>(record.x);
        element.y = static_cast<float>(record.y);
        element.startX = element.x;
        element.startY = element.y;
        element.width = static_cast<float>(record.width);
        element.height = static_cast<float>(record.height);
        element.layer = record.layer;
        state.maxUsedLayer = std::max(state.maxUsedLayer, element.layer);
        if (element.dna.worldFStretch == 1.0f) {
            builder.screen.zoomSprite(element.sprite, state.screenWidth, state.screenHeight);
            element.x = 0.0f;
            element.y = 0.0f;
        }
    }
    return true;
}

void applyWorkMap(Builder& builder, const formats::BuilderMapText& map, std::string_view path) {
    BuilderState& state = builder.builderState;
    state.mapScrollX = map.viewOffsetX;
    state.mapScrollY = map.viewOffsetY;
    state.maxUsedLayer = 0;
    state.lastElement = -1;
    if (!appendTileRecords(builder, map.tiles)) {
        reportMapTooLarge(builder, path, static_cast<int>(elementCapacity(state)));
    }
    drawFrame(builder);
}

}  // namespace

std::vector<formats::TileRecord> aliveTileRecords(const BuilderState& state) {
    std::vector<formats::TileRecord> records;
    for (int i = 0; i <= state.lastElement; ++i) {
        const MapElement& element = BUILDER_AT(state.elements, i);
        if (element.alive == 0) continue;
        formats::TileRecord record;
        record.name = element.pictureName;
        record.tileIndex = element.tileIndex;
        record.x = element.x;
        record.y = element.y;
        record.width = element.width;
        record.height = element.height;
        record.layer = element.layer;
        records.push_back(std::move(record));
    }
    return records;
}

bool writeWorkMapFile(Builder& builder, std::string_view path) {
    return formats::writeMapFile(path, aliveTileRecords(builder.builderState));
}

void clearWorkMap(Builder& builder) {
    BuilderState& state = builder.builderState;
    for (int i = 0; i <= state.lastElement; ++i) {
        MapElement& element = BUILDER_AT(state.elements, i);
        element.sprite = 0;
        element.pictureName.clear();
    }
    loadTileCatalogue(builder);
    state.lastElement = -1;
}

bool loadWorkMapFile(Builder& builder, std::string_view path) {
    clearWorkMap(builder);
    const std::optional<formats::BuilderMapText> map = formats::readBuilderMapFile(path);
    if (!map) return false;
    applyWorkMap(builder, *map, path);
    return true;
}

bool loadSnapshot(Builder& builder, std::string_view path) {
    const std::optional<formats::BuilderMapText> map = formats::readBuilderMapFile(path);
    if (!map) return false;
    clearWorkMap(builder);
    applyWorkMap(builder, *map, path);
    return true;
}

void loadMapFolder(Builder& builder, std::string_view folder) {
    BuilderState& state = builder.builderState;
    clearWorkMap(builder);
    const formats::BuilderMapFolder map = formats::readBuilderMapFolder(folder);
    if (map.layerFilesRead > 0) {
        state.mapScrollX = map.viewOffsetX;
        state.mapScrollY = map.viewOffsetY;
    }
    if (!appendTileRecords(builder, map.tiles)) {
        reportMapTooLarge(builder, folder, static_cast<int>(elementCapacity(state)));
    }
    state.mapIdText = std::string(folder);
    drawFrame(builder);
}

bool saveMapFolder(Builder& builder, std::string_view folder) {
    const BuilderState& state = builder.builderState;
    const std::vector<formats::TileRecord> records = aliveTileRecords(state);
    formats::MapDirectorySave request;
    request.directory = folder;
    request.records = records;
    request.highestLayer = state.maxUsedLayer;
    request.lastElementIndex = state.lastElement;
    request.graphicsDirectory = state.gfxPath;
    request.pictureExtension = state.gfxCodec;
    const formats::MapDirectorySaveResult result = formats::saveMapDirectory(request);
    if (result.complete()) return true;
    std::string names;
    for (const std::string& path : result.filesFailed)
        names += (names.empty() ? "" : "\n") + path;
    reportWriteFailure(builder, "Save Map NEW Format:", names);
    return false;
}

std::string folderWithSeparator(std::string_view folder) {
    std::string path(folder);
    if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
    return path;
}

}  // namespace builder
