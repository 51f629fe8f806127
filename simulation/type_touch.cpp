// The touch handlers of movers that are not the player, one table per mover type.
#include <algorithm>
#include <array>
#include <string_view>

#include "engine/base/fault_guard.h"
#include "engine/media/services.h"
#include "engine/world_object.h"
#include "simulation/actions.h"
#include "simulation/damage.h"
#include "simulation/movement.h"
#include "simulation/touch_handlers.h"
#include "simulation/touch_table.h"

namespace simulation {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::ACTIONS;

constexpr std::string_view kSpark = "FUNKE";
// Chance 1 in (50 + 1) that a hit barrel starts to spark.
constexpr int kBarrelSparkDraw = 50;

WorldObject& at(std::int32_t index) {
    return CHECKED_AT(worldObjects, index);
}

void switchOff(std::int32_t index) {
    WorldObject& object = at(index);
    if (object.worldFTileIsActive != kObjectGone) object.worldFTileIsActive = kObjectSwitchedOff;
}

bool isLivingPlayer(std::int32_t index) {
    const WorldObject& object = at(index);
    return isPlayer(object) && object.hp > 0;
}

// The other object sparks in every frame from now on.
void setSparking(std::int32_t index) {
    WorldObject& object = at(index);
    object.useWeapon.assign(kSpark);
    object.worldFTileRandomActivateWeapon = 0;
}

// ---- Effects ------------------------------------------------------------------------------

void pass(std::int32_t self, std::int32_t /*other*/) {
    passes(self);
}

void stopBoth(std::int32_t self, std::int32_t /*other*/) {
    blockBoth(self);
}

void vanish(std::int32_t self, std::int32_t /*other*/) {
    switchOff(self);
}

void turnBack(std::int32_t self, std::int32_t other) {
    aiReaction(self, other);
}

void shotHitsMonster(std::int32_t self, std::int32_t other) {
    damageObject(self, other);
    switchOff(self);
    setSparking(other);
}

void shotHitsBarrel(std::int32_t self, std::int32_t other) {
    damageObject(self, other);
    switchOff(self);
    if (media::randomInt(kBarrelSparkDraw) == 0) setSparking(other);
}

// A spent shot goes back to the pool at its full size.
void shotAfterwards(std::int32_t self, std::int32_t /*other*/) {
    if (at(self).worldFTileIsActive == kObjectSwitchedOff) restoreSize(self);
}

void acidTouches(std::int32_t self, std::int32_t other) {
    if (isLivingPlayer(other)) damageObject(self, other);
    passes(self);
}

void ignite(std::int32_t self, std::int32_t other) {
    at(other).useWeapon.assign(kSpark);
    damageObject(self, other);
}

void catchFire(std::int32_t self, std::int32_t /*other*/) {
    at(self).useWeapon.assign(kSpark);
}

void passAndCatchFire(std::int32_t self, std::int32_t other) {
    passes(self);
    catchFire(self, other);
}

// Two of a kind meet: the mover turns back, and a burning one sets the other alight.
void meetOwnKind(std::int32_t self, std::int32_t other) {
    aiReaction(self, other);
    if (at(self).useWeapon == kSpark) at(other).useWeapon.assign(kSpark);
}

void hurtPlayer(std::int32_t self, std::int32_t other) {
    if (isLivingPlayer(other)) damageObject(self, other);
}

void passAndHurtPlayer(std::int32_t self, std::int32_t other) {
    passes(self);
    hurtPlayer(self, other);
}

void passPlayer(std::int32_t self, std::int32_t other) {
    if (isPlayer(at(other))) passes(self);
}

void reverse(std::int32_t self, std::int32_t /*other*/) {
    WorldObject& object = at(self);
    object.worldFTileMoveH *= -1.0f;
    object.worldFTileMoveV *= -1.0f;
}

// A moving walker plays its action sound.
void walkerSound(std::int32_t self, std::int32_t /*other*/) {
    const WorldObject& object = at(self);
    actionSound(self, object.worldFTileMoveV, object.worldFTileMoveH);
}

// ---- Tables -------------------------------------------------------------------------------

constexpr std::array<TouchRow, 8> kShotRows = {{
    {"NOGO", vanish},
    {"SECUDOOR", vanish},
    {"DEFAULTZOMBIE", shotHitsMonster},
    {"BASEWANZE", shotHitsMonster},
    {"CRAPS", shotHitsMonster},
    {"REDVIRUS", shotHitsMonster},
    {"EXPLOSIVEFASS", shotHitsBarrel},
    {"GASTANK", shotHitsBarrel},
}};
constexpr TouchTable kShot{kShotRows, pass, nullptr, shotAfterwards};

constexpr std::array<TouchRow, 1> kFlameRows = {{{"NOGO", nullptr}}};
constexpr TouchTable kFlame{kFlameRows, pass};

// Acid and the red virus hurt a living player and pass everything but walls and doors.
constexpr std::array<TouchRow, 2> kAcidRows = {{{"NOGO", nullptr}, {"SECUDOOR", nullptr}}};
constexpr TouchTable kAcid{kAcidRows, acidTouches};

constexpr std::array<TouchRow, 1> kGrowthRows = {{{"NOGO", stopBoth}}};
constexpr TouchTable kGrowth{kGrowthRows, pass};

constexpr TouchTable kPickup{{}, pass};

constexpr std::array<TouchRow, 6> kSparkRows = {{
    {"NOGO", stopBoth},
    {"DEFAULTZOMBIE", ignite},
    {"BASEWANZE", ignite},
    {"CRAPS", ignite},
    {"EXPLOSIVEFASS", ignite},
    {"GASTANK", ignite},
}};
constexpr TouchTable kSparkTable{kSparkRows, nullptr, pass};

constexpr std::array<TouchRow, 14> kZombieRows = {{
    {"NOGO", turnBack},
    {"BACK", turnBack},
    {"DEFAULTZOMBIE", meetOwnKind},
    {"DEFAULTBULLET", catchFire},
    {"BODEN", pass},
    {"WANZE", pass},
    {"IDCARD", pass},
    {"LAUB", pass},
    {"FUNKE", pass},
    {"GREENPLANT", pass},
    {"BRUECKE", pass},
    {"REDVIRUS", pass},
    {"MONEY", pass},
    {"HP+", pass},
}};
constexpr TouchTable kZombie{kZombieRows, passAndHurtPlayer, nullptr, walkerSound};

constexpr std::array<TouchRow, 16> kBugRows = {{
    {"NOGO", turnBack},
    {"TROOPER", turnBack},
    {"BACK", turnBack},
    {"DEFAULTZOMBIE", meetOwnKind},
    {"BASEWANZE", meetOwnKind},
    {"DEFAULTBULLET", catchFire},
    {"BODEN", pass},
    {"WANZE", pass},
    {"LAUB", pass},
    {"IDCARD", pass},
    {"FUNKE", pass},
    {"GREENPLANT", pass},
    {"BRUECKE", pass},
    {"REDVIRUS", pass},
    {"MONEY", pass},
    {"HP+", pass},
}};
constexpr TouchTable kBug{kBugRows, pass, nullptr, walkerSound};

constexpr std::array<TouchRow, 14> kCrawlerRows = {{
    {"NOGO", turnBack},
    {"BACK", turnBack},
    {"BODEN", pass},
    {"LAUB", pass},
    {"IDCARD", pass},
    {"TRANSVEGI", pass},
    {"METALLGITTER", pass},
    {"DEFAULTZOMBIE", pass},
    {"BRUECKE", pass},
    {"REDVIRUS", pass},
    {"MONEY", pass},
    {"HP+", pass},
    {"FLAMME", passAndCatchFire},
    {"DEFAULTBULLET", passAndCatchFire},
}};
constexpr TouchTable kCrawler{kCrawlerRows, hurtPlayer, passPlayer};

constexpr std::array<TouchRow, 9> kHelmetRows = {{
    {"NOGO", reverse},
    {"BODEN", pass},
    {"WANZE", pass},
    {"LAUB", pass},
    {"IDCARD", pass},
    {"TRANSVEGI", pass},
    {"METALLGITTER", pass},
    {"DEFAULTZOMBIE", pass},
    {"GREENPLANT", pass},
}};
constexpr TouchTable kHelmet{kHelmetRows, nullptr, passPlayer, turnBack};

constexpr std::array<TouchRow, 1> kBasketRows = {{{"NOGO", reverse}}};
constexpr TouchTable kBasket{kBasketRows, pass, nullptr, turnBack};

struct HandlerEntry {
    std::string_view mover;
    TouchHandler handler;
};

constexpr std::array<HandlerEntry, 15> kHandlers = {{
    {"DEFAULTBULLET", tableHandler<kShot>},
    {"FLAMME", tableHandler<kFlame>},
    {"GREENACID", tableHandler<kAcid>},
    {"REDVIRUS", tableHandler<kAcid>},
    {"GREENPLANT", tableHandler<kGrowth>},
    {"REDFIRE", tableHandler<kGrowth>},
    {"MONEY", tableHandler<kPickup>},
    {"HP+", tableHandler<kPickup>},
    {"FUNKE", tableHandler<kSparkTable>},
    {"DEFAULTZOMBIE", tableHandler<kZombie>},
    {"BASEWANZE", tableHandler<kBug>},
    {"DEKO", tableHandler<kCrawler>},
    {"CRAPS", tableHandler<kCrawler>},
    {"HELMET", tableHandler<kHelmet>},
    {"BASKET", tableHandler<kBasket>},
}};

}  // namespace

TouchHandler touchHandlerFor(std::string_view typeName) {
    const auto entry =
        std::find_if(kHandlers.begin(), kHandlers.end(),
                     [typeName](const HandlerEntry& row) { return row.mover == typeName; });
    return entry != kHandlers.end() ? entry->handler : nullptr;
}

TouchSlots touchSlots;

}  // namespace simulation
