#include "tools/stress_level.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "engine/media/files.h"
#include "engine/media/image.h"
#include "engine/media/pictures.h"
#include "formats/dna_apply.h"
#include "formats/dna_file.h"
#include "formats/map_directory.h"
#include "formats/tile_paths.h"
#include "tools/content_folders.h"

namespace stress {
namespace {

constexpr std::string_view kPng = ".png";
constexpr int kTileSide = 32;
constexpr int kAnimationFrames = 4;
constexpr std::string_view kAnimationContainer = "STRESS_ANIM";
constexpr std::array<std::string_view, 5> kDirections = {"LEFT", "RIGHT", "UP", "DOWN", "DEFAULT"};
// Floors cover the screen in kFloorColumns x kFloorRows tiles; walls frame it.
constexpr int kFloorColumns = 8;
constexpr int kFloorRows = 4;
constexpr int kFrameWalls = 4;
constexpr float kWallThickness = 16.0f;

// The step directions of the walker tiles, one per tile in turn.
constexpr std::array<std::array<int, 2>, 8> kHeadings = {
    {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}}};

class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed * 2 + 1) {}
    std::uint32_t next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33);
    }
    int below(int n) {
        return n <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint32_t>(n));
    }

  private:
    std::uint64_t state_;
};

enum class Role : std::uint8_t { Walker, Wall, Floor, Mirror, Animated, Decoration };

struct Tile {
    std::string name;
    Role role;
    std::vector<formats::DnaPair> dna;
};

struct Writer {
    int failures = 0;
    void check(bool ok, const std::string& path) {
        if (ok) return;
        ++failures;
        std::fprintf(stderr, "stress level: cannot write %s\n", path.c_str());
    }
    // Creates the folders of relative below root, one level at a time; the path with a
    // trailing separator.
    std::string directory(const std::string& root, std::string_view relative) {
        return content::createFolders(root, relative);
    }
};

std::string withSlash(std::string folder) {
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) folder += '/';
    return folder;
}

media::Image tilePicture(std::uint32_t colour, bool keyed) {
    media::Image image;
    image.width = kTileSide;
    image.height = kTileSide;
    image.pixels.resize(static_cast<std::size_t>(kTileSide) * kTileSide);
    for (int y = 0; y < kTileSide; ++y) {
        for (int x = 0; x < kTileSide; ++x) {
            const bool edge = x < 2 || y < 2 || x >= kTileSide - 2 || y >= kTileSide - 2;
            const bool corner = keyed && (x + y < 6 || x + y > 2 * kTileSide - 8);
            std::uint32_t pixel = edge ? media::makeArgb(255, 20, 20, 20) : colour;
            if (corner) pixel = media::makeArgb(255, 0, 255, 0);  // keyed out
            image.at(x, y) = pixel;
        }
    }
    return image;
}

std::vector<Tile> makeTiles(const StressLevel& level) {
    const int names = std::max(6, level.tileNames);
    const int walkers = std::clamp(names / 25, 1, static_cast<int>(kHeadings.size()));
    const int walls = std::max(1, names / 5);
    const int mirrors = std::max(1, names / 50);
    const int animated = std::max(1, names / 50);
    const int floors = 1;
    std::vector<Tile> tiles;
    auto add = [&tiles](std::string_view prefix, int n, Role role,
                        std::vector<formats::DnaPair> dna) {
        tiles.push_back({std::string(prefix) + std::to_string(n), role, std::move(dna)});
    };
    for (int n = 0; n < walkers; ++n) {
        const auto& heading = kHeadings[static_cast<std::size_t>(n)];
        add("STRESS_WALKER_", n, Role::Walker,
            {{"worldFTileIDString", "DEFAULTZOMBIE"},
             {"worldFTileCollision", "1"},
             {"worldFTileVELO", "2"},
             {"worldFTileMoveH", std::to_string(heading[0])},
             {"worldFTileMoveV", std::to_string(heading[1])},
             {"hp", "100"}});
    }
    for (int n = 0; n < walls; ++n)
        add("STRESS_WALL_", n, Role::Wall,
            {{"worldFTileIDString", "NOGO"}, {"worldFTileCollision", "1"}});
    for (int n = 0; n < floors; ++n)
        add("STRESS_FLOOR_", n, Role::Floor,
            {{"worldFTileIDString", "BODEN"}, {"worldFTileCollision", "1"}});
    for (int n = 0; n < mirrors; ++n)
        add("STRESS_MIRROR_", n, Role::Mirror,
            {{"worldFTileIsMirror", "1"}, {"worldFTileTransparency", "160"}});
    for (int n = 0; n < animated; ++n)
        add("STRESS_ANIMATED_", n, Role::Animated,
            {{"animContainer", std::string(kAnimationContainer)},
             {"animTimer", "100"},
             {"animAutoPlay", "1"}});
    for (int n = 0; static_cast<int>(tiles.size()) < names; ++n) {
        std::vector<formats::DnaPair> dna;
        if (n % 4 == 0) dna = {{"worldFTileRotate", "0.02"}};
        if (n % 4 == 1) dna = {{"worldFTileTransparency", "200"}};
        add("STRESS_DECOR_", n, Role::Decoration, std::move(dna));
    }
    return tiles;
}

// The names of one role, in tile order.
std::vector<const Tile*> ofRole(const std::vector<Tile>& tiles, Role role) {
    std::vector<const Tile*> found;
    for (const Tile& tile : tiles)
        if (tile.role == role) found.push_back(&tile);
    return found;
}

struct Counts {
    int walkers, wallsOn, wallsOff, mirrors, animated, decorOn, decorOff;
};

Counts countsOf(const StressLevel& level) {
    const int fixed = kFloorColumns * kFloorRows + kFrameWalls;
    Counts c{};
    const int objects = std::max(level.objects, fixed);
    const int onScreen = std::clamp(level.onScreen, fixed, objects);
    c.walkers = std::clamp(level.movers, 0, onScreen - fixed);
    c.mirrors = std::clamp(level.mirrors, 0, onScreen - fixed - c.walkers);
    c.animated = std::clamp(level.animated, 0, onScreen - fixed - c.walkers - c.mirrors);
    const int restOn = onScreen - fixed - c.walkers - c.mirrors - c.animated;
    const int walls = std::max(0, level.colliders - fixed - c.walkers);
    c.wallsOn = std::min(walls, restOn / 3);
    c.decorOn = restOn - c.wallsOn;
    c.wallsOff = std::min(walls - c.wallsOn, objects - onScreen);
    c.decorOff = objects - onScreen - c.wallsOff;
    return c;
}

std::vector<formats::TileRecord> makeRecords(const StressLevel& level,
                                             const std::vector<Tile>& tiles) {
    Random random(level.seed);
    const auto w = static_cast<float>(level.screenWidth);
    const auto h = static_cast<float>(level.screenHeight);
    const Counts c = countsOf(level);
    std::vector<formats::TileRecord> records;
    auto place = [&records](const Tile* tile, float x, float y, float width, float height,
                            std::int32_t layer) {
        records.push_back({tile->name, 0, x, y, width, height, layer});
    };
    auto pickOf = [&random](const std::vector<const Tile*>& list) {
        return list[static_cast<std::size_t>(random.below(static_cast<int>(list.size())))];
    };
    auto onX = [&random, w](float size) {
        return kWallThickness +
               static_cast<float>(random.below(static_cast<int>(w - 2 * kWallThickness - size)));
    };
    auto onY = [&random, h](float size) {
        return kWallThickness +
               static_cast<float>(random.below(static_cast<int>(h - 2 * kWallThickness - size)));
    };
    auto offX = [&random, w]() {
        return w + 200.0f + static_cast<float>(random.below(static_cast<int>(6 * w)));
    };
    auto offY = [&random, h]() {
        return -h + static_cast<float>(random.below(static_cast<int>(3 * h)));
    };

    const auto floors = ofRole(tiles, Role::Floor);
    const auto walls = ofRole(tiles, Role::Wall);
    const auto walkers = ofRole(tiles, Role::Walker);
    const auto mirrors = ofRole(tiles, Role::Mirror);
    const auto animated = ofRole(tiles, Role::Animated);
    const auto decor = ofRole(tiles, Role::Decoration);

    // Layer 0: the floors under everything (listed first, so a walker is passed on the
    // floor before a wall blocks it), and decoration.
    const float floorW = w / kFloorColumns;
    const float floorH = h / kFloorRows;
    for (int row = 0; row < kFloorRows; ++row)
        for (int column = 0; column < kFloorColumns; ++column)
            place(floors.front(), static_cast<float>(column) * floorW,
                  static_cast<float>(row) * floorH, floorW, floorH, 0);
    for (int n = 0; n < c.decorOn; ++n)
        place(pickOf(decor), onX(32), onY(32), 32, 32, 0);
    for (int n = 0; n < c.decorOff; ++n)
        place(pickOf(decor), offX(), offY(), 32, 32, 0);
    // Layer 1: walls, the frame first.
    place(walls.front(), 0, 0, w, kWallThickness, 1);
    place(walls.front(), 0, h - kWallThickness, w, kWallThickness, 1);
    place(walls.front(), 0, 0, kWallThickness, h, 1);
    place(walls.front(), w - kWallThickness, 0, kWallThickness, h, 1);
    for (int n = 0; n < c.wallsOn; ++n)
        place(pickOf(walls), onX(32), onY(32), 32, 32, 1);
    for (int n = 0; n < c.wallsOff; ++n)
        place(pickOf(walls), offX(), offY(), 32, 32, 1);
    // Layer 2: mirrors and animated objects; layer 3: the walkers.
    for (int n = 0; n < c.mirrors; ++n)
        place(pickOf(mirrors), onX(96), onY(64), 96, 64, 2);
    for (int n = 0; n < c.animated; ++n)
        place(pickOf(animated), onX(32), onY(32), 32, 32, 2);
    for (int n = 0; n < c.walkers; ++n)
        place(pickOf(walkers), onX(20), onY(20), 20, 20, 3);
    return records;
}

std::uint32_t colourOf(std::size_t n) {
    return media::makeArgb(255, static_cast<int>(40 + n * 53 % 200),
                           static_cast<int>(40 + n * 97 % 200),
                           static_cast<int>(40 + n * 31 % 200));
}

void writeAnimation(Writer& out, const std::string& data) {
    for (std::string_view direction : kDirections) {
        const std::string folder = out.directory(
            data, "ANIM/" + std::string(kAnimationContainer) + "/" + std::string(direction));
        for (int frame = 1; frame <= kAnimationFrames; ++frame) {
            const std::string path = folder + std::to_string(frame) + std::string(kPng);
            out.check(
                media::writePng(
                    path, tilePicture(colourOf(static_cast<std::size_t>(frame) * 7), true), false),
                path);
        }
    }
}

void writeCore(Writer& out, const std::string& root, const StressLevel& level) {
    const std::string core = out.directory(root, "CORE");
    auto file = [&out, &core](std::string_view name, std::string_view text) {
        const std::string path = core + std::string(name);
        out.check(media::replaceFileContents(path, text), path);
    };
    auto lines = [](std::initializer_list<std::pair<std::string_view, std::string>> rows) {
        std::string text;
        for (const auto& [key, value] : rows)
            text.append(key).append("\r\n").append(value).append("\r\n");
        return text;
    };
    file("ini.crc", lines({{"SYSTEMTEXT", "CORE\\SYSTEMTEXT.txt"},
                           {"CODECS", "CORE\\codecs.txt"},
                           {"PATH", "CORE\\session.log"},
                           {"ERRORPATH", "CORE\\errors.log"},
                           {"WARNINGS", "CORE\\warnings.log"},
                           {"USEDEBUGLOG", "0"},
                           {"SOUNDPATH", ".\\DATA\\SOUND\\"},
                           {"GFX", ".\\DATA\\GFX\\"},
                           {"EFFECT_GFX", ".\\DATA\\FX\\"},
                           {"ANIMSYSTEM", ".\\DATA\\ANIM\\"},
                           {"SIMCORE", ".\\DATA\\MAPS\\"},
                           {"CACHE", ".\\DATA\\CACHE\\"},
                           {"SOURCEWIDTH", std::to_string(level.screenWidth)},
                           {"SOURCEHEIGHT", std::to_string(level.screenHeight)},
                           {"FULLSCREEN", "1"},
                           {"VERSION", "STRESS 1.0"},
                           {"TIMERBASE", "50"},
                           {"MULTITASK", "0"},
                           {"SCRSWITCHMS", "3000"},
                           {"MAXANIMFRAMES", std::to_string(kAnimationFrames)},
                           {"APPSMOOTH", std::to_string(level.appSmooth)},
                           {"APPENTRY", std::to_string(level.map)}}));
    file(
        "user.crc",
        lines(
            {{"USEWINDOWHD", "0"}, {"WINDOWW", "1280"}, {"WINDOWH", "720"}, {"CLEARSCREEN", "1"}}));
    file("codecs.txt", lines({{"GFXCODEC", ""},
                              {".png", ""},
                              {"SOUNDCODEC", ""},
                              {".ogg", ""},
                              {"MUSICCODEC", ""},
                              {".ogg", ""}}));
    file("SYSTEMTEXT.txt",
         lines({{"#ERROR_UNKNOWN", "An unknown error occurred."},
                {"#ERROR_INIT_IO", "The file system could not be prepared."},
                {"#ERROR_INIT_2D_GFX", "The 2D graphics could not be started."},
                {"#ERROR_INIT_3D_GFX", "The 3D sprite graphics could not be started."},
                {"#ERROR_INIT_UI", "The user interface could not be started."},
                {"#ERROR_INIT_SOUND", "The sound system could not be started."},
                {"#ERROR_INIT_INIT", "The configuration files could not be read."},
                {"#ERROR_OPEN_DEVELOPER_WINDOW", "The developer window could not be opened."},
                {"#ERROR_OPEN_WORLD_SCREEN", "The game window or its screen could not be opened."},
                {"#ERROR_CREATE_CACHE", "The level cache could not be created."}}));
}

}  // namespace

int writeStressData(const std::string& dataFolder, const StressLevel& level) {
    Writer out;
    const std::string data = withSlash(dataFolder);
    media::createDirectory(data);
    const std::string gfx = out.directory(data, "GFX");
    out.directory(data, "CACHE");
    out.directory(data, "SOUND");
    const std::vector<Tile> tiles = makeTiles(level);
    for (std::size_t n = 0; n < tiles.size(); ++n) {
        const Tile& tile = tiles[n];
        const std::string picture = formats::tileFilePath(gfx, tile.name, kPng);
        out.check(
            media::writePng(picture, tilePicture(colourOf(n), tile.role != Role::Floor), false),
            picture);
        const std::string dna = formats::tileFilePath(gfx, tile.name, formats::kDnaExtension);
        out.check(formats::writeDnaFile(dna, tile.dna), dna);
    }
    const std::string master = formats::tileFilePath(gfx, "DNA", formats::kDnaExtension);
    out.check(formats::writeDnaFile(master, content::masterDnaRows()), master);
    writeAnimation(out, data);

    std::vector<std::string_view> catalogue;
    for (const Tile& tile : tiles)
        catalogue.push_back(tile.name);
    std::sort(catalogue.begin(), catalogue.end());
    std::vector<formats::TileRecord> records = makeRecords(level, tiles);
    std::int32_t highestLayer = 0;
    for (formats::TileRecord& record : records) {
        const auto found = std::lower_bound(catalogue.begin(), catalogue.end(), record.name);
        record.tileIndex = static_cast<std::int32_t>(found - catalogue.begin());
        highestLayer = std::max(highestLayer, record.layer);
    }
    const std::string mapDirectory = out.directory(data, "MAPS/" + std::to_string(level.map));
    formats::MapDirectorySave request;
    request.directory = mapDirectory;
    request.records = records;
    request.highestLayer = highestLayer;
    request.lastElementIndex = static_cast<std::int32_t>(records.size()) - 1;
    request.graphicsDirectory = gfx;
    request.pictureExtension = kPng;
    const formats::MapDirectorySaveResult saved = formats::saveMapDirectory(request);
    if (!saved.complete()) out.check(false, mapDirectory);
    return out.failures;
}

int writeStressGame(const std::string& folder, const StressLevel& level) {
    Writer out;
    const std::string root = withSlash(folder);
    media::createDirectory(root);
    writeCore(out, root, level);
    return out.failures + writeStressData(root + "DATA", level);
}

}  // namespace stress
