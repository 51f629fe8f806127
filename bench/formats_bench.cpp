// Speed of the map and DNA readers: a generated map of 20,000 records and 1,000 DNA files,
// each beside a plain read of the same bytes (the floor any reader stands on).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_scratch.h"
#include "engine/media/files.h"
#include "formats/builder_dna.h"
#include "formats/dna_apply.h"
#include "formats/dna_file.h"
#include "formats/map_file.h"

namespace {

using bench::scratch;
using bench::scratchFile;

constexpr int kMapRecords = 20000;
constexpr int kDnaFiles = 1000;

// A map as the builder writes it: names from a small palette, positions on a grid, a few
// sizes with fractions so the game's float reading is exercised.
const std::string& mapText() {
    static const std::string text = [] {
        std::vector<formats::TileRecord> tiles;
        tiles.reserve(kMapRecords);
        for (int i = 0; i < kMapRecords; ++i) {
            tiles.push_back({"TILE_" + std::to_string(i % 150), i % 150,
                             static_cast<float>(i % 200 * 32), static_cast<float>(i / 200 * 32),
                             32.0f + static_cast<float>(i % 7), 32.0f, i % 25});
        }
        return formats::formatMapText(tiles);
    }();
    return text;
}

const std::string& mapFile() {
    static const std::string path = scratchFile("0", mapText());
    return path;
}

// 1,000 DNA files of every game key (values of each kind) and the trailer.
const std::vector<std::string>& dnaFiles() {
    static const std::vector<std::string> paths = [] {
        std::vector<formats::DnaPair> rows;
        for (const auto& rule : formats::gameDnaKeys()) {
            const char* value = rule.value == formats::DnaValue::Text    ? "SOME_TEXT"
                                : rule.value == formats::DnaValue::Float ? "1.25"
                                                                         : "17";
            rows.push_back({std::string(rule.key), value});
        }
        std::vector<std::string> list;
        for (int i = 0; i < kDnaFiles; ++i) {
            list.push_back(scratch() + "/T" + std::to_string(i) + ".dll");
            if (!formats::writeDnaFile(list.back(), rows)) std::abort();
        }
        return list;
    }();
    return paths;
}

std::int64_t dnaBytes() {
    static const std::int64_t total = [] {
        std::int64_t sum = 0;
        for (const auto& path : dnaFiles())
            sum += static_cast<std::int64_t>(std::filesystem::file_size(path));
        return sum;
    }();
    return total;
}

void BM_MapParseGame(benchmark::State& state) {
    const std::string& text = mapText();
    for (auto _ : state)
        benchmark::DoNotOptimize(formats::parseGameMapText(text));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_MapParseBuilder(benchmark::State& state) {
    const std::string& text = mapText();
    for (auto _ : state)
        benchmark::DoNotOptimize(formats::parseBuilderMapText(text));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_MapPlainRead(benchmark::State& state) {
    mapFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(media::readWholeFile(mapFile()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(mapText().size()));
}

void BM_MapReadGameFile(benchmark::State& state) {
    mapFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(formats::readGameMapFile(mapFile()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(mapText().size()));
}

void BM_MapFormat(benchmark::State& state) {
    const auto tiles = formats::parseGameMapText(mapText()).tiles;
    for (auto _ : state)
        benchmark::DoNotOptimize(formats::formatMapText(tiles));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(mapText().size()));
}

void BM_DnaPlainRead(benchmark::State& state) {
    dnaBytes();  // the files are made before the clock runs
    for (auto _ : state) {
        for (const auto& path : dnaFiles())
            benchmark::DoNotOptimize(media::readWholeFile(path));
    }
    state.SetBytesProcessed(state.iterations() * dnaBytes());
}

void BM_DnaApplyGame(benchmark::State& state) {
    dnaBytes();
    for (auto _ : state) {
        for (const auto& path : dnaFiles()) {
            formats::TileDna dna;
            formats::DnaApplyEffects effects;
            benchmark::DoNotOptimize(formats::applyGameDnaFile(path, dna, effects));
            benchmark::DoNotOptimize(dna);
        }
    }
    state.SetBytesProcessed(state.iterations() * dnaBytes());
}

void BM_DnaReadBuilder(benchmark::State& state) {
    dnaBytes();
    for (auto _ : state) {
        for (const auto& path : dnaFiles()) {
            formats::BuilderDna dna;
            benchmark::DoNotOptimize(formats::readBuilderDnaFile(path, dna));
            benchmark::DoNotOptimize(dna);
        }
    }
    state.SetBytesProcessed(state.iterations() * dnaBytes());
}

BENCHMARK(BM_MapPlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapParseGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapParseBuilder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapReadGameFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapFormat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DnaPlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DnaApplyGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DnaReadBuilder)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
