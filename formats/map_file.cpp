#include "formats/map_file.h"

#include "engine/base/text_values.h"
#include "engine/media/files.h"
#include "formats/text_lines.h"

namespace formats {

namespace {

constexpr int kRecordBodyLines = 7;

// A float line. Lines that are a plain integer of up to nine digits (what every writer
// writes) are converted directly: the integer is exact, and converting it to float rounds
// to nearest even just as the decimal conversion does, so the result is the same.
float readFloat(std::string_view line) {
    std::size_t i = 0;
    const bool negative = !line.empty() && line[0] == '-';
    if (negative || (!line.empty() && line[0] == '+')) i = 1;
    const std::size_t digits = line.size() - i;
    if (digits == 0 || digits > 9) return base::parseFloat(line);
    std::int32_t value = 0;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c < '0' || c > '9') return base::parseFloat(line);
        value = value * 10 + (c - '0');
    }
    const auto magnitude = static_cast<float>(value);
    return negative ? -magnitude : magnitude;  // "-0" gives -0, as the conversion does
}

// Walks the records of a map text; onRecord receives the seven body lines of every "TILE"
// record (name, tile index, X, Y, width, height, layer).
template <class Map, class OnRecord>
Map parseMapText(std::string_view bytes, OnRecord onRecord) {
    Map map;
    // A typical record takes some 45 bytes; the estimate only saves regrowing the table.
    map.tiles.reserve(bytes.size() / 48);
    media::LineReader lines(bytes);
    map.viewOffsetX = base::parseInteger(lines.next());
    map.viewOffsetY = base::parseInteger(lines.next());
    while (!lines.atEnd()) {
        const std::string_view line = lines.next();
        if (line == kMapEndMarker) break;
        if (line != kTileKeyword) continue;  // stray lines between records are skipped
        std::string_view body[kRecordBodyLines];
        for (auto& bodyLine : body)
            bodyLine = lines.next();
        map.tiles.push_back(onRecord(body));
    }
    return map;
}

}  // namespace

GameMapText parseGameMapText(std::string_view bytes) {
    return parseMapText<GameMapText>(bytes, [](const std::string_view* body) {
        TileRecord tile;
        tile.name.assign(body[0]);
        tile.tileIndex = base::parseInteger(body[1]);
        tile.x = readFloat(body[2]);
        tile.y = readFloat(body[3]);
        tile.width = readFloat(body[4]);
        tile.height = readFloat(body[5]);
        tile.layer = base::parseInteger(body[6]);
        return tile;
    });
}

BuilderMapText parseBuilderMapText(std::string_view bytes) {
    return parseMapText<BuilderMapText>(bytes, [](const std::string_view* body) {
        BuilderTileRecord tile;
        tile.name.assign(body[0]);
        tile.tileIndex = base::parseInteger(body[1]);
        tile.x = base::parseInteger(body[2]);
        tile.y = base::parseInteger(body[3]);
        tile.width = base::parseInteger(body[4]);
        tile.height = base::parseInteger(body[5]);
        tile.layer = base::parseInteger(body[6]);
        return tile;
    });
}

std::optional<GameMapText> readGameMapFile(std::string_view path) {
    const auto bytes = media::readWholeFile(path);
    if (!bytes) return std::nullopt;
    return parseGameMapText(*bytes);
}

std::optional<BuilderMapText> readBuilderMapFile(std::string_view path) {
    const auto bytes = media::readWholeFile(path);
    if (!bytes) return std::nullopt;
    return parseBuilderMapText(*bytes);
}

namespace {

void writeRecord(LineWriter& out, const TileRecord& tile, std::int32_t layer) {
    out.line(kTileKeyword);
    out.line(tile.name);
    out.line(tile.tileIndex);
    out.lineRounded(tile.x);
    out.lineRounded(tile.y);
    out.lineRounded(tile.width);
    out.lineRounded(tile.height);
    out.line(layer);
}

}  // namespace

std::string formatMapText(std::span<const TileRecord> records) {
    LineWriter out;
    out.line(0);
    out.line(0);
    for (const TileRecord& tile : records)
        writeRecord(out, tile, tile.layer);
    out.line(kMapEndMarker);
    return out.take();
}

std::string formatLayerText(std::span<const TileRecord* const> records, std::int32_t layer) {
    LineWriter out;
    out.line(0);
    out.line(0);
    for (const TileRecord* tile : records)
        writeRecord(out, *tile, layer);
    out.line(kMapEndMarker);
    return out.take();
}

bool writeMapFile(std::string_view path, std::span<const TileRecord> records) {
    return media::replaceFileContents(path, formatMapText(records));
}

}  // namespace formats
