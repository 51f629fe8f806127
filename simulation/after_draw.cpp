#include "simulation/after_draw.h"

#include "engine/base/fault_guard.h"
#include "engine/media/services.h"
#include "engine/world_object.h"
#include "simulation/object_time.h"

namespace simulation {
namespace {
constexpr base::SourceUnit kSourceUnit = base::SourceUnit::SGFXCORE;
constexpr float kTouchRotateDecay = 0.05f;
}  // namespace

void afterDrawStep(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (object.worldFTileTouchTransparency != 0 && object.onScreen == 1) {
        object.worldFTileTransparency = static_cast<float>(object.baseTransparency);
    }
    if (object.worldFTileTouchRotate != 0) {
        if (object.worldFTileRotate > 0.0f) object.worldFTileRotate -= kTouchRotateDecay;
        if (object.worldFTileRotate < 0.0f) object.worldFTileRotate += kTouchRotateDecay;
    }
    // The draw comes first and is made every time, so the random sequence does not depend
    // on the other conditions.
    if (media::randomInt(object.worldFTileRandomSound) == 0 && object.rotating == 1 &&
        object.objectSound != 0 && object.worldFTileSoundPlayOnAction == 0) {
        objectSoundStep(objectIndex);
    }
}

void objectSoundStep(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (object.worldFTileIsActive < 1 || object.soundLoaded != 1) return;
    if (!media::soundExists(object.objectSound)) return;
    const std::int32_t now = tickNow();
    if (object.soundPlaying == 1 &&
        (tickPassed(now, object.soundStartTick, object.worldFTileSoundDuration) ||
         object.onScreen == 0)) {
        media::stopSound(object.objectSound);
        object.soundPlaying = 0;
    }
    if (object.soundPlaying == 0 && object.onScreen == 1) {
        media::playSound(object.objectSound, false);
        object.soundStartTick = now;
        object.soundPlaying = 1;
    }
}

}  // namespace simulation
