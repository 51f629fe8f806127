#include "simulation/actions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/world_object.h"
#include "simulation/after_draw.h"
#include "world/hud_texts.h"

namespace simulation {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::ACTIONS;

// Status values add in 64 bits and stay inside the 32-bit range: a wild pick-up value
// must not wrap the money or the life round to a negative number.
std::int32_t addClamped(std::int32_t value, std::int32_t amount, std::int64_t cap) {
    const std::int64_t sum = std::min<std::int64_t>(static_cast<std::int64_t>(value) + amount, cap);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

struct PickupKind {
    std::string_view kind;
    std::int32_t entry;
    bool appendsLifeGlyph;
};

constexpr std::array<PickupKind, 3> kPickupKinds = {{
    {kPickupLife, world::kStatusLife, true},
    {kPickupFuel, world::kStatusFuel, false},
    {kPickupMoney, world::kStatusMoney, false},
}};

std::int64_t pickupCap(std::int32_t entry, const WorldObject& player) {
    if (entry == world::kStatusLife) return player.hpMax;
    if (entry == world::kStatusFuel) return engineSettings.maxFuel;
    return std::numeric_limits<std::int32_t>::max();
}

}  // namespace

void passes(std::int32_t self) {
    WorldObject& object = CHECKED_AT(worldObjects, self);
    object.canMoveH = 1;
    object.canMoveV = 1;
}

void blockBoth(std::int32_t self) {
    WorldObject& object = CHECKED_AT(worldObjects, self);
    object.canMoveH = 0;
    object.canMoveV = 0;
}

bool isPlayer(const WorldObject& object) {
    return object.worldFTilePlayerID != 0;
}

void actionSound(std::int32_t index, float a, float b) {
    const WorldObject& object = CHECKED_AT(worldObjects, index);
    if (object.worldFTileSoundPlayOnAction == 0) return;
    if (a == 0.0f && b == 0.0f) return;
    objectSoundStep(index);
}

void restoreSize(std::int32_t index) {
    WorldObject& object = CHECKED_AT(worldObjects, index);
    object.width = object.maxWidth;
    object.height = object.maxHeight;
}

void collectPickup(std::int32_t player, std::int32_t pickup, std::string_view kind) {
    EngineSettings& s = engineSettings;
    const auto found = std::find_if(kPickupKinds.begin(), kPickupKinds.end(),
                                    [kind](const PickupKind& row) { return row.kind == kind; });
    if (found == kPickupKinds.end()) return;
    const WorldObject& owner = CHECKED_AT(worldObjects, player);
    WorldObject& item = CHECKED_AT(worldObjects, pickup);
    PlayerStatusEntry& entry = CHECKED_AT(s.playerStatus, found->entry);
    entry.value = addClamped(entry.value, item.hp, pickupCap(found->entry, owner));
    if (found->appendsLifeGlyph) entry.text.push_back(kLifeGlyph);
    item.worldFTileIsActive = kObjectGone;
    world::rebuildHudTexts();
}

}  // namespace simulation
