// The touch handlers of movers that are not the player, one table per mover type.
#include <algorithm>
#include <array>
#include <cstddef>
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

// The rows of a mover: its own rows, then a row that passes for each name of passNames.
template <std::size_t N, std::size_t M>
constexpr std::array<TouchRow, N + M> rowsThenPasses(
    const std::array<TouchRow, N>& own, const std::array<std::string_view, M>& passNames) {
    std::array<TouchRow, N + M> rows{};
    for (std::size_t i = 0; i < N; ++i)
        rows[i] = own[i];
    for (std::size_t i = 0; i < M; ++i)
        rows[N + i] = TouchRow{passNames[i], pass};
    return rows;
}

// What the zombie and the bug walk through.
constexpr std::array<std::string_view, 10> kWalkerPasses = {
    "BODEN",      "WANZE",   "LAUB",     "IDCARD", "FUNKE",
    "GREENPLANT", "BRUECKE", "REDVIRUS", "MONEY",  "HP+"};

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

constexpr auto kZombieRows = rowsThenPasses(std::array<TouchRow, 4>{{
                                                {"NOGO", turnBack},
                                                {"BACK", turnBack},
                                                {"DEFAULTZOMBIE", meetOwnKind},
                                                {"DEFAULTBULLET", catchFire},
                                            }},
                                            kWalkerPasses);
constexpr TouchTable kZombie{kZombieRows, passAndHurtPlayer, nullptr, walkerSound};

constexpr auto kBugRows = rowsThenPasses(std::array<TouchRow, 6>{{
                                             {"NOGO", turnBack},
                                             {"TROOPER", turnBack},
                                             {"BACK", turnBack},
                                             {"DEFAULTZOMBIE", meetOwnKind},
                                             {"BASEWANZE", meetOwnKind},
                                             {"DEFAULTBULLET", catchFire},
                                         }},
                                         kWalkerPasses);
constexpr TouchTable kBug{kBugRows, pass, nullptr, walkerSound};

constexpr auto kCrawlerRows = rowsThenPasses(
    std::array<TouchRow, 4>{{
        {"NOGO", turnBack},
        {"BACK", turnBack},
        {"FLAMME", passAndCatchFire},
        {"DEFAULTBULLET", passAndCatchFire},
    }},
    std::array<std::string_view, 10>{"BODEN", "LAUB", "IDCARD", "TRANSVEGI", "METALLGITTER",
                                     "DEFAULTZOMBIE", "BRUECKE", "REDVIRUS", "MONEY", "HP+"});
constexpr TouchTable kCrawler{kCrawlerRows, hurtPlayer, passPlayer};

constexpr auto kHelmetRows =
    rowsThenPasses(std::array<TouchRow, 1>{{{"NOGO", reverse}}},
                   std::array<std::string_view, 8>{"BODEN", "WANZE", "LAUB", "IDCARD", "TRANSVEGI",
                                                   "METALLGITTER", "DEFAULTZOMBIE", "GREENPLANT"});
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
