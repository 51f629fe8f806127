// Writes the content of the bundled demo into a demo folder (the one holding CORE):
//
//     rz_make_demo_content demo
//
// DATA\GFX\    the tile pictures (PNG, pure green keyed out), their DNA files and the
//              master DNA file "DNA.dll"
// DATA\MAPS\   the title screens 1003, 1002, 1001 and 1000 (the same scene each), the
//              menu 999, the levels 0 to 10 and the end screens 4096 and 4095, as map
//              directories with layer files and "_"
// DATA\SOUND\  the music "#L" + map number and the object sounds
// DATA\ANIM\, DATA\FX\, DATA\FONT\, DATA\CACHE\  animation frames, shadows, the
//              font's glyphs and character list, the empty level cache
// _DATA\      the map builder's configuration chain: DARA started in the demo folder
//              shows the demo's tiles and uses the game's master DNA file
//
// Everything is drawn, composed and synthesised here without random input, so running the
// tool again gives the same files. Existing files are replaced; nothing is deleted.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/map_ids.h"
#include "engine/media/image.h"
#include "engine/media/pictures.h"
#include "formats/dna_apply.h"
#include "formats/dna_file.h"
#include "formats/map_directory.h"
#include "formats/tile_paths.h"
#include "tools/content_folders.h"
#include "tools/demo_content_writer.h"
#include "tools/demo_game_content.h"
#include "tools/demo_music.h"
#include "tools/demo_paint.h"
#include "tools/demo_pictures.h"

namespace {

constexpr std::string_view kPictureExtension = ".png";
constexpr std::string_view kMusicExtension = ".ogg";
// The title sequence runs 1003 -> 1002 -> 1001 -> 1000; the demo starts at 1003.
constexpr std::int32_t kTitleMaps[] = {engine::kTitleSequenceStart, 1002, 1001,
                                       engine::kTitleScreen};

struct Tile {
    std::string_view name;
    media::Image picture;
    std::vector<formats::DnaPair> dna;  // the tile's own pairs; the rest comes from DNA.dll
};

// Every tile is switched on; what it does besides is listed per tile.
std::vector<formats::DnaPair> dnaOf(std::vector<formats::DnaPair> pairs) {
    pairs.insert(pairs.begin(), {"worldFTileIsActive", "1"});
    return pairs;
}

std::vector<Tile> demoTiles() {
    using media::makeArgb;
    std::vector<Tile> tiles;
    tiles.push_back({"DEMO_SKY", demo::skyPicture(), dnaOf({{"worldFTileTransparency", "255"}})});
    tiles.push_back(
        {"DEMO_HILLS", demo::hillsPicture(), dnaOf({{"worldFTileTransparency", "255"}})});
    // Twinkling: switched off in about one frame of five.
    tiles.push_back({"DEMO_STAR", demo::smallStarPicture(),
                     dnaOf({{"worldFTileTransparency", "255"}, {"worldFTileFlire", "4"}})});
    // Rarer blinks, and jerky turns: a quarter turn in about one frame of nine.
    tiles.push_back({"DEMO_SPARK", demo::crossStarPicture(),
                     dnaOf({{"worldFTileTransparency", "230"},
                            {"worldFTileFlire", "12"},
                            {"worldFTileRotate", "0.785398"},
                            {"worldFTileRandomRotate", "8"}})});
    // Slow, steady turn.
    tiles.push_back({"DEMO_BIGSTAR", demo::bigStarPicture(),
                     dnaOf({{"worldFTileTransparency", "210"}, {"worldFTileRotate", "0.03"}})});
    tiles.push_back({"DEMO_HALO", demo::haloPicture(),
                     dnaOf({{"worldFTileTransparency", "130"}, {"worldFTileRotate", "-0.012"}})});
    tiles.push_back({"DEMO_EMBLEM", demo::emblemPicture(),
                     dnaOf({{"worldFTileTransparency", "255"}, {"worldFTileRotate", "0.02"}})});
    // Fades in over about 100 frames.
    tiles.push_back({"DEMO_TITLE",
                     demo::pixelText("RERIZUVA", makeArgb(255, 255, 236, 140),
                                     makeArgb(255, 235, 120, 40), makeArgb(255, 40, 12, 50)),
                     dnaOf({{"worldFTileTransparency", "255"},
                            {"worldFTileFadeIn", "255"},
                            {"worldFTileFadeInStep", "-2.5"}})});
    // Starts further down: it shows only once the title is half there.
    tiles.push_back({"DEMO_SUBTITLE",
                     demo::pixelText("ENGINE DEMO", makeArgb(255, 200, 230, 255),
                                     makeArgb(255, 120, 160, 240), makeArgb(255, 20, 12, 40)),
                     dnaOf({{"worldFTileTransparency", "220"},
                            {"worldFTileFadeIn", "400"},
                            {"worldFTileFadeInStep", "-4"}})});
    // Shrinks to nothing from the right, then starts again at its full width.
    tiles.push_back(
        {"DEMO_SWEEP", demo::sweepPicture(),
         dnaOf({{"worldFTileTransparency", "200"}, {"worldFTileExpansionValueH", "-4"}})});
    // A white flash that fades away and is switched off for good by its live time at the
    // second turn of the frame cycle.
    tiles.push_back({"DEMO_FLASH", demo::flashPicture(),
                     dnaOf({{"worldFTileTransparency", "230"},
                            {"worldFTileFadeOut", "1"},
                            {"worldFTileFadeOutStep", "-8"},
                            {"worldFTileinGameLiveTime", "2"},
                            {"worldFTileinGameLiveTimeCounter", "1"}})});
    return tiles;
}

// A small fixed generator, so that the star field is the same on every run.
class Scatter {
  public:
    float next(float low, float high) { return low + (high - low) * noise_.next(); }

  private:
    demo::Noise noise_{1003};
};

struct Layers {
    static constexpr std::int32_t kSky = 0;
    static constexpr std::int32_t kStars = 1;
    static constexpr std::int32_t kHalo = 2;
    static constexpr std::int32_t kEmblem = 3;
    static constexpr std::int32_t kHills = 4;
    static constexpr std::int32_t kTitle = 5;
    static constexpr std::int32_t kFlash = 6;
};

// The title scene in design pixels (800 x 600). What matters stays above y 540, which a
// 16:9 screen still shows.
std::vector<formats::TileRecord> titleScene() {
    std::vector<formats::TileRecord> records;
    auto place = [&](std::string_view name, float x, float y, float w, float h,
                     std::int32_t layer) {
        records.push_back({std::string(name), 0, x, y, w, h, layer});
    };
    place("DEMO_SKY", 0, 0, 800, 600, Layers::kSky);

    struct StarKind {
        std::string_view name;
        int count;
        float minSize, maxSize;
    };
    constexpr StarKind kStars[] = {
        {"DEMO_STAR", 30, 9, 15}, {"DEMO_SPARK", 10, 18, 26}, {"DEMO_BIGSTAR", 5, 28, 38}};
    Scatter scatter;
    std::vector<std::pair<float, float>> taken;
    for (const StarKind& kind : kStars) {
        for (int placed = 0; placed < kind.count;) {
            const float x = scatter.next(10, 770);
            const float y = scatter.next(8, 450);
            const float size = std::round(scatter.next(kind.minSize, kind.maxSize));
            // Keep stars apart, off the emblem and out of the title block.
            const bool crowded = std::any_of(taken.begin(), taken.end(), [&](const auto& p) {
                const float dx = p.first - x, dy = p.second - y;
                return dx * dx + dy * dy < 45.0f * 45.0f;
            });
            const float ex = x - 400.0f, ey = y - 180.0f;
            const bool onTitle = x > 140.0f && x < 650.0f && y > 300.0f && y < 465.0f;
            if (crowded || onTitle || ex * ex + ey * ey < 130.0f * 130.0f) continue;
            taken.emplace_back(x, y);
            place(kind.name, std::round(x), std::round(y), size, size, Layers::kStars);
            ++placed;
        }
    }
    place("DEMO_HALO", 280, 60, 240, 240, Layers::kHalo);
    place("DEMO_EMBLEM", 320, 100, 160, 160, Layers::kEmblem);
    place("DEMO_HILLS", 0, 468, 800, 132, Layers::kHills);
    place("DEMO_TITLE", 160, 318, 480, 80, Layers::kTitle);
    place("DEMO_SWEEP", 160, 410, 480, 4, Layers::kTitle);
    place("DEMO_SUBTITLE", 268, 424, 264, 32, Layers::kTitle);
    place("DEMO_FLASH", 0, 0, 800, 600, Layers::kFlash);
    return records;
}

// One four-line record of the map builder's configuration files.
std::string builderRecord(std::string_view key, std::string_view value) {
    return std::string(key) + "\r\n\r\n" + std::string(value) + "\r\n\r\n";
}

// The builder's start ini, default ini script and application ini. The builder reads the
// game's codec file and master DNA file, so both programs agree on them.
std::vector<std::pair<std::string, std::string>> builderConfiguration() {
    return {
        {"_DATA/ini.txt", builderRecord("DEFAULTINISCRIPT", "_DATA\\default.ini")},
        {"_DATA/default.ini",
         builderRecord("WINDOWMODE", "0") + builderRecord("RESBASEW", "800") +
             builderRecord("RESBASEH", "600") + builderRecord("R", "0") +
             builderRecord("G", "255") + builderRecord("B", "0") + builderRecord("GFXDETAIL", "0") +
             builderRecord("APPINIFILE", "_DATA\\app.ini") +
             builderRecord("DNA", "DATA\\GFX\\DNA.dll") + builderRecord("MAXTILES", "4095") +
             builderRecord("MATRIXRASTER", "16")},
        {"_DATA/app.ini", builderRecord("GFXPATH", "DATA\\GFX\\") +
                              builderRecord("LOGFILE", "_DATA\\LOG\\") +
                              builderRecord("CODECS", "CORE\\codecs.txt") +
                              builderRecord("GUIINI", "_DATA\\gui.ini")},
        {"_DATA/gui.ini", builderRecord("MAXGUIITEMS", "0")},
        {"_DATA/LOG/.keep", ""},
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: rz_make_demo_content DEMO_FOLDER\n", stderr);
        return 2;
    }
    demo::ContentWriter out;
    out.root = argv[1];
    if (out.root.empty() || (out.root.back() != '/' && out.root.back() != '\\')) out.root += '/';
    if (!media::directoryExists(out.root + "CORE")) {
        std::fprintf(stderr, "rz_make_demo_content: %s holds no CORE folder\n", argv[1]);
        return 2;
    }

    const std::string gfx = out.directory("DATA/GFX");
    std::vector<Tile> tiles = demoTiles();
    const std::vector<demo::GameTile> gameTiles = demo::allGameTiles();
    for (const demo::GameTile& tile : gameTiles)
        tiles.push_back({tile.name, tile.picture, tile.dna});
    for (const Tile& tile : tiles) {
        const std::string picture = formats::tileFilePath(gfx, tile.name, kPictureExtension);
        out.writePng(picture, tile.picture);
        const std::string dna = formats::tileFilePath(gfx, tile.name, formats::kDnaExtension);
        out.writeDna(dna, tile.dna);
    }
    const std::string master = formats::tileFilePath(gfx, "DNA", formats::kDnaExtension);
    out.writeDna(master, content::masterDnaRows());

    // The builder's catalogue lists the pictures by name; its index goes into each record.
    std::vector<std::string> catalogue;
    for (const Tile& tile : tiles)
        catalogue.emplace_back(tile.name);
    std::sort(catalogue.begin(), catalogue.end());
    std::vector<formats::TileRecord> scene = titleScene();
    std::int32_t highestLayer = 0;
    for (formats::TileRecord& record : scene) {
        const auto found = std::lower_bound(catalogue.begin(), catalogue.end(), record.name);
        record.tileIndex = static_cast<std::int32_t>(found - catalogue.begin());
        highestLayer = std::max(highestLayer, record.layer);
    }

    const std::optional<std::string> music = demo::titleMusicOgg();
    if (!music) {
        std::fputs("rz_make_demo_content: the Vorbis encoder could not be set up\n", stderr);
        ++out.failures;
    }
    const std::string sound = out.directory("DATA/SOUND");
    for (std::int32_t map : kTitleMaps) {
        const std::string mapDirectory = out.directory("DATA/MAPS/" + std::to_string(map));
        formats::MapDirectorySave request;
        request.directory = mapDirectory;
        // The last title screen waits for Escape, and says so.
        std::vector<formats::TileRecord> records = scene;
        if (map == engine::kTitleScreen) {
            records.push_back(demo::titleHintRecord());
            records.back().tileIndex = static_cast<std::int32_t>(
                std::lower_bound(catalogue.begin(), catalogue.end(), records.back().name) -
                catalogue.begin());
        }
        request.records = records;
        request.highestLayer = highestLayer;
        request.lastElementIndex = static_cast<std::int32_t>(records.size()) - 1;
        request.graphicsDirectory = gfx;
        request.pictureExtension = kPictureExtension;
        const formats::MapDirectorySaveResult saved = formats::saveMapDirectory(request);
        out.files += saved.layersWritten + (saved.tileCountWritten ? 1 : 0);
        if (!saved.complete()) out.report(false, mapDirectory);

        if (music) {
            const std::string path =
                sound + "#L" + std::to_string(map) + std::string(kMusicExtension);
            out.write(path, *music);
        }
    }

    demo::writeGameContent(out, catalogue, music);
    out.directory("_DATA/LOG");
    for (const auto& [relative, text] : builderConfiguration()) {
        const std::string path = out.root + relative;
        out.report(media::replaceFileContents(path, text), path);
    }

    std::printf("rz_make_demo_content: %d files written, %zu objects per title map\n", out.files,
                scene.size());
    return out.failures == 0 ? 0 : 1;
}
