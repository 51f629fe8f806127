// The map file: two view-offset lines, eight-line "TILE" records, the end marker.
//
// One syntax serves a layer file of a map directory (the records of one layer) and the
// single-file map (the records of all layers, each record's last line naming its layer).
// The game reads positions and sizes as floats (a fraction survives); the builder reads
// them as integers (a fraction is dropped). Both skip every line between records that is
// not "TILE" and stop after the end marker or at the end of the text; a record cut short
// by the end reads its missing lines as "".
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

inline constexpr std::string_view kTileKeyword = "TILE";
inline constexpr std::string_view kMapEndMarker = "ENGINETILEINFOEND";

// One placed tile as the game reads it, and as both programs write it.
struct TileRecord {
    std::string name;
    // The builder's catalogue index at save time ("0" in the level cache). No reader acts
    // on it; it is kept so that a map read and written again stays byte for byte the same.
    std::int32_t tileIndex = 0;
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    std::int32_t layer = 0;
};

// One placed tile as the builder reads it: every number an integer.
struct BuilderTileRecord {
    std::string name;
    std::int32_t tileIndex = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t layer = 0;
};

// The content of one layer file or single-file map.
template <class Record>
struct MapText {
    std::int32_t viewOffsetX = 0;
    std::int32_t viewOffsetY = 0;
    std::vector<Record> tiles;
};
using GameMapText = MapText<TileRecord>;
using BuilderMapText = MapText<BuilderTileRecord>;

GameMapText parseGameMapText(std::string_view bytes);
BuilderMapText parseBuilderMapText(std::string_view bytes);

// nullopt when the file cannot be opened.
std::optional<GameMapText> readGameMapFile(std::string_view path);
std::optional<BuilderMapText> readBuilderMapFile(std::string_view path);

// "0", "0", the records in the given order (each with its own layer), the end marker.
std::string formatMapText(std::span<const TileRecord> records);
// A layer file: the records given, in that order, each written with the layer's number as
// its last line.
std::string formatLayerText(std::span<const TileRecord* const> records, std::int32_t layer);
// A single-file map, replaced as a whole: a failed write leaves the old file intact and
// returns false.
bool writeMapFile(std::string_view path, std::span<const TileRecord> records);

}  // namespace formats
