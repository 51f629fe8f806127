#include "simulation/object_update.h"

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/media/services.h"
#include "engine/world_object.h"
#include "simulation/collision.h"
#include "simulation/game_rules.h"
#include "simulation/movement.h"
#include "simulation/object_steps.h"
#include "simulation/object_time.h"
#include "simulation/player_input.h"
#include "simulation/weapons.h"
#include "world/live_time.h"
#include "world/object_streaming.h"

namespace simulation {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::SGFXCORE;

// Switching off never brings back an object that is gone for good.
void switchOff(WorldObject& object) {
    if (object.worldFTileIsActive != kObjectGone) object.worldFTileIsActive = kObjectSwitchedOff;
}

void lifeEnds(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (object.worldFTileIDString == kBugTypeName) {
        object.useWeapon = kBugFireTypeName;
        fireWeapon(objectIndex, object.posX, object.posY);
        object.useWeapon.clear();
    }
    switchOff(object);
    object.linkedObject = 0;
    if (object.worldFTileExpansionValueH != 0.0f || object.worldFTileExpansionValueV != 0.0f) {
        object.height = object.maxHeight;
        object.width = object.maxWidth;
    }
    if (object.soundLoaded == 1 && media::soundExists(object.objectSound)) {
        media::stopSound(object.objectSound);
    }
}

}  // namespace

void updateObject(std::int32_t objectIndex) {
    const EngineSettings& s = engineSettings;
    if (s.playerDead != 0) return;
    if (s.frameCycle == 0) world::liveTimeStep(objectIndex);
    lifeTimeStep(objectIndex);
    refreshCenter(objectIndex);
    gameStateTimer();
    objectStep(objectIndex);
    killOutOfScreen(objectIndex);
    if (CHECKED_AT(worldObjects, objectIndex).worldFTileIsActive > 0) playerRules(objectIndex);
    markVisibility(objectIndex);
}

void lifeTimeStep(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (object.lifetimeActive != 1) return;
    const std::int32_t now = tickNow();
    if (tickPassed(now, object.lifetimeStart, object.worldFTileTimerMS)) {
        object.lifetimeStart = tickAdd(now, object.worldFTileTimerMS);
        object.worldFTileLifeTime = tickAdd(object.worldFTileLifeTime, -1);
    }
    if (object.worldFTileLifeTime < 1) lifeEnds(objectIndex);
}

void refreshCenter(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    object.centerX = object.width / 2.0f + object.posX;
    object.centerY = object.height / 2.0f + object.posY;
}

void objectStep(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (object.worldFTileIsActive >= 1) {
        if (object.worldFTileExpansionValueH != 0.0f || object.worldFTileExpansionValueV != 0.0f) {
            expansionStep(objectIndex);
        }
        if (object.worldFTileTouchMove != 0 && object.onScreen == 1) pushDecay(objectIndex);
        if (!object.useWeapon.empty()) fireWeapon(objectIndex, object.posX, object.posY);
        if (object.worldFTileFadeIn != 0.0f) fadeInStep(objectIndex);
        if (object.worldFTileFadeOut != 0.0f) fadeOutStep(objectIndex);
        if (object.worldFTileGoBack != 0) goBackStep(objectIndex);
        if (object.worldFTileCollision != 0 && object.worldFTileVELO != 0.0f) {
            collisionScan(objectIndex);
        }
        // The follow, frame, rotation, player and move block only runs on screen.
        if (object.onScreen == 1) {
            if (object.worldFTileFollowObject != 0 &&
                media::randomInt(object.worldFTileRandomFollow) == 0) {
                followStep(object.worldFTileFollow, objectIndex);
            }
            if (object.hasAnimContainer == 1 && object.animDirection == kDirectionDefault) {
                defaultFrameStep(objectIndex);
            }
            if (object.worldFTileRotate != 0.0f) rotationStep(objectIndex);
            if (object.worldFTilePlayerID != 0) playerInput(objectIndex);
            if (object.worldFTileVELO != 0.0f) moveStep(objectIndex);
        }
    }
    flickerStep(objectIndex);
}

void killOutOfScreen(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    // onScreen still holds the previous frame's value: markVisibility runs later.
    if (object.worldFTileKillOutOfScreen == 0 || object.onScreen != 0) return;
    world::freeObjectSound(objectIndex);
    world::releaseStillPicture(objectIndex);
    switchOff(object);
    object.linkedObject = 0;
}

void markVisibility(std::int32_t objectIndex) {
    EngineSettings& s = engineSettings;
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    const bool onScreen = object.posX + object.width > 0.0f && object.posX < s.SCRW &&
                          object.posY + object.height > 0.0f && object.posY < s.SCRH;
    if (onScreen) {
        const bool listed = static_cast<std::int64_t>(s.drawLast) + 1 <
                            static_cast<std::int64_t>(s.drawList.size());
        if (listed) {
            s.drawLast += 1;
            CHECKED_AT(s.drawList, s.drawLast) = objectIndex;
        }
        object.onScreen = 1;
        object.visibleThisFrame = listed ? 1 : 0;
        object.lastSeenTick = tickNow();
    } else {
        object.onScreen = 0;
        object.visibleThisFrame = 0;
    }
    s.drawnObjects = s.drawLast;
}

}  // namespace simulation
