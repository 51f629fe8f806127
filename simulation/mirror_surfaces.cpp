#include "simulation/mirror_surfaces.h"

#include <array>
#include <cstddef>

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/media/services.h"
#include "engine/world_object.h"

namespace simulation {
namespace {
constexpr base::SourceUnit kSourceUnit = base::SourceUnit::SGFXCORE;

// Where a side grabs, in object sizes from the surface's corner, and how much.
struct MirrorSide {
    std::string_view name;
    float offsetX;  // times the width
    float offsetY;  // times the height
    float grabWidth;
    float grabHeight;
};

constexpr std::array<MirrorSide, 5> kMirrorSides = {{
    {"LEFT", -1.0f, 0.0f, 1.2f, 1.0f},
    {"RIGHT", 1.0f, 0.0f, 1.2f, 1.0f},
    {"TOP", 0.0f, -1.0f, 1.0f, 1.2f},
    {"DOWN", 0.0f, 1.0f, 1.0f, 1.2f},
    {"FLOOR", 0.0f, 0.0f, 1.1f, 1.1f},
}};

const MirrorSide* findSide(std::string_view name) {
    for (const MirrorSide& side : kMirrorSides) {
        if (side.name == name) return &side;
    }
    return nullptr;
}

media::PictureHandle mirrorSprite = 0;
media::SpriteHandle mirrorSprite3D = 0;

int rounded(float value) {
    return base::roundToInt(value);
}

}  // namespace

void releaseMirrorSprites() {
    if (mirrorSprite3D != 0 && media::spriteExists(mirrorSprite3D)) {
        media::freeSprite(mirrorSprite3D);
    }
    mirrorSprite3D = 0;
    if (mirrorSprite != 0 && media::pictureExists(mirrorSprite)) media::freePicture(mirrorSprite);
    mirrorSprite = 0;
}

void mirrorSurface(std::int32_t objectIndex, std::string_view sideName) {
    const MirrorSide* side = findSide(sideName);
    if (side == nullptr) return;
    const WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    releaseMirrorSprites();
    const EngineSettings& s = engineSettings;
    const float x = object.posX + s.viewOffsetX;
    const float y = object.posY + s.viewOffsetY;
    const float w = object.width;
    const float h = object.height;
    mirrorSprite =
        media::grabPicture(rounded(x + side->offsetX * w), rounded(y + side->offsetY * h),
                           rounded(w * side->grabWidth), rounded(h * side->grabHeight));
    if (mirrorSprite == 0) return;
    mirrorSprite3D = media::makeSprite(mirrorSprite);
    if (mirrorSprite3D == 0) return;
    media::zoomSprite(mirrorSprite3D, static_cast<float>(rounded(w)),
                      static_cast<float>(rounded(h)));
    media::drawSprite(mirrorSprite3D, static_cast<float>(rounded(x)),
                      static_cast<float>(rounded(y)), object.worldFTileIsMirror);
}

void drawMirrors() {
    const EngineSettings& s = engineSettings;
    if (s.mirrorsDisabled != 0 || s.mirrorCount == 0) return;
    for (std::int32_t k = 0; k <= s.drawLast; ++k) {
        const std::int32_t index = CHECKED_AT(s.drawList, k);
        const WorldObject& object = CHECKED_AT(worldObjects, index);
        if (object.worldFTileIsMirror > 0 && object.visibleThisFrame == 1 && object.onScreen == 1) {
            mirrorSurface(index, object.worldFTileMirrorAt);
        }
    }
}

}  // namespace simulation
