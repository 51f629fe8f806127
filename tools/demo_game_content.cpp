#include "tools/demo_game_content.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/map_ids.h"
#include "engine/media/pictures.h"
#include "formats/map_directory.h"
#include "tools/demo_font.h"
#include "tools/demo_levels.h"
#include "tools/demo_sounds.h"

namespace demo {
namespace {

constexpr std::string_view kPictureExtension = ".png";
constexpr std::string_view kSoundExtension = ".ogg";

}  // namespace

std::vector<GameTile> allGameTiles() {
    std::vector<GameTile> tiles = gameTiles();
    for (GameTile& tile : mapTiles())
        tiles.push_back(std::move(tile));
    tiles.push_back({"G_SIGN_PRESS",
                     textPicture("PRESS ESC FOR THE MENU", 2),
                     {{"worldFTileIsActive", "1"},
                      {"worldFTileTransparency", "255"},
                      {"worldFTileFadeIn", "600"},
                      {"worldFTileFadeInStep", "-4"}}});
    return tiles;
}

formats::TileRecord titleHintRecord() {
    const media::Image picture = textPicture("PRESS ESC FOR THE MENU", 2);
    const float width = static_cast<float>(picture.width) * 1.5f;
    return {"G_SIGN_PRESS",
            0,
            std::round((800.0f - width) / 2.0f),
            492.0f,
            std::round(width),
            static_cast<float>(picture.height) * 1.5f,
            5};
}

void writeGameContent(ContentWriter& out, const std::vector<std::string>& catalogue,
                      const std::optional<std::string>& titleMusic) {
    const std::string ext(kPictureExtension);
    for (const AnimationArt& animation : gameAnimations()) {
        for (std::size_t set = 0; set < animation.sets.size(); ++set) {
            const std::string folder =
                out.directory("DATA/ANIM/" + animation.container + "/" + kDirectionFolders[set]);
            for (std::size_t f = 0; f < animation.sets[set].size(); ++f) {
                const std::string path = folder + std::to_string(f + 1) + ext;
                out.writePng(path, animation.sets[set][f]);
            }
        }
    }
    const std::string effects = out.directory("DATA/FX");
    for (const NamedPicture& shadow : shadowPictures()) {
        const std::string path = effects + shadow.name + ext;
        out.writePng(path, shadow.picture);
    }
    const std::string font = out.directory("DATA/FONT");
    for (const GlyphPicture& glyph : fontGlyphs()) {
        const std::string path = font + glyph.name + ext;
        out.writePng(path, glyph.picture);
    }
    const std::string list = font + "CHARS.txt";
    out.write(list, fontCharacterList() + "\r\n");

    // The level cache starts empty; its folder must exist for the loader to use it.
    const std::string cache = out.directory("DATA/CACHE");
    out.write(cache + ".gitignore", std::string_view("*\n!.gitignore\n"));

    const std::string gfx = out.root + "DATA/GFX/";
    for (MapPlan& map : gameMaps()) {
        std::int32_t highestLayer = 0;
        for (formats::TileRecord& record : map.records) {
            const auto found = std::lower_bound(catalogue.begin(), catalogue.end(), record.name);
            record.tileIndex = static_cast<std::int32_t>(found - catalogue.begin());
            highestLayer = std::max(highestLayer, record.layer);
        }
        const std::string directory = out.directory("DATA/MAPS/" + std::to_string(map.id));
        formats::MapDirectorySave request;
        request.directory = directory;
        request.records = map.records;
        request.highestLayer = highestLayer;
        request.lastElementIndex = static_cast<std::int32_t>(map.records.size()) - 1;
        request.graphicsDirectory = gfx;
        request.pictureExtension = kPictureExtension;
        const formats::MapDirectorySaveResult saved = formats::saveMapDirectory(request);
        out.files += saved.layersWritten + (saved.tileCountWritten ? 1 : 0);
        if (!saved.complete()) out.report(false, directory);
    }

    const std::string sound = out.directory("DATA/SOUND");
    const std::string soundExt(kSoundExtension);
    const auto write = [&](const std::string& name, const std::optional<std::string>& bytes) {
        out.writeMade(sound + name + soundExt, bytes);
    };
    for (const SoundFile& file : objectSounds())
        write(file.name, file.ogg);
    const std::optional<std::string> calm = musicPiece("LEVEL_A");
    const std::optional<std::string> tense = musicPiece("LEVEL_B");
    for (int level = 0; level <= 10; ++level)
        write("#L" + std::to_string(level), level <= 5 ? calm : tense);
    write("#L" + std::to_string(engine::kMainMenu), titleMusic);
    write("#L" + std::to_string(engine::kClosingScreen), titleMusic);
    write("#L" + std::to_string(engine::kGameOverScreen), musicPiece("GAMEOVER"));
}

}  // namespace demo
