// Load level, the level music and the level state save.
#include "world/level_loader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/base/fault_guard.h"
#include "engine/core_error.h"
#include "engine/engine_settings.h"
#include "engine/media/files.h"
#include "engine/media/services.h"
#include "engine/reports.h"
#include "engine/world_object.h"
#include "formats/level_cache.h"
#include "world/hud_texts.h"

namespace world {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::IO;

std::string levelMusicPath(std::int32_t mapNumber) {
    const EngineSettings& s = engineSettings;
    std::string path = s.soundPath;
    path.append(kLevelMusicPrefix).append(std::to_string(mapNumber)).append(s.soundExtension);
    return path;
}

// Saved states are written only with USECACHE 1, and only then are they read back: a state
// left in the level cache by a run with the cache on is never updated while it is off, and
// would bring back positions and used-up objects of that old run.
bool levelCacheInUse() {
    return engineSettings.useCache == 1;
}

bool levelMusicValid() {
    const std::int32_t music = engineSettings.levelMusic;
    return music != -1 && music != 0 && media::soundExists(static_cast<media::SoundHandle>(music));
}

void startLevelMusic() {
    const EngineSettings& s = engineSettings;
    if (!levelMusicValid()) {
        std::string warning(kMissingMusicWarning);
        warning.append(levelMusicPath(s.actualMapId));
        engine::warningReport(warning);
        return;
    }
    const auto music = static_cast<media::SoundHandle>(s.levelMusic);
    media::setSoundVolume(music, kLevelMusicVolume);
    const bool looping = s.actualMapId > kLoopingMusicAbove;
    if (looping) media::setSoundVolume(music, kLevelMusicVolume);
    media::playSound(music, looping);
}

// Stops and frees the level's music, if one is loaded; afterwards none is.
void releaseLevelMusic() {
    EngineSettings& s = engineSettings;
    if (levelMusicValid()) {
        const auto music = static_cast<media::SoundHandle>(s.levelMusic);
        media::stopSound(music);
        media::freeSound(music);
    }
    s.levelMusic = -1;
}

}  // namespace

void loadLevelMusic(std::int32_t mapNumber) {
    EngineSettings& s = engineSettings;
    releaseLevelMusic();
    media::SoundHandle music = media::loadSound(levelMusicPath(mapNumber));
    if (music == 0) {
        const std::int32_t fallback = kFallbackMusicFirst + media::randomInt(kFallbackMusicSpread);
        music = media::loadSound(levelMusicPath(fallback));
    }
    s.levelMusic = music != 0 ? static_cast<std::int32_t>(music) : -1;
}

void loadLevel() {
    EngineSettings& s = engineSettings;
    s.actualMapId = s.nextMapId;
    s.loading = 1;
    // Every picture the world loads from here on keys out pure green (kSpriteColourKey).
    if (s.playerObject != 0) {
        s.carriedTotal = CHECKED_AT(worldObjects, s.playerObject).carriedTotal;
    }
    loadLevelMusic(s.actualMapId);

    // A saved state of the level is its directory in the level cache. Without one the map
    // comes from the maps directory, also when the cache directory itself is missing.
    const std::string name = std::to_string(s.actualMapId);
    if (levelCacheInUse() &&
        media::directoryExists(formats::levelCacheDirectory(s.cachePath, s.actualMapId))) {
        loadMap(name, kCachedFit, true, kFromCache);
        s.loadedFromCache = 1;
    } else {
        loadMap(name, kScreenFit, true, kFromMaps);
        s.loadedFromCache = 0;
    }

    s.multitask = s.multitaskCopy;
    startLevelMusic();
    s.levelStartTick = media::milliseconds();
    s.loading = 0;
    rebuildHudTexts();
}

void releaseLevel() {
    releaseLevelMusic();
    unloadLevel(engineSettings.objectLast);
}

void loadLevelSlot(std::int32_t mapId) {
    engineSettings.nextMapId = mapId;
    loadLevel();
}

void saveLevelState(std::int32_t mapNumber) {
    const EngineSettings& s = engineSettings;
    if (!levelCacheInUse()) return;
    // The objects of the level: an empty map leaves only the spare record 0, which is not
    // saved.
    const std::int64_t count =
        std::min<std::int64_t>({levelObjectCount(), static_cast<std::int64_t>(s.objectLast) + 1,
                                static_cast<std::int64_t>(worldObjects.size())});
    std::vector<formats::TileRecord> records;
    records.reserve(static_cast<std::size_t>(std::max<std::int64_t>(count, 0)));
    for (std::int64_t i = 0; i < count; ++i) {
        WorldObject& object = worldObjects[static_cast<std::size_t>(i)];
        // Destroyed objects and used pick-ups, cards and opened doors stay gone: a level
        // left and entered again must not hand out its coins and cards a second time.
        if (object.removed != 0 || object.worldFTileIsActive == kObjectGone) continue;
        formats::applySavePoint(object.posX, object.posY, object.savePointX, object.savePointY);
        records.push_back(formats::TileRecord{object.tileName, 0, object.posX, object.posY,
                                              object.displayWidth, object.displayHeight,
                                              object.layer});
    }
    if (!formats::saveLevelCache(s.cachePath, mapNumber, records)) {
        engine::coreError(engine::kErrorCreateCache);
    }
}

}  // namespace world
