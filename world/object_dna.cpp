#include "world/object_dna.h"

#include <string>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/media/files.h"
#include "engine/media/services.h"
#include "formats/tile_paths.h"
#include "world/animation_container.h"
#include "world/hud_texts.h"
#include "world/media_handles.h"
#include "world/picture_cache.h"

namespace world {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::IO;

// The state switches before a tile's own DNA is read onto a placed object.
void prepareForTile(WorldObject& object, std::string_view name) {
    object.hasAnimContainer = 0;
    object.canMoveH = 1;
    object.canMoveV = 1;
    if (!object.picturePath.empty()) return;
    object.tileName.assign(name);
    object.picturePath = tilePicturePath(name);
    object.streamState = kStreamedIn;
    object.hasSprite = 0;
    object.soundLoaded = 0;
    object.soundPlaying = 0;
    object.dnaName.assign(name);
    object.framesResident = 0;
    object.worldFTileIsMirror = 0;
    object.visibleThisFrame = 0;
}

// The state switches of the level-unload reset.
void prepareForReset(WorldObject& object, std::string_view name) {
    object.dnaName.assign(name);
    object.picturePath.clear();
    object.hasSprite = 0;
    object.soundLoaded = 0;
    object.streamState = kStreamedIn;
    object.framesResident = 0;
    object.worldFTileIsMirror = 0;
    object.visibleThisFrame = 0;
}

}  // namespace

std::string dnaFilePath(std::string_view name) {
    return formats::tileFilePath(engineSettings.gfxPath, name, formats::kDnaExtension);
}

DnaOutcome applyDnaToRecord(WorldObject& object, std::string_view name, bool reset) {
    const EngineSettings& s = engineSettings;
    const float xFactor = s.SCRW / s.SRC_SCRW;
    const float yFactor = s.SCRH / s.SRC_SCRH;
    if (reset) {
        prepareForReset(object, name);
    } else {
        prepareForTile(object, name);
    }
    DnaOutcome outcome;
    outcome.opened =
        formats::applyGameDnaFile(dnaFilePath(object.dnaName), object, outcome.effects);
    if (!outcome.opened) return outcome;
    if (!outcome.effects.animContainer.empty()) {
        object.animFrameCount = cappedFrameCount(s.maxAnimFrames);
        outcome.animationContainer =
            media::directoryExists(animationContainerDirectory(outcome.effects.animContainer));
        object.hasAnimContainer = outcome.animationContainer ? 1 : 0;
    }
    if (object.hasAnimContainer != 0) object.animDirection = kDirectionUp;
    formats::scaleDnaVelocity(object, xFactor, yFactor);
    return outcome;
}

void applyDnaEffects(std::int32_t i, const DnaOutcome& outcome) {
    if (!outcome.opened) return;
    const formats::DnaApplyEffects& effects = outcome.effects;
    if (effects.playerLife) {
        CHECKED_AT(engineSettings.playerStatus, kStatusLife).value = *effects.playerLife;
    }
    if (!effects.shadowPicture.empty()) loadShadow(effects.shadowPicture, i);
    if (outcome.animationContainer) measurePicture(i);
}

void applyDna(std::string_view name, std::int32_t i, bool reset) {
    const DnaOutcome outcome = applyDnaToRecord(CHECKED_AT(worldObjects, i), name, reset);
    applyDnaEffects(i, outcome);
}

void loadShadow(std::string_view name, std::int32_t i) {
    WorldObject& object = CHECKED_AT(worldObjects, i);
    const EngineSettings& s = engineSettings;
    object.hasShadow = 0;
    releaseSprite(object.shadowSprite3D);
    releasePicture(object.shadowSprite);
    object.shadowSprite = media::loadPicture(
        formats::tileFilePath(s.effectGfxPath, name, s.gfxExtension), kSpriteColourKey);
    if (media::pictureExists(object.shadowSprite)) {
        object.shadowSprite3D = media::makeSprite(object.shadowSprite);
    } else {
        object.shadowSprite = 0;
    }
    object.hasShadow = media::spriteExists(object.shadowSprite3D) ? 1 : 0;
}

void clearObjectIdentity(std::int32_t i) {
    WorldObject& object = CHECKED_AT(worldObjects, i);
    object.worldFTileIDString.clear();
    object.worldFTilePlayerID = 0;
    object.worldFTileIsGUI = 0;
    object.worldFTileNoScroll = 0;
}

}  // namespace world
