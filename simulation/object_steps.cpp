#include "simulation/object_steps.h"

#include <cmath>

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/media/services.h"
#include "engine/world_object.h"
#include "simulation/object_time.h"

namespace simulation {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::SGFXCORE;

constexpr float kPi = 3.1415927f;

// The frame steps run at most once per animTimer milliseconds; animTimer 0 stops them.
bool frameDue(WorldObject& object, std::int32_t now) {
    if (object.animTimer == 0) return false;
    if (!tickPassed(now, object.lastFrameTick, object.animTimer)) return false;
    object.lastFrameTick = now;
    return true;
}

// The next frame of a set, wrapping to 1 after its last one (a set without frames stays at
// frame 1).
void advance(AnimationSet& set) {
    if (set.currentFrame < set.frameCount) {
        set.currentFrame += 1;
    } else {
        set.currentFrame = 1;
    }
}

// The object takes the size of the set's current frame. A set without frames leaves the
// size alone: its empty entries would shrink the object to nothing while it moves that way.
void takeFrameSize(WorldObject& object, const AnimationSet& set) {
    if (set.frameCount < 1) return;
    object.width = static_cast<float>(CHECKED_AT(set.frameWidths, set.currentFrame));
    object.height = static_cast<float>(CHECKED_AT(set.frameHeights, set.currentFrame));
}

// One direction frame step: +1 shows and advances the positive set, -1 the negative one,
// other values advance nothing; the object then takes the size of the frame shown and
// widens its maximum size.
void directionFrameStep(std::int32_t objectIndex, float directionFactor, std::int32_t positiveCode,
                        std::int32_t negativeCode) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (!frameDue(object, tickNow())) return;
    const std::int32_t direction = base::roundToInt(directionFactor);
    if (direction == 1) object.animDirection = positiveCode;
    if (direction == -1) object.animDirection = negativeCode;
    // A still object shows its direction too (the turn-around reads it), but only an
    // animated one has frames to show; a still one keeps its size.
    if (object.hasAnimContainer != 1) return;
    AnimationSet* shown = animationSetFor(objectIndex, object.animDirection);
    if (shown == nullptr) return;
    if (direction == 1 || direction == -1) advance(*shown);
    takeFrameSize(object, *shown);
    if (object.width > object.maxWidth) object.maxWidth = object.width;
    if (object.height > object.maxHeight) object.maxHeight = object.height;
}

}  // namespace

void expansionStep(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    object.width += object.worldFTileExpansionValueH;
    object.height += object.worldFTileExpansionValueV;
    if (object.width <= 0.0f) object.width = object.maxWidth;
    if (object.height <= 0.0f) object.height = object.maxHeight;
    if (object.hasSprite == 1) {
        media::zoomSprite(object.sprite3D, static_cast<float>(base::roundToInt(object.width)),
                          static_cast<float>(base::roundToInt(object.height)));
    }
}

void fadeInStep(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (object.worldFTileFadeIn > 0.0f) {
        object.worldFTileFadeIn += object.worldFTileFadeInStep;
    } else {
        object.worldFTileFadeIn = 0.0f;
    }
}

void fadeOutStep(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (object.worldFTileFadeOut > 0.0f) {
        object.worldFTileFadeOut -= object.worldFTileFadeOutStep;
    } else {
        object.worldFTileFadeOut = 0.0f;
    }
}

void defaultFrameStep(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (!frameDue(object, tickNow())) return;
    AnimationSet& set = directionSets(objectIndex).defaultSet;
    advance(set);
    takeFrameSize(object, set);
}

void horizontalFrameStep(std::int32_t objectIndex) {
    const float factor = CHECKED_AT(worldObjects, objectIndex).worldFTileMoveH;
    directionFrameStep(objectIndex, factor, kDirectionRight, kDirectionLeft);
}

void verticalFrameStep(std::int32_t objectIndex) {
    const float factor = CHECKED_AT(worldObjects, objectIndex).worldFTileMoveV;
    directionFrameStep(objectIndex, factor, kDirectionDown, kDirectionUp);
}

std::array<media::Point, 4> rotatedCorners(float width, float height, float angle) {
    const float radius = std::sqrt(width * width + height * height) / 2.0f;
    // Half the angle the diagonal spans at the centre, measured from the x axis; atan2 keeps
    // a zero width or height defined.
    const float phi = std::atan2(height, width);
    const float centreX = width / 2.0f;
    const float centreY = height / 2.0f;
    auto corner = [&](float theta) {
        return media::Point{centreX + radius * std::cos(theta), centreY + radius * std::sin(theta)};
    };
    // The four angles a - phi, a + phi, a - phi + pi, a + phi + pi point at the upper right,
    // lower right, lower left and upper left corner of the upright rectangle (y grows
    // downwards); the compositor takes them from the upper left on.
    const media::Point upperRight = corner(angle - phi);
    const media::Point lowerRight = corner(angle + phi);
    const media::Point lowerLeft = corner(angle - phi + kPi);
    const media::Point upperLeft = corner(angle + phi + kPi);
    return {upperLeft, upperRight, lowerRight, lowerLeft};
}

void rotationStep(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (object.hasSprite != 1) return;
    if (media::randomInt(object.worldFTileRandomRotate) != 0) {
        object.rotating = 0;
        return;
    }
    const float angle = object.rotationAngle;  // the corners take the angle before the turn
    object.rotating = 1;
    object.rotationAngle += object.worldFTileRotate;
    media::setSpriteCorners(object.sprite3D, rotatedCorners(object.width, object.height, angle));
}

void flickerStep(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (object.worldFTileIsActive == kObjectGone) return;
    const std::int32_t n = base::roundToInt(object.worldFTileFlire);
    if (n == 0) return;
    object.worldFTileIsActive = media::randomInt(n) == 0 ? kObjectSwitchedOff : kObjectActive;
}

}  // namespace simulation
