#include "simulation/movement.h"

#include <array>
#include <cmath>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/media/services.h"
#include "engine/world_object.h"
#include "simulation/object_steps.h"

namespace simulation {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::AI;

// A chance turn of the move step: the directions and the direction shown.
struct ChanceTurn {
    float moveH;
    float moveV;
    std::int32_t direction;
};

// In the order of the draws.
constexpr std::array<ChanceTurn, 5> kChanceTurns = {{
    {1.0f, 0.0f, kDirectionRight},
    {0.0f, 1.0f, kDirectionDown},
    {0.0f, -1.0f, kDirectionUp},
    {-1.0f, 0.0f, kDirectionLeft},
    {0.0f, 0.0f, kDirectionDefault},
}};

// A turn-around by the direction shown.
struct Reversal {
    std::int32_t from;
    float moveH;
    float moveV;
    std::int32_t to;
};

constexpr std::array<Reversal, 4> kReversals = {{
    {kDirectionDown, 0.0f, -1.0f, kDirectionUp},
    {kDirectionLeft, 1.0f, 0.0f, kDirectionRight},
    {kDirectionRight, -1.0f, 0.0f, kDirectionLeft},
    {kDirectionUp, 0.0f, 1.0f, kDirectionDown},
}};

constexpr float kPushSlowdown = 0.9f;
constexpr float kPushRest = 0.1f;
constexpr float kGoBackSpeed = 2.0f;
constexpr float kGoBackDeadZone = 2.0f;
constexpr float kScrollBandLow = 0.3f;
constexpr float kScrollBandHigh = 0.7f;

// -1, 0 or +1 toward target from here.
float toward(float here, float target) {
    if (target > here) return 1.0f;
    if (target < here) return -1.0f;
    return 0.0f;
}

// The first active object of a type that is on screen, from index 0 on; -1 when none is.
std::int32_t findOnScreen(std::string_view type) {
    for (std::int64_t i = 0; i <= engineSettings.objectLast; ++i) {
        const WorldObject& candidate = CHECKED_AT(worldObjects, i);
        if (candidate.onScreen == 1 && candidate.worldFTileIDString == type &&
            candidate.worldFTileIsActive > 0) {
            return static_cast<std::int32_t>(i);
        }
    }
    return -1;
}

bool scrolls(const WorldObject& object) {
    return object.worldFTileIsGUI == 0 && object.worldFTileNoScroll == 0;
}

// Moves every scrolling object, the player last, back by shift along one axis (position
// is posX or posY), so the player stays inside the band.
void scrollAxis(std::int32_t playerIndex, float WorldObject::*position, float shift) {
    for (std::int64_t i = 0; i <= engineSettings.objectLast; ++i) {
        WorldObject& object = CHECKED_AT(worldObjects, i);
        if (i != playerIndex && scrolls(object)) object.*position -= shift;
    }
    CHECKED_AT(worldObjects, playerIndex).*position -= shift;
}

}  // namespace

void moveStep(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    const bool player = object.worldFTilePlayerID != 0;
    if (!player && object.worldFTileRandomMove != 0 && object.movesBothWays == 1) {
        for (const ChanceTurn& turn : kChanceTurns) {
            if (media::randomInt(object.worldFTileRandomMove) != 0) continue;
            object.worldFTileMoveH = turn.moveH;
            object.worldFTileMoveV = turn.moveV;
            object.animDirection = turn.direction;
            return;
        }
    }
    if (player) {
        if (object.worldFTileMoveH != 0.0f) stepHorizontal(objectIndex);
        if (object.worldFTileMoveV != 0.0f) stepVertical(objectIndex);
    } else {
        if (object.worldFTileMoveV != 0.0f) stepVertical(objectIndex);
        if (object.worldFTileMoveH != 0.0f) stepHorizontal(objectIndex);
    }
}

void stepHorizontal(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    object.posX += object.worldFTileMoveH * object.speedX * static_cast<float>(object.canMoveH);
    horizontalFrameStep(objectIndex);
}

void stepVertical(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    object.posY += object.worldFTileMoveV * object.speedY * static_cast<float>(object.canMoveV);
    verticalFrameStep(objectIndex);
}

void pushDecay(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    const std::int32_t n = object.worldFTileTouchMove;
    const int draw = n == 1 ? 0 : media::randomInt(n);
    if (draw != 0 || object.hasVelocity != 0) return;
    if (object.speedX > kPushRest) {
        object.speedX *= kPushSlowdown;
        object.worldFTileVELO *= kPushSlowdown;
    }
    if (object.speedY > kPushRest) {
        object.speedY *= kPushSlowdown;
        object.worldFTileVELO *= kPushSlowdown;
    }
    if (object.speedY < kPushRest) {
        object.speedY = 0.0f;
        object.worldFTileVELO = 0.0f;
    }
    if (object.speedX < kPushRest) {
        object.speedX = 0.0f;
        object.worldFTileVELO = 0.0f;
    }
}

void followStep(std::string_view targetType, std::int32_t objectIndex) {
    std::int32_t target = CHECKED_AT(worldObjects, objectIndex).followTarget;
    if (target < 1) {
        target = findOnScreen(targetType);
        if (target < 0) return;
        // Index 0 is taken as "none", so a target there is searched for again next time.
        CHECKED_AT(worldObjects, objectIndex).followTarget = target;
    }
    const WorldObject& followed = CHECKED_AT(worldObjects, target);
    WorldObject& self = CHECKED_AT(worldObjects, objectIndex);
    if (self.worldFTileMoveH != 0.0f) {
        const float turn = toward(self.centerX, followed.centerX);
        if (turn != 0.0f) self.worldFTileMoveH = turn;
    }
    if (self.worldFTileMoveV != 0.0f) {
        const float turn = toward(self.centerY, followed.centerY);
        if (turn != 0.0f) self.worldFTileMoveV = turn;
    }
}

void goBackStep(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    object.speedX = kGoBackSpeed;
    object.speedY = kGoBackSpeed;
    if (object.homeX > object.posX) object.worldFTileMoveH = 1.0f;
    if (object.homeX < object.posX) object.worldFTileMoveH = -1.0f;
    if (object.homeY < object.posY) object.worldFTileMoveV = -1.0f;
    if (object.homeY > object.posY) object.worldFTileMoveV = 1.0f;
    if (std::fabs(object.posX - object.homeX) <= kGoBackDeadZone) object.worldFTileMoveH = 0.0f;
    if (std::fabs(object.posY - object.homeY) <= kGoBackDeadZone) object.worldFTileMoveV = 0.0f;
}

void aiReaction(std::int32_t self, std::int32_t /*other*/) {
    if (CHECKED_AT(worldObjects, self).worldFTileAILevel == 1) return;
    turnAround(self);
}

void turnAround(std::int32_t objectIndex) {
    WorldObject& object = CHECKED_AT(worldObjects, objectIndex);
    if (object.movesBothWays != 1) return;
    for (const Reversal& reversal : kReversals) {
        if (object.animDirection != reversal.from) continue;
        object.worldFTileMoveH = reversal.moveH;
        object.worldFTileMoveV = reversal.moveV;
        object.animDirection = reversal.to;
        return;
    }
}

void scrollAroundPlayer(std::int32_t playerIndex) {
    const EngineSettings& s = engineSettings;
    WorldObject& player = CHECKED_AT(worldObjects, playerIndex);
    if (player.worldFTilePlayerID == 0) return;
    auto outsideBand = [](float position, float screen) {
        return position > kScrollBandHigh * screen || position < kScrollBandLow * screen;
    };
    if (player.canMoveH != 0 && outsideBand(player.posX, s.SCRW) &&
        player.worldFTileMoveH != 0.0f) {
        scrollAxis(playerIndex, &WorldObject::posX, player.worldFTileMoveH * player.speedX);
    }
    if (player.canMoveV != 0 && outsideBand(player.posY, s.SCRH) &&
        player.worldFTileMoveV != 0.0f) {
        scrollAxis(playerIndex, &WorldObject::posY, player.worldFTileMoveV * player.speedY);
    }
}

}  // namespace simulation
