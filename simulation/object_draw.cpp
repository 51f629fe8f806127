#include "simulation/object_draw.h"

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/media/compositor.h"
#include "engine/media/services.h"
#include "engine/world_object.h"

namespace simulation {
namespace {
constexpr base::SourceUnit kSourceUnit = base::SourceUnit::SGFXCORE;
constexpr int kShadowAlpha = 100;

// The sprite service takes whole pixels and whole alphas.
void drawRounded(media::SpriteHandle sprite, float x, float y, float alpha) {
    media::drawSprite(sprite, static_cast<float>(base::roundToInt(x)),
                      static_cast<float>(base::roundToInt(y)), base::roundToInt(alpha));
}

void zoomRounded(media::SpriteHandle sprite, float width, float height) {
    media::zoomSprite(sprite, static_cast<float>(base::roundToInt(width)),
                      static_cast<float>(base::roundToInt(height)));
}

// An empty text is normal alpha blending; a usable pair replaces the mode; anything else
// leaves the mode the previous object set.
void applyBlendMode(const std::string& postEffect) {
    if (postEffect.empty()) {
        media::setSpriteBlend(media::kBlendSrcAlpha, media::kBlendInvSrcAlpha);
        return;
    }
    parseBlendCodes(postEffect);
    if (blendSource != 0 && blendDestination != 0) {
        media::setSpriteBlend(blendSource, blendDestination);
    }
}

}  // namespace

std::int32_t blendSource = 0;
std::int32_t blendDestination = 0;

void parseBlendCodes(std::string_view text) {
    const std::size_t at = text.find('x');
    const std::string_view source = at == std::string_view::npos ? text : text.substr(0, at);
    const std::string_view destination =
        at == std::string_view::npos ? std::string_view{} : text.substr(at + 1);
    if (source.empty() || destination.empty()) {
        blendSource = 0;
        blendDestination = 0;
        return;
    }
    blendSource = base::parseInteger(source);
    blendDestination = base::parseInteger(destination);
}

void drawObject(std::int32_t objectIndex) {
    const WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (object.worldFTileIsActive != kObjectActive || object.hasSprite != 1) return;
    applyBlendMode(object.postEFFECT);
    const bool stillSprite = media::spriteExists(object.sprite3D);
    if (object.worldFStretch == 1 && stillSprite) {
        drawRounded(object.sprite3D, 0.0f, 0.0f,
                    object.worldFTileTransparency - object.worldFTileFadeIn);
    }
    // An animated object draws its shadow with its frame, whatever GLOBAL_GFX_FX says; a
    // second one here would darken it twice.
    if (object.hasShadow == 1 && object.hasAnimContainer != 1 && engineSettings.globalGfxFx == 1 &&
        media::spriteExists(object.shadowSprite3D)) {
        zoomRounded(object.shadowSprite3D, object.width, object.height);
        drawRounded(object.shadowSprite3D, object.posX, object.posY, kShadowAlpha);
    }
    if (object.hasAnimContainer == 1) {
        drawAnimatedObject(objectIndex);
    } else if (object.worldFTileIsMirror == 0 && stillSprite) {
        drawRounded(
            object.sprite3D, object.posX, object.posY,
            object.worldFTileTransparency - object.worldFTileFadeIn - object.worldFTileFadeOut);
    }
}

void drawAnimatedObject(std::int32_t objectIndex) {
    const WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (object.framesResident != 1) return;
    const AnimationSet* set = shownAnimationSet(objectIndex, object.animDirection);
    if (set == nullptr) return;
    const std::int32_t frame = set->currentFrame;
    const auto width = static_cast<float>(CHECKED_AT(set->frameWidths, frame));
    const auto height = static_cast<float>(CHECKED_AT(set->frameHeights, frame));
    if (object.hasShadow == 1 && media::spriteExists(object.shadowSprite3D)) {
        media::zoomSprite(object.shadowSprite3D, width, height);
        drawRounded(object.shadowSprite3D, object.posX, object.posY, kShadowAlpha);
    }
    const media::SpriteHandle sprite = CHECKED_AT(set->frameSprites3D, frame);
    if (!media::spriteExists(sprite)) return;
    media::zoomSprite(sprite, width, height);
    drawRounded(sprite, object.posX, object.posY,
                object.worldFTileTransparency - object.worldFTileFadeIn);
}

}  // namespace simulation
