#include "simulation/damage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/media/services.h"
#include "engine/world_object.h"
#include "simulation/actions.h"
#include "simulation/weapons.h"
#include "world/hud_texts.h"
#include "world/object_media.h"

namespace simulation {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::ACTIONS;

// What a dead victim leaves: Random(5) picks 0 "MONEY", 1 "HP+", otherwise its corpse
// (only the zombie has one).
enum class Drops : std::uint8_t { None, PickUps, PickUpsOrCorpse };

constexpr std::string_view kMoneyDrop = "MONEY";
constexpr std::string_view kLifeDrop = "HP+";
constexpr std::string_view kZombieCorpse = "BURNEDZOMBIE";
constexpr int kDropDraw = 5;

struct DeathRow {
    std::string_view victim;
    Drops drops;
    bool markRemoved;   // stays gone when the level comes back from the cache
    bool carriedTotal;  // counts for the player's total
    bool releaseMedia;  // frees sound, sprites and frames
};

// A dead "BASEWANZE" drops nothing: its drop would come after it was switched off, and
// only an active object fires.
constexpr std::array<DeathRow, 5> kDeaths = {{
    {"DEFAULTZOMBIE", Drops::PickUpsOrCorpse, true, true, true},
    {"CRAPS", Drops::PickUps, true, true, true},
    {"REDVIRUS", Drops::PickUps, false, true, false},  // comes back from the pool
    {"BASEWANZE", Drops::None, true, true, true},
    {"EXPLOSIVEFASS", Drops::None, true, false, true},
}};

std::int32_t subtractClamped(std::int32_t value, std::int32_t amount) {
    const std::int64_t rest = static_cast<std::int64_t>(value) - amount;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        rest, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The victim fires one object of type `what` at its own position.
void drop(std::int32_t victim, std::string_view what, bool withSound) {
    WorldObject& object = CHECKED_AT(worldObjects, victim);
    object.useWeapon.assign(what);
    fireWeapon(victim, object.posX, object.posY);
    if (withSound) actionSound(victim, 1.0f, 1.0f);
}

void dropByChance(std::int32_t victim, Drops drops) {
    if (drops == Drops::None) return;
    const int r = media::randomInt(kDropDraw);
    if (r == 0) {
        drop(victim, kMoneyDrop, true);
    } else if (r == 1) {
        drop(victim, kLifeDrop, true);
    } else if (drops == Drops::PickUpsOrCorpse) {
        drop(victim, kZombieCorpse, false);
    }
}

void damagePlayer(std::int32_t attacker, WorldObject& player) {
    EngineSettings& s = engineSettings;
    const std::int32_t power = CHECKED_AT(worldObjects, attacker).worldFTileWeaponPower;
    player.hp = subtractClamped(player.hp, power);
    PlayerStatusEntry& life = CHECKED_AT(s.playerStatus, world::kStatusLife);
    life.value = subtractClamped(life.value, power);
    if (life.value < 1) {
        s.playerDead = 1;
    } else {
        world::rebuildHudTexts();
    }
}

void dies(std::int32_t attacker, std::int32_t victim, const DeathRow& row) {
    dropByChance(victim, row.drops);
    WorldObject& object = CHECKED_AT(worldObjects, victim);
    if (row.markRemoved) object.removed = 1;
    if (object.worldFTileIsActive != kObjectGone) object.worldFTileIsActive = kObjectSwitchedOff;
    if (row.carriedTotal) addToCarriedTotal(attacker, victim);
    if (row.releaseMedia) releaseDeadObjectMedia(victim);
    CHECKED_AT(worldObjects, victim).hp = 0;
}

}  // namespace

void damageObject(std::int32_t attacker, std::int32_t victim) {
    WorldObject& object = CHECKED_AT(worldObjects, victim);
    if (isPlayer(object)) {
        damagePlayer(attacker, object);
        return;
    }
    object.hp =
        subtractClamped(object.hp, CHECKED_AT(worldObjects, attacker).worldFTileWeaponPower);
    if (object.hp >= 1) return;
    const auto row = std::find_if(kDeaths.begin(), kDeaths.end(), [&object](const DeathRow& death) {
        return death.victim == object.worldFTileIDString;
    });
    if (row != kDeaths.end()) dies(attacker, victim, *row);
}

void addToCarriedTotal(std::int32_t /*killer*/, std::int32_t victim) {
    EngineSettings& s = engineSettings;
    const std::int32_t worth = CHECKED_AT(worldObjects, victim).hpMax;
    WorldObject& player = CHECKED_AT(worldObjects, s.playerObject);
    player.carriedTotal = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(player.carriedTotal) + static_cast<std::uint32_t>(worth));
    s.carriedTotal = player.carriedTotal;
}

void releaseDeadObjectMedia(std::int32_t index) {
    WorldObject& object = CHECKED_AT(worldObjects, index);
    if (object.animContainer.empty()) return;
    world::releaseObjectMedia(index);
    object.soundLoaded = 0;
    object.soundPlaying = 0;
    object.hasSprite = 0;
}

}  // namespace simulation
