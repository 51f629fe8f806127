// Speed of the level loader: a generated level of 20,000 tile records over 200 tile names,
// each with its picture (96 x 96 PNG) and a DNA file of every game key, loaded from the maps
// directory onto a 1280 x 1024 screen from an 800 x 600 design, with its loading bar. The
// floor is reading and decoding the 200 pictures alone: the loader decodes each tile
// picture once, so the rest of its work (map, DNA, objects, lists, fit) is measured as the
// ratio of the two.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_scratch.h"
#include "engine/engine_settings.h"
#include "engine/media/files.h"
#include "engine/media/headless/headless_platform.h"
#include "engine/media/pictures.h"
#include "engine/media/services.h"
#include "engine/world_object.h"
#include "formats/dna_apply.h"
#include "formats/map_file.h"
#include "world/level_loader.h"
#include "world/picture_cache.h"

namespace {

using bench::scratch;
using bench::writeFile;

constexpr int kTileNames = 200;
constexpr int kRecords = 20000;
constexpr int kLayers = 5;
constexpr int kPictureSide = 96;
constexpr std::int32_t kLevel = 1;
constexpr std::int32_t kEmptyLevel = 2;  // no map directory: loading it unloads the level

std::string tileName(int n) {
    return "TILE_" + std::to_string(n);
}

// A picture with some texture, so it compresses like a drawn tile rather than a flat one.
media::Image tilePicture(int n) {
    media::Image image;
    image.width = kPictureSide;
    image.height = kPictureSide;
    image.pixels.resize(static_cast<std::size_t>(kPictureSide) * kPictureSide);
    std::uint32_t noise = 2654435761u * static_cast<std::uint32_t>(n + 1);
    for (int y = 0; y < kPictureSide; ++y) {
        for (int x = 0; x < kPictureSide; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const std::uint32_t grain = (noise >> 28) & 0x0Fu;
            image.at(x, y) = media::makeArgb(255, (x * 2 + n) & 0xFF, (y * 2 + grain) & 0xFF,
                                             (x + y + n * 7) & 0xFF);
        }
    }
    return image;
}

// Every game key, as the builder's DNA window writes them, then the comment trailer.
std::string dnaText(int n) {
    std::string text;
    for (const auto& rule : formats::gameDnaKeys()) {
        std::string value = "0";
        if (rule.value == formats::DnaValue::Text) value = "";
        if (rule.key == "worldFTileIsActive") value = "1";
        if (rule.key == "worldFTileTransparency") value = "255";
        if (rule.key == "worldFTileCollision") value = n % 2 == 0 ? "1" : "0";
        if (rule.key == "animContainer") value = "NOPE";
        if (rule.key == "worldFTileIDString") value = "WALL";
        if (rule.key == "hp") value = "100";
        text += std::string(rule.key) + "\r\n" + value + "\r\n";
    }
    for (int line = 0; line < 8; ++line)
        text += ";comment " + std::to_string(line) + "\r\n";
    return text;
}

struct BenchLevel {
    std::vector<std::string> picturePaths;
};

const BenchLevel& level() {
    static const BenchLevel made = [] {
        BenchLevel result;
        const std::string root = scratch();
        for (int n = 0; n < kTileNames; ++n) {
            const std::string picture = root + "/GFX/" + tileName(n) + ".png";
            writeFile(picture, "");
            if (!media::writePng(picture, tilePicture(n), false)) std::abort();
            writeFile(root + "/GFX/" + tileName(n) + ".dll", dnaText(n));
            result.picturePaths.push_back(picture);
        }
        writeFile(root + "/GFX/DNA.dll", dnaText(0));
        std::vector<formats::TileRecord> layers[kLayers];
        for (int record = 0; record < kRecords; ++record) {
            const int layer = record % kLayers;
            layers[layer].push_back(formats::TileRecord{
                tileName(record * 7 % kTileNames), 0, static_cast<float>(record % 200 * 32),
                static_cast<float>(record / 200 * 32), 33.0f, 33.0f, layer});
        }
        const std::string map = root + "/MAPS/" + std::to_string(kLevel) + "/";
        for (int layer = 0; layer < kLayers; ++layer) {
            std::vector<const formats::TileRecord*> pointers;
            for (const auto& record : layers[layer])
                pointers.push_back(&record);
            writeFile(map + std::to_string(layer), formats::formatLayerText(pointers, layer));
        }
        writeFile(map + "_", std::to_string(kRecords - 1) + "\r\n");
        std::filesystem::create_directories(root + "/CACHE");
        return result;
    }();
    return made;
}

// Headless services with an 800 x 600 design fitted to a 1280 x 1024 screen.
void startEngine() {
    if (media::servicesRunning()) return;
    media::initServices(std::make_unique<media::HeadlessPlatform>(1280, 1024), 1);
    const media::WindowHandle window =
        media::openWindow(0, 0, 1281, 1025, "bench", media::WindowStyle::Captioned);
    if (media::openScreen(window, 0, 0, 1280, 1024) == 0) std::abort();
    const std::string root = scratch();
    EngineSettings& s = engineSettings;
    s.gfxPath = root + "/GFX/";
    s.simCorePath = root + "/MAPS/";
    s.cachePath = root + "/CACHE/";
    s.soundPath = root + "/SOUND/";
    s.animSystemPath = root + "/ANIM/";
    s.gfxExtension = ".png";
    s.soundExtension = ".ogg";
    s.SCRW = 1280.0f;
    s.SCRH = 1024.0f;
    s.SRC_SCRW = 800.0f;
    s.SRC_SCRH = 600.0f;
    s.maxPlayers = 1;
}

void loadLevel(std::int32_t map) {
    engineSettings.nextMapId = map;
    world::loadLevel();
}

void BM_DecodeTilePictures(benchmark::State& state) {
    const BenchLevel& made = level();
    for (auto _ : state) {
        for (const std::string& path : made.picturePaths) {
            auto picture = media::decodePicture(path, world::kSpriteColourKey);
            benchmark::DoNotOptimize(picture);
        }
    }
    state.SetItemsProcessed(state.iterations() * kTileNames);
}
BENCHMARK(BM_DecodeTilePictures)->Unit(benchmark::kMillisecond);

void BM_LoadLevel(benchmark::State& state) {
    level();
    startEngine();
    for (auto _ : state) {
        state.PauseTiming();
        loadLevel(kEmptyLevel);
        state.ResumeTiming();
        loadLevel(kLevel);
        if (engineSettings.objectLast != kRecords - 1) state.SkipWithError("objects missing");
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_LoadLevel)->Unit(benchmark::kMillisecond);

// The switch away from the level: every object's media freed and its record reset.
void BM_UnloadLevel(benchmark::State& state) {
    level();
    startEngine();
    for (auto _ : state) {
        state.PauseTiming();
        loadLevel(kLevel);
        state.ResumeTiming();
        loadLevel(kEmptyLevel);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_UnloadLevel)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
