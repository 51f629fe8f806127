// Speed of the file layer and the picture codecs: line splitting of map-sized files,
// path mapping with and without the letter-case fallback, PNG decoding and screenshots.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench/bench_scratch.h"
#include "engine/media/files.h"
#include "engine/media/pictures.h"

namespace {

using bench::scratch;
using bench::scratchFile;

// Text shaped like a map layer file: 20,000 records of key and value lines, CR LF ends.
const std::string& mapText() {
    static const std::string text = [] {
        std::string t;
        for (int record = 0; record < 20000; ++record) {
            t += "WALL_" + std::to_string(record % 97) + "\r\n";
            t += std::to_string(record * 32 % 4000) + "\r\n";
            t += std::to_string(record * 17 % 3000) + ".5\r\n";
            t += "worldFTileIsActive\r\n1\r\n";
        }
        return t;
    }();
    return text;
}

const std::string& mapFile() {
    static const std::string path = scratchFile("Layer0", mapText());
    return path;
}

void BM_LineReaderOverWholeFile(benchmark::State& state) {
    for (auto _ : state) {
        const std::optional<std::string> bytes = media::readWholeFile(mapFile());
        media::LineReader reader(*bytes);
        std::size_t lines = 0;
        while (!reader.atEnd()) {
            benchmark::DoNotOptimize(reader.next());
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * mapText().size()));
}
BENCHMARK(BM_LineReaderOverWholeFile);

void BM_TextFileReadLine(benchmark::State& state) {
    for (auto _ : state) {
        media::TextFile file = media::TextFile::open(mapFile(), media::OpenMode::ReadOnly);
        while (!file.atEnd())
            benchmark::DoNotOptimize(file.readLine());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * mapText().size()));
}
BENCHMARK(BM_TextFileReadLine);

void BM_TextFileWriteLine(benchmark::State& state) {
    const std::string path = scratch() + "/written";
    for (auto _ : state) {
        media::TextFile file = media::TextFile::open(path, media::OpenMode::Create);
        for (int i = 0; i < 100000; ++i)
            file.writeLine("worldFTileIsActive");
        if (!file.close()) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * 100000 * 20);
}
BENCHMARK(BM_TextFileWriteLine);

void BM_HostPathExisting(benchmark::State& state) {
    const std::string configured = mapFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(media::hostPath(configured));
}
BENCHMARK(BM_HostPathExisting);

// A name in another letter case in a directory of 1000 tile pictures.
void BM_HostPathCaseFallback(benchmark::State& state) {
    static const bool made = [] {
        media::createDirectory(scratch() + "/Gfx");
        for (int i = 0; i < 1000; ++i) {
            media::replaceFileContents(scratch() + "/Gfx/Tile" + std::to_string(i) + ".png", "x");
        }
        return true;
    }();
    benchmark::DoNotOptimize(made);
    const std::string configured = scratch() + "\\GFX\\TILE500.PNG";
    for (auto _ : state)
        benchmark::DoNotOptimize(media::hostPath(configured));
}
BENCHMARK(BM_HostPathCaseFallback);

media::Image gradient(int width, int height) {
    media::Image image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.at(x, y) = media::makeArgb(255, x & 0xFF, y & 0xFF, (x * y) & 0xFF);
    return image;
}

void BM_DecodePng512(benchmark::State& state) {
    const std::string bytes = *media::encodePng(gradient(512, 512), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(media::decodePng(bytes));
    state.SetItemsProcessed(state.iterations() * 512 * 512);
}
BENCHMARK(BM_DecodePng512);

void BM_ScreenshotPng1280x720(benchmark::State& state) {
    const media::Image image = gradient(1280, 720);
    const std::string path = scratch() + "/shot.png";
    for (auto _ : state) {
        if (!media::writePng(path, image, false)) state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_ScreenshotPng1280x720);

}  // namespace

BENCHMARK_MAIN();
