// Speed of the builder's work map: drawing a frame of 10,000 elements over 20 tile types on
// a 1280 x 1024 screen, and loading the same work map from its file. The builder runs
// without windows (a host that shows nothing) from a generated working directory.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_scratch.h"
#include "builder/builder_state.h"
#include "builder/editing.h"
#include "builder/frame.h"
#include "builder/map_files.h"
#include "builder/startup.h"
#include "engine/media/pictures.h"
#include "formats/dna_file.h"
#include "tests/builder/fake_host.h"

namespace {

using bench::scratch;
using bench::writeFile;

constexpr int kElements = 10000;
constexpr int kTileTypes = 20;

std::string configRecord(const std::string& key, const std::string& value) {
    return key + "\r\n-\r\n" + value + "\r\n-\r\n";
}

// The configuration chain, the master DNA file and the tile pictures with their DNA files.
std::string makeWorkingDirectory() {
    const std::string root = scratch() + "/dara";
    writeFile(root + "/_DATA/ini.txt", configRecord("DEFAULTINISCRIPT", "_DATA\\default.ini"));
    writeFile(
        root + "/_DATA/default.ini",
        configRecord("WINDOWMODE", "0") + configRecord("R", "255") + configRecord("G", "0") +
            configRecord("B", "255") + configRecord("MAXTILES", std::to_string(kElements + 10)) +
            configRecord("MATRIXRASTER", "32") + configRecord("APPINIFILE", "_DATA\\app.ini"));
    writeFile(root + "/_DATA/app.ini", configRecord("GFXPATH", "GFX\\") +
                                           configRecord("LOGFILE", "LOG\\") +
                                           configRecord("CODECS", "_DATA\\codec.ini") +
                                           configRecord("GUIINI", "_DATA\\gui.ini"));
    writeFile(root + "/_DATA/codec.ini", configRecord("GFXCODEC", ".png"));
    writeFile(root + "/LOG/.keep", "");
    writeFile(root + "/_DATA/DNA.dll",
              formats::formatDnaFile(std::vector<formats::DnaPair>{
                  {"worldFTileTransparency", "255"}, {"worldFStretch", "0"}}));
    for (int t = 0; t < kTileTypes; ++t) {
        media::Image image;
        image.width = 32 + 4 * (t % 5);
        image.height = 32 + 4 * (t % 3);
        image.pixels.assign(static_cast<std::size_t>(image.width) * image.height,
                            0xFF000000u | static_cast<std::uint32_t>(t * 0x0A0B0C));
        const std::string name = root + "/GFX/TILE" + std::to_string(t);
        writeFile(name + ".png", *media::encodePng(image, false));
        writeFile(name + ".dll", formats::formatDnaFile(std::vector<formats::DnaPair>{
                                     {"worldFTileTransparency", t % 4 == 0 ? "128" : "255"}}));
    }
    return root;
}

// A builder started in the working directory with 10,000 elements placed over the screen
// (seeded positions, all layers), the work map written to "bench.map".
struct BenchBuilder {
    builder_tests::FakeHost host;
    builder::Builder builder{host};
    std::string mapFile;

    BenchBuilder() {
        host.desktop = {1280, 1024};
        const std::string root = makeWorkingDirectory();
        // The configuration chain names its files relative to the working directory.
        std::filesystem::current_path(root);
        builder::startBuilder(builder, root);
        builder::BuilderState& state = builder.builderState;
        std::uint32_t seed = 12345;
        auto next = [&seed](std::uint32_t range) {
            seed = seed * 1664525u + 1013904223u;
            return static_cast<int>((seed >> 8) % range);
        };
        for (int e = 0; e < kElements; ++e) {
            state.selectedTile = next(static_cast<std::uint32_t>(state.tiles.size()));
            state.buildCursorX = next(1240);
            state.buildCursorY = next(990);
            state.actualLayer = 1 + next(5);
            if (!builder::placeElement(builder)) std::abort();
        }
        mapFile = root + "/bench.map";
        if (!builder::writeWorkMapFile(builder, mapFile)) std::abort();
    }
};

BenchBuilder& benchBuilder() {
    static BenchBuilder made;
    return made;
}

void BM_DrawWorkMap(benchmark::State& state) {
    BenchBuilder& made = benchBuilder();
    for (auto _ : state) {
        builder::drawFrame(made.builder);
    }
    state.SetItemsProcessed(state.iterations() * kElements);
}
BENCHMARK(BM_DrawWorkMap)->Unit(benchmark::kMillisecond);

void BM_LoadWorkMap(benchmark::State& state) {
    BenchBuilder& made = benchBuilder();
    for (auto _ : state) {
        if (!builder::loadWorkMapFile(made.builder, made.mapFile)) state.SkipWithError("no map");
    }
    state.SetItemsProcessed(state.iterations() * kElements);
}
BENCHMARK(BM_LoadWorkMap)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
