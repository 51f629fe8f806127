#include "engine/debug_overlay.h"

#include <charconv>
#include <string_view>

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/media/services.h"
#include "engine/world_object.h"

namespace engine {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::OUTPUT;

constexpr std::int32_t kOverlayX = 10;
constexpr media::Argb kOverlayGreen = media::rgb(0, 200, 0);
constexpr media::Argb kOverlayBlack = media::rgb(0, 0, 0);
constexpr media::Argb kNoiseGreen = media::rgb(0, 100, 0);

std::string num(std::int64_t value) {
    return std::to_string(value);
}

// Shortest decimal text that reads back as the same float ("32", "2.5").
std::string floatText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string rounded(float value) {
    return num(base::roundToInt(value));
}

// The picture cache entry at the index the next load would fill; 0 when there is none.
std::uint32_t pictureCacheEntryAtIndex() {
    const EngineSettings& s = engineSettings;
    if (s.pictureCacheCount < 0 ||
        static_cast<std::size_t>(s.pictureCacheCount) >= s.pictureCache.size()) {
        return 0;
    }
    return s.pictureCache[static_cast<std::size_t>(s.pictureCacheCount)].sprite;
}

std::string lastSoundName() {
    const EngineSettings& s = engineSettings;
    return CHECKED_AT(s.effectSoundNames, s.effectSoundCounter);
}

void addLabelBlock(std::vector<OverlayLine>& lines, const WorldObject& o) {
    const EngineSettings& s = engineSettings;
    const float mapX = o.posX + s.viewOffsetX;
    const float mapY = o.posY + s.viewOffsetY;
    const std::int32_t x = base::roundToInt(mapX);
    auto add = [&](std::int32_t dy, std::string text) {
        lines.push_back({x, base::roundToInt(mapY + static_cast<float>(dy)), std::move(text)});
    };
    add(14, "LifeTime:" + num(o.worldFTileLifeTime));
    add(28, "UseWEapon: " + o.useWeapon);
    add(42, "InternalName" + o.worldFTileIDString);
    add(56, "MapX:" + rounded(mapX) + "  MapY:" + rounded(mapY));
    add(70, "ANIM CONTAINER: " + o.animContainer);
    add(84, "SoundFile:" + o.worldFTileSoundFile + "  Index:" + num(o.objectSound));
    add(98, "SoundVolume:" + num(o.worldFTileSoundVolume));
    add(112, "ObjectFile:" + o.picturePath);
    add(126, "IsAnim:" + num(o.hasAnimContainer));
    add(140, "Valid-Stream-GFX:" + num(o.hasSprite));
    add(154, "FollowObjectID:" + num(o.followTarget));
    add(170, "HP:" + num(o.hp));
    add(184, "weaponPower: " + num(o.worldFTileWeaponPower));
}

void drawNoise() {
    EngineSettings& s = engineSettings;
    media::setTextTransparent(true);
    const int width = base::roundToInt(s.SCRW);
    const int height = base::roundToInt(s.SCRH);
    for (std::int32_t n = 0; n < kNoiseCharacters; ++n) {
        const char character = static_cast<char>(media::randomInt(255));
        const int x = media::randomInt(width);
        const int y = media::randomInt(height);
        media::drawText(x, y, std::string_view(&character, 1), kNoiseGreen);
        ++s.scanCounter;
        if (static_cast<float>(s.scanCounter) > s.SCRH) s.scanCounter = 0;
    }
}

}  // namespace

std::vector<OverlayLine> overlayFigureLines() {
    const EngineSettings& s = engineSettings;
    const std::string area = floatText(s.areaHeight);
    std::vector<OverlayLine> lines = {
        {kOverlayX, 10,
         "AREA-H: " + area + " AREA-W :" + floatText(s.areaWidth) + " AREAS: " + num(s.matrixSize) +
             "*" + num(s.matrixSize) + " AREA X" + rounded(s.areaX) + ":Y" + rounded(s.areaY)},
        {kOverlayX, 24, "AI-COLLSIONOBJECTS " + num(s.collisionLast)},
        {kOverlayX, 38, "EMITTER-OBJECTS: " + num(s.lastWeapon)},
        {kOverlayX, 52, "SCALER X: " + floatText(s.scalerX) + " SCALER Y: " + floatText(s.scalerY)},
        {kOverlayX, 66,
         "SRC_SCRW: " + rounded(s.SRC_SCRW) + "  SRC_SCRH: " + rounded(s.SRC_SCRH) +
             " SCRW: " + rounded(s.SCRW) + "  SCRH: " + rounded(s.SCRH)},
        {kOverlayX, 80, "ACTUAL SCOPE AT: " + s.scopeText},
        {kOverlayX, 94, "TOTAL ROZO - RORAZUZ OBJECTS: " + num(s.objectLast)},
        {kOverlayX, 108, "MULTITASK ENGINE DELAY (ms):" + num(s.multitask)},
        {kOverlayX, 122, "ANIM_PATH: " + s.animSystemPath},
        {kOverlayX, 136, "MAXANIMFRAMES/OBJECT: " + num(s.maxAnimFrames)},
        {kOverlayX, 150, "FX-SOUNDS: " + num(s.effectSoundCounter)},
        {kOverlayX, 164, "SOUNDPATH: " + s.soundPath},
        {kOverlayX, 178, "LAST SOUND:" + s.soundPath + lastSoundName() + s.soundExtension},
        {kOverlayX, 192, "LEVEL LOADSOUND:" + s.fileLoadMusic},
        {kOverlayX, 206, "LEVEL LOADSOUND_ID:" + num(s.levelMusic)},
        {kOverlayX, 220, "MAPID#:" + num(s.actualMapId)},
        // The software screen holds no video memory of its own.
        {kOverlayX, 234, "VMEM: 0"},
        {kOverlayX, 248, "MIRRORS: " + num(s.mirrorCount)},
        {kOverlayX, 264, "Stream: " + num(s.streamIndicator)},
        {kOverlayX, 278, "EngineMaxObjects: " + num(s.maxObjects)},
        {kOverlayX, 292, "Actual ObjectID: " + num(s.objectLast)},
        {kOverlayX, 308, "BlitStartID: " + num(s.blitStart)},
        {kOverlayX, 324, "BlitendID: " + num(s.blitEnd)},
        {kOverlayX, 340, "CacheLocation: " + s.cachePath},
        {kOverlayX, 354, "_2dgfx_id_max_index: " + num(s.pictureCacheCount - 1)},
        {kOverlayX, 368, "_2dgfx_id_index: " + num(s.pictureCacheCount)},
        {kOverlayX, 382, "_2dgfx_id_index: " + num(pictureCacheEntryAtIndex())},
        {kOverlayX, 396, "MaxBlittObjectsInScreen: " + num(s.drawnObjects)},
    };
    return lines;
}

std::vector<OverlayLine> objectLabelLines() {
    std::vector<OverlayLine> lines;
    for (std::int64_t i = 0; i <= engineSettings.objectLast; ++i) {
        const WorldObject& o = CHECKED_AT(worldObjects, i);
        if (o.worldFTileVELO != 0.0f && o.worldFTileIsActive > 0) addLabelBlock(lines, o);
    }
    return lines;
}

void debugOverlay() {
    EngineSettings& s = engineSettings;
    if (s.paused != 0) return;
    s.overlayTick = media::milliseconds();
    if (s.mapMissing == 1) media::clearScreen(0, 0, 0);
    media::beginText();
    if (s.overlay == 1) {
        media::setTextTransparent(false);
        for (const OverlayLine& line : overlayFigureLines()) {
            media::drawText(line.x, line.y, line.text, kOverlayGreen, kOverlayBlack);
        }
        for (const OverlayLine& line : objectLabelLines()) {
            media::drawText(line.x, line.y, line.text, kOverlayGreen, kOverlayBlack);
        }
    }
    if (s.mapMissing == 1) drawNoise();
    media::endText();
}

}  // namespace engine
