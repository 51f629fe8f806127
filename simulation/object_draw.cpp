#include "simulation/object_draw.h"

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/media/compositor.h"
#include "engine/media/services.h"
#include "engine/world_object.h"

namespace simulation {
namespace {
constexpr base::SourceUnit kSourceUnit = base::SourceUnit::SGFXCORE;
}  // namespace

void drawObject(std::int32_t objectIndex) {
    const WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (object.worldFTileIsActive != kObjectActive || object.hasSprite != 1) return;
    if (object.worldFTileIsMirror != 0 || !media::spriteExists(object.sprite3D)) return;
    const float alpha =
        object.worldFTileTransparency - object.worldFTileFadeIn - object.worldFTileFadeOut;
    media::setSpriteBlend(media::kBlendSrcAlpha, media::kBlendInvSrcAlpha);
    media::drawSprite(object.sprite3D, static_cast<float>(base::roundToInt(object.posX)),
                      static_cast<float>(base::roundToInt(object.posY)), base::roundToInt(alpha));
}

}  // namespace simulation
