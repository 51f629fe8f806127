#include "world/object_streaming.h"

#include <string>

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/media/services.h"
#include "engine/reports.h"
#include "engine/world_object.h"
#include "formats/tile_paths.h"
#include "world/animation_container.h"
#include "world/media_handles.h"
#include "world/picture_cache.h"

namespace world {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::STREAM_SYS;

WorldObject& objectAt(std::int32_t i) {
    return CHECKED_AT(worldObjects, i);
}

// The common part of streamOut and releaseStillPicture.
void dropStillSprite(WorldObject& object) {
    if (object.hasSprite != 1) return;
    if (!offScreenLongEnough(media::milliseconds(), object.lastSeenTick, object.area)) return;
    releaseSprite(object.sprite3D);
    object.hasSprite = 0;
    object.streamState = kStreamedOut;
    engineSettings.streamIndicator = 0;
}

}  // namespace

bool offScreenLongEnough(std::uint32_t now, std::int32_t lastSeenTick, std::int32_t area) {
    const std::uint32_t elapsed = now - static_cast<std::uint32_t>(lastSeenTick);
    return static_cast<std::int64_t>(elapsed) > static_cast<std::int64_t>(area);
}

void streamStep(std::int32_t i) {
    const WorldObject& object = objectAt(i);
    if (object.noStream != 0) return;
    if (object.onScreen == 1) {
        if (object.hasAnimContainer == 0) {
            streamInStillPicture(i);
        } else if (object.hasAnimContainer == 1) {
            streamInAnimation(i);
        }
    } else if (object.onScreen == 0 && object.hasAnimContainer != 1) {
        streamOut(i);
    }
}

void streamInStillPicture(std::int32_t i) {
    WorldObject& object = objectAt(i);
    if (object.worldFTileIsActive == 0 || object.hasSprite != 0) return;
    const std::int32_t entry = findCachedPicture(object.tileName);
    if (entry < 0) return;
    const PictureCacheEntry& cached = engineSettings.pictureCache[static_cast<std::size_t>(entry)];
    if (cached.loaded != 1) return;
    object.pictureWidth = static_cast<float>(media::pictureWidth(cached.sprite));
    object.pictureHeight = static_cast<float>(media::pictureHeight(cached.sprite));
    // A sprite left from an earlier stream-in (hasSprite cleared by someone else) is given
    // back before the new one replaces it.
    releaseSprite(object.sprite3D);
    object.sprite3D = media::makeSprite(cached.sprite);
    if (!media::spriteExists(object.sprite3D)) {
        object.sprite3D = 0;
        return;
    }
    media::zoomSprite(object.sprite3D, static_cast<float>(base::roundToInt(object.width)),
                      static_cast<float>(base::roundToInt(object.height)));
    object.hasSprite = 1;
    object.streamState = kStreamedIn;
    loadObjectSound(i);
    engineSettings.streamIndicator = 1;
}

void streamInAnimation(std::int32_t i) {
    if (objectAt(i).framesResident != 0) return;
    loadDirectionSets(i);
    WorldObject& object = objectAt(i);
    object.animDirection = kDirectionUp;
    object.framesResident = 1;
    object.hasSprite = 1;
    object.streamState = kStreamedIn;
    object.lastFrameTick = static_cast<std::int32_t>(media::milliseconds());
    loadObjectSound(i);
}

void streamOut(std::int32_t i) {
    dropStillSprite(objectAt(i));
}

void releaseStillPicture(std::int32_t i) {
    WorldObject& object = objectAt(i);
    if (object.noStream != 0) return;
    dropStillSprite(object);
}

std::string missingSoundWarning(std::string_view soundFile, std::string_view picturePath) {
    std::string text(kSoundWarningStart);
    text.append(soundFile).append(kSoundWarningMiddle).append(picturePath);
    return text;
}

void loadObjectSound(std::int32_t i) {
    WorldObject& object = objectAt(i);
    if (object.worldFTileSoundFile.empty()) return;
    const EngineSettings& s = engineSettings;
    if (object.objectSound == 0 || !media::soundExists(object.objectSound)) {
        object.objectSound = media::loadSound(
            formats::tileFilePath(s.soundPath, object.worldFTileSoundFile, s.soundExtension));
    }
    if (object.objectSound != 0 && media::soundExists(object.objectSound)) {
        media::setSoundVolume(object.objectSound, object.worldFTileSoundVolume);
        object.soundLoaded = 1;
        return;
    }
    object.objectSound = 0;
    object.soundLoaded = 0;
    engine::warningReport(missingSoundWarning(object.worldFTileSoundFile, object.picturePath));
}

void freeObjectSound(std::int32_t i) {
    WorldObject& object = objectAt(i);
    if (object.objectSound == 0 || !media::soundExists(object.objectSound)) return;
    media::stopSound(object.objectSound);
    media::freeSound(object.objectSound);
    object.objectSound = 0;
    object.soundLoaded = 0;
    object.soundPlaying = 0;
}

}  // namespace world
