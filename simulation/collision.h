// Collision of moving objects. A moving, colliding object tests its next position against
// every entry of collisionList; a touch may block one of its axes (canMoveH / canMoveV go to
// 0 and stay there until a touch handler or a conveyor opens them again) and runs the touch
// dispatch once for the pair: push, conveyor, touch transparency, touch rotation, then the
// handler of self's type (touch_handlers.h).
#pragma once

#include <cstdint>

namespace simulation {

// A rectangle of whole pixels. 64-bit, so that sums of saturated coordinates stay exact.
struct CollisionRect {
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// Where the object will be after its next step, rounded to whole pixels (ties to even):
// posX + worldFTileMoveH x speedX (x canMoveH with withFlags), the same vertically; its
// width and height.
CollisionRect nextRect(std::int32_t objectIndex, bool withFlags);

// Tests self against collisionList. The scan that the object update runs.
void collisionScan(std::int32_t self);

// The reference scan: every list entry in list order. Whatever faster scan collisionScan may
// use must find exactly these touches in exactly this order.
void collisionScanListOrder(std::int32_t self);

// The four strict tests of self's rectangle against other's, in order: self's top-left
// corner inside other and self's bottom-right corner inside other block the horizontal axis
// (when self moves on it); overlap and self's right edge within other's width (heights
// overlapping) block the vertical axis. Rectangles that only share an edge do not touch.
// Runs touchDispatch once when any test held, and returns whether one did.
bool collisionTest(std::int32_t self, std::int32_t other, const CollisionRect& selfRect,
                   const CollisionRect& otherRect);

// The effects of self touching other, in order: push, conveyor, touch transparency (never
// for a "LIGHTBLUE" mover), touch rotation (kept within -1..1), then self's type handler.
// Without one, a player runs the player handler and any other object reverses
// worldFTileMoveH with chance 1 in 11, then worldFTileMoveV with chance 1 in 11.
void touchDispatch(std::int32_t self, std::int32_t other);

// A pusher strictly heavier than the pushed object hands it its directions, and its
// worldFTileVELO as both speeds and as worldFTileVELO.
void pushObject(std::int32_t pusher, std::int32_t pushed);

// The conveyors "WALKDOWN", "WALKUP", "WALKLEFT", "WALKRIGHT" carry self along their
// direction and block the other axis while self touches them; other names do nothing.
void transportObject(std::int32_t self, std::int32_t carrier);

}  // namespace simulation
