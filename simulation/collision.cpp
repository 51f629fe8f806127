#include "simulation/collision.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/media/services.h"
#include "engine/world_object.h"
#include "simulation/collision_grid.h"
#include "simulation/touch_handlers.h"

namespace simulation {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::AI;

// A mover of this type never makes touch-transparent objects transparent.
constexpr std::string_view kNoTransparencyType = "LIGHTBLUE";
constexpr float kTouchRotateFactor = 10.0f;
constexpr float kTouchRotateLimit = 1.0f;

// The chance reversals of a mover without a handler: Random(10) = 5 reverses the
// horizontal direction, another Random(10) = 1 the vertical one.
constexpr int kReverseChance = 10;
constexpr int kReverseHorizontalDraw = 5;
constexpr int kReverseVerticalDraw = 1;

struct Conveyor {
    std::string_view type;
    std::int8_t canMoveH;
    std::int8_t canMoveV;
    float moveH;  // direction set on the carried object; 0 leaves that axis alone
    float moveV;
};

constexpr std::array<Conveyor, 4> kConveyors = {{
    {"WALKDOWN", 0, 1, 0.0f, 1.0f},
    {"WALKUP", 0, 1, 0.0f, -1.0f},
    {"WALKLEFT", 1, 0, -1.0f, 0.0f},
    {"WALKRIGHT", 1, 0, 1.0f, 0.0f},
}};

// a < b < c, strictly.
bool strictlyBetween(std::int64_t a, std::int64_t b, std::int64_t c) {
    return a < b && b < c;
}

void blockHorizontal(WorldObject& self) {
    if (self.worldFTileMoveH != 0.0f && self.canMoveH != 0) self.canMoveH = 0;
}

void blockVertical(WorldObject& self) {
    if (self.worldFTileMoveV != 0.0f && self.canMoveV != 0) self.canMoveV = 0;
}

// The fallback of a mover whose type has no handler.
void defaultTouch(std::int32_t self, std::int32_t other) {
    WorldObject& mover = CHECKED_AT(worldObjects, self);
    if (mover.worldFTilePlayerID != 0) {
        if (touchSlots.player != nullptr) touchSlots.player(self, other);
        return;
    }
    // Both draws are made every time, so the random sequence does not depend on the first.
    if (media::randomInt(kReverseChance) == kReverseHorizontalDraw) {
        mover.worldFTileMoveH = -mover.worldFTileMoveH;
    }
    if (media::randomInt(kReverseChance) == kReverseVerticalDraw) {
        mover.worldFTileMoveV = -mover.worldFTileMoveV;
    }
}

}  // namespace

CollisionRect nextRect(std::int32_t objectIndex, bool withFlags) {
    const WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    float stepX = object.worldFTileMoveH * object.speedX;
    float stepY = object.worldFTileMoveV * object.speedY;
    if (withFlags) {
        stepX *= static_cast<float>(object.canMoveH);
        stepY *= static_cast<float>(object.canMoveV);
    }
    return {base::roundToInt(object.posX + stepX), base::roundToInt(object.posY + stepY),
            base::roundToInt(object.width), base::roundToInt(object.height)};
}

void collisionScan(std::int32_t self) {
    collisionScanGrid(self);
}

void collisionScanListOrder(std::int32_t self) {
    const EngineSettings& s = engineSettings;
    const CollisionRect selfRect = nextRect(self, false);
    // collisionLast is read every time round: a touch handler may not change it, but the
    // scan must not run past a list that one did.
    for (std::int64_t k = 0; k <= s.collisionLast; ++k) {
        const std::int32_t other = CHECKED_AT(s.collisionList, k);
        if (other == self) continue;
        const WorldObject& candidate = CHECKED_AT(worldObjects, other);
        if (candidate.worldFTileIsActive != kObjectActive || candidate.worldFTileCollision == 0) {
            continue;
        }
        collisionTest(self, other, selfRect, nextRect(other, true));
    }
}

bool collisionTest(std::int32_t self, std::int32_t other, const CollisionRect& selfRect,
                   const CollisionRect& otherRect) {
    WorldObject& mover = CHECKED_AT(worldObjects, self);
    const std::int64_t sx = selfRect.x, sy = selfRect.y;
    const std::int64_t sw = selfRect.width, sh = selfRect.height;
    const std::int64_t ox = otherRect.x, oy = otherRect.y;
    const std::int64_t ow = otherRect.width, oh = otherRect.height;
    bool hit = false;
    // 1: self's top-left corner inside other.
    if (strictlyBetween(ox, sx, ox + ow) && strictlyBetween(oy, sy, oy + oh)) {
        hit = true;
        blockHorizontal(mover);
    }
    // 2: self's bottom-right corner inside other.
    if (strictlyBetween(ox, sx + sw, ox + ow) && strictlyBetween(oy, sy + sh, oy + oh)) {
        hit = true;
        blockHorizontal(mover);
    }
    // 3: the rectangles overlap.
    if (sy < oy + oh && sy + sh > oy && sx < ox + ow && sx + sw > ox) {
        hit = true;
        blockVertical(mover);
    }
    // 4: self's right edge within other's width, heights overlapping.
    if (sy + sh > oy && sy < oy + oh && strictlyBetween(ox, sx + sw, ox + ow)) {
        hit = true;
        blockVertical(mover);
    }
    if (hit) touchDispatch(self, other);
    return hit;
}

void touchDispatch(std::int32_t self, std::int32_t other) {
    if (CHECKED_AT(worldObjects, other).worldFTileTouchMove != 0) pushObject(self, other);
    if (CHECKED_AT(worldObjects, other).worldFTileTransport != 0) transportObject(self, other);
    WorldObject& mover = CHECKED_AT(worldObjects, self);
    WorldObject& touched = CHECKED_AT(worldObjects, other);
    if (touched.worldFTileTouchTransparency != 0 && mover.worldFTileVELO != 0.0f && other != self &&
        mover.worldFTileIDString != kNoTransparencyType) {
        touched.worldFTileTransparency = static_cast<float>(touched.worldFTileTouchTransparency);
    }
    if (touched.worldFTileTouchRotate != 0 && mover.worldFTileVELO != 0.0f) {
        const float turn = (mover.worldFTileMoveH + mover.worldFTileMoveV) / kTouchRotateFactor;
        touched.worldFTileRotate =
            std::clamp(touched.worldFTileRotate + turn, -kTouchRotateLimit, kTouchRotateLimit);
    }
    if (TouchHandler handler = touchSlots.handlerFor(mover.worldFTileIDString)) {
        handler(self, other);
    } else {
        defaultTouch(self, other);
    }
}

void pushObject(std::int32_t pusher, std::int32_t pushed) {
    const WorldObject& heavy = CHECKED_AT(worldObjects, pusher);
    WorldObject& light = CHECKED_AT(worldObjects, pushed);
    if (heavy.worldFTileWeight <= light.worldFTileWeight) return;
    light.worldFTileMoveV = heavy.worldFTileMoveV;
    light.worldFTileMoveH = heavy.worldFTileMoveH;
    light.speedY = heavy.worldFTileVELO;
    light.speedX = heavy.worldFTileVELO;
    light.worldFTileVELO = heavy.worldFTileVELO;
    noteObjectPlaced(pushed);
}

void transportObject(std::int32_t self, std::int32_t carrier) {
    const std::string_view type = CHECKED_AT(worldObjects, carrier).worldFTileIDString;
    const auto conveyor = std::ranges::find(kConveyors, type, &Conveyor::type);
    if (conveyor == kConveyors.end()) return;
    WorldObject& carried = CHECKED_AT(worldObjects, self);
    carried.canMoveH = conveyor->canMoveH;
    carried.canMoveV = conveyor->canMoveV;
    if (conveyor->moveH != 0.0f) carried.worldFTileMoveH = conveyor->moveH;
    if (conveyor->moveV != 0.0f) carried.worldFTileMoveV = conveyor->moveV;
}

}  // namespace simulation
