#include "simulation/map_exits.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <system_error>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/media/files.h"
#include "formats/level_cache.h"
#include "formats/map_directory.h"
#include "formats/tile_paths.h"
#include "world/level_loader.h"

namespace simulation {
namespace {

[[maybe_unused]] constexpr base::SourceUnit kSourceUnit = base::SourceUnit::ACTIONS;

constexpr std::string_view kContinueFile = "_";
constexpr std::int32_t kLastCachedLevel = 1000;

struct MapStep {
    std::int32_t from;
    std::int32_t to;
};

constexpr std::array<MapStep, 6> kExitUp = {{{3, 1}, {4, 2}, {8, 9}, {9, 10}, {12, 11}, {13, 14}}};
constexpr std::array<MapStep, 7> kExitDown = {
    {{1, 3}, {2, 4}, {5, 6}, {4, 8}, {10, 9}, {11, 12}, {14, 13}}};
constexpr std::array<MapStep, 5> kExitLeft = {{{2, 1}, {1, 0}, {3, 5}, {8, 7}, {13, 12}}};
constexpr std::array<MapStep, 10> kExitRight = {
    {{0, 1}, {1, 2}, {3, 4}, {4, 3}, {5, 3}, {6, 7}, {7, 8}, {8, 9}, {12, 13}, {10, 4096}}};

struct ExitTable {
    std::string_view name;
    std::span<const MapStep> steps;
};

constexpr std::array<ExitTable, 4> kExits = {{
    {"EXIT_UP", kExitUp},
    {"EXIT_DOWN", kExitDown},
    {"EXIT_LEFT", kExitLeft},
    {"EXIT_RIGHT", kExitRight},
}};

// The working directory and the cache are the same directory (also through links).
bool isWorkingDirectory(const std::string& hostDirectory) {
    std::error_code error;
    const bool same = std::filesystem::equivalent(hostDirectory, media::workingDirectory(), error);
    return same && !error;
}

// Only the layer files the save writes, then the directory if that left it empty.
void deleteCachedLevel(const std::string& directory) {
    if (!media::directoryExists(directory)) return;
    for (std::int32_t layer = 0; layer < formats::kGameLayerCount; ++layer) {
        const std::string file = formats::layerFilePath(directory, layer);
        if (media::fileExists(file)) media::deleteFile(file);
    }
    media::deleteDirectory(directory);
}

}  // namespace

void leaveMap(std::int32_t mapId, std::string_view exitName) {
    EngineSettings& s = engineSettings;
    if (s.useCache == 1) {
        // A failed save or "_" write is ignored: the exit still happens.
        world::saveLevelState(mapId);
        formats::writeContinueMap(s.cachePath, mapId);
    }
    const auto exit =
        std::find_if(kExits.begin(), kExits.end(),
                     [exitName](const ExitTable& table) { return table.name == exitName; });
    if (exit == kExits.end()) return;
    const auto step = std::find_if(exit->steps.begin(), exit->steps.end(),
                                   [mapId](const MapStep& row) { return row.from == mapId; });
    if (step != exit->steps.end()) s.nextMapId = step->to;
}

std::int32_t continueMapId() {
    return formats::readContinueMap(engineSettings.cachePath).value_or(0);
}

bool levelCacheDeletable() {
    const std::string& cache = engineSettings.cachePath;
    if (cache.empty()) return false;
    const std::string host = media::hostPath(cache);
    if (!media::directoryExists(cache)) return false;
    return !isWorkingDirectory(host);
}

void resetProgress() {
    const std::string& cache = engineSettings.cachePath;
    if (!levelCacheDeletable()) return;
    const std::string continueFile = formats::joinPath(cache, kContinueFile);
    if (media::fileExists(continueFile)) media::deleteFile(continueFile);
    for (std::int32_t level = 0; level <= kLastCachedLevel; ++level) {
        deleteCachedLevel(formats::levelCacheDirectory(cache, level));
    }
}

}  // namespace simulation
