// Movement of world objects: the move step with its chance turns and axis steps, the slide
// of pushed objects, following, going home, the turn-around reaction and the scrolling of
// the world around the player. Collision is collision.h, the player's keys player_input.h.
// Every step takes an object index into worldObjects.
#pragma once

#include <cstdint>
#include <string_view>

namespace simulation {

// A non-player object with worldFTileRandomMove n != 0 that moves both ways draws up to five
// times (each succeeds with chance 1 in n + 1); the first success turns it right, down, up,
// left or to a stand and costs it this frame's step. Otherwise it steps vertically, then
// horizontally; a player object horizontally, then vertically.
void moveStep(std::int32_t objectIndex);
// One axis step by direction x speed x may-move flag, then that axis's frame step (also when
// blocked, so a blocked walker walks on the spot).
void stepHorizontal(std::int32_t objectIndex);
void stepVertical(std::int32_t objectIndex);

// Slows a pushed object (one without a speed of its own) by 0.9 per acting frame and stops
// it below 0.1; it acts with chance 1 in worldFTileTouchMove + 1 (always for 1).
void pushDecay(std::int32_t objectIndex);

// Steers toward the object whose worldFTileIDString is targetType: the first active one on
// screen, searched from index 0 while followTarget is below 1, then followTarget. Only an
// axis the object already moves on turns.
void followStep(std::string_view targetType, std::int32_t objectIndex);

// Heads home at speed 2 on both axes; an axis within 2 pixels of home stands.
void goBackStep(std::int32_t objectIndex);

// The reaction of a simple monster to a touch: it turns around unless its
// worldFTileAILevel is 1.
void aiReaction(std::int32_t self, std::int32_t other);
// Reverses an object that moves both ways along the direction it shows (animDirection);
// the DEFAULT direction and other codes change nothing.
void turnAround(std::int32_t objectIndex);

// Keeps the player in the middle of the screen: while it stands outside 30 %..70 % of the
// screen on an axis it may move on, every scrolling object (not GUI, not worldFTileNoScroll)
// and the player itself shift back by the player's step, so the world moves under a standing
// player. Home positions and save points stay. A player index whose object is no player
// object (no player in the level) scrolls nothing.
void scrollAroundPlayer(std::int32_t playerIndex);

}  // namespace simulation
