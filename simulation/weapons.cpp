#include "simulation/weapons.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/media/services.h"
#include "engine/world_object.h"
#include "simulation/actions.h"
#include "simulation/collision_grid.h"
#include "world/hud_texts.h"
#include "world/object_dna.h"

namespace simulation {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::ACTIONS;

constexpr std::int8_t kPlayerFires = 2;  // fireState while the fire button is held

WorldObject& at(std::int32_t index) {
    return CHECKED_AT(worldObjects, index);
}

struct Spawn {
    std::int32_t w;
    std::int32_t shooter;
    float x;
    float y;
    float widthBefore;  // w's size before the reset
    float heightBefore;
};

// Which object must be on screen, or what else must hold, for the spawn to go on.
enum class Gate : std::uint8_t {
    Always,
    ObjectOnScreenAfterReset,  // the DNA is applied first; off screen it stays where it was
    ShooterOnScreen,
    Fuel,  // the fuel value above 0
    NotThePlayer,
};

// The common steps; a row names the ones it takes.
enum Step : unsigned {
    kApplyDna = 1u,
    kSwitchOn = 2u,
    kLink = 4u,
    kSizeReset = 8u,
    kLayer = 16u,
};
constexpr unsigned kCommon = kApplyDna | kSwitchOn | kLink | kSizeReset | kLayer;

using Placement = void (*)(const Spawn& spawn);

struct SpawnRow {
    std::string_view type;
    Gate gate;
    unsigned steps;
    Placement place;
};

void atShooterPoint(const Spawn& spawn) {
    WorldObject& object = at(spawn.w);
    object.posX = spawn.x;
    object.posY = spawn.y;
}

void belowShooterPoint(const Spawn& spawn) {
    WorldObject& object = at(spawn.w);
    object.posX = spawn.x;
    object.posY = spawn.y + at(spawn.shooter).height;
}

void belowWithSound(const Spawn& spawn) {
    belowShooterPoint(spawn);
    actionSound(spawn.w, 1.0f, 1.0f);
}

void atPointWithSound(const Spawn& spawn) {
    atShooterPoint(spawn);
    actionSound(spawn.w, 1.0f, 1.0f);
}

struct Heading {
    std::string_view shooterType;
    float moveH;
    float moveV;
};

constexpr std::array<Heading, 4> kFireHeadings = {{
    {"FIRED", 0.0f, 1.0f},
    {"FIREL", -1.0f, 0.0f},
    {"FIREU", 0.0f, -1.0f},
    {"FIRER", 1.0f, 0.0f},
}};

// Red fire leaves a fire nozzle in the nozzle's direction.
void fromNozzle(const Spawn& spawn) {
    belowShooterPoint(spawn);
    const std::string_view nozzle = at(spawn.shooter).worldFTileIDString;
    const auto heading =
        std::find_if(kFireHeadings.begin(), kFireHeadings.end(),
                     [nozzle](const Heading& row) { return row.shooterType == nozzle; });
    if (heading == kFireHeadings.end()) return;
    WorldObject& fire = at(spawn.w);
    fire.worldFTileMoveH = heading->moveH;
    fire.worldFTileMoveV = heading->moveV;
}

void scatteredOverShooter(const Spawn& spawn) {
    const WorldObject& shooter = at(spawn.shooter);
    WorldObject& object = at(spawn.w);
    object.posX = spawn.x + static_cast<float>(media::randomInt(base::roundToInt(shooter.width)));
    object.posY = spawn.y + static_cast<float>(media::randomInt(base::roundToInt(shooter.height)));
}

void centredOnShooter(const Spawn& spawn) {
    const WorldObject& shooter = at(spawn.shooter);
    WorldObject& object = at(spawn.w);
    object.posX = shooter.posX + shooter.width / 2.0f - spawn.widthBefore / 2.0f;
    object.posY = shooter.posY + shooter.height / 2.0f - spawn.heightBefore / 2.0f;
}

void onShooter(const Spawn& spawn) {
    const WorldObject& shooter = at(spawn.shooter);
    WorldObject& object = at(spawn.w);
    object.posX = shooter.posX;
    object.posY = shooter.posY;
}

void atPlayer(const Spawn& spawn) {
    const WorldObject& player = at(engineSettings.playerObject);
    WorldObject& object = at(spawn.w);
    object.posX = player.posX;
    object.posY = player.posY;
}

struct BulletHeading {
    std::int32_t direction;
    float moveH;
    float moveV;
    bool fromRightEdge;
    bool fromBottomEdge;
};

constexpr std::array<BulletHeading, 4> kBulletHeadings = {{
    {kDirectionDown, 0.0f, 1.0f, false, true},
    {kDirectionUp, 0.0f, -1.0f, false, false},
    {kDirectionLeft, -1.0f, 0.0f, false, false},
    {kDirectionRight, 1.0f, 0.0f, true, false},
}};

// A bullet leaves its shooter the way the shooter faces; facing no way, it is switched on
// where it lies.
void bulletFromShooter(const Spawn& spawn) {
    const WorldObject& shooter = at(spawn.shooter);
    const auto heading = std::find_if(
        kBulletHeadings.begin(), kBulletHeadings.end(),
        [&shooter](const BulletHeading& row) { return row.direction == shooter.animDirection; });
    if (heading == kBulletHeadings.end()) return;
    WorldObject& bullet = at(spawn.w);
    bullet.worldFTileMoveH = heading->moveH;
    bullet.worldFTileMoveV = heading->moveV;
    bullet.animDirection = heading->direction;
    bullet.posX = spawn.x + (heading->fromRightEdge ? shooter.width : 0.0f);
    bullet.posY = spawn.y + (heading->fromBottomEdge ? shooter.height : 0.0f);
    bullet.linkedObject = spawn.shooter;
    bullet.width = bullet.displayWidth;
    bullet.height = bullet.displayHeight;
    actionSound(spawn.w, 1.0f, 1.0f);
}

constexpr std::array<SpawnRow, 12> kSpawns = {{
    {"REDVIRUS", Gate::Always, kCommon, belowShooterPoint},
    {"REDFIRE", Gate::ObjectOnScreenAfterReset, kCommon, fromNozzle},
    {"WATERMIRROR", Gate::ShooterOnScreen, kCommon, scatteredOverShooter},
    {"VIRUSBLOOD", Gate::Always, kCommon, belowWithSound},
    {"GREENACID", Gate::Always, kCommon, belowWithSound},
    {"DEFAULTBULLET", Gate::Fuel, kApplyDna | kSwitchOn, bulletFromShooter},
    {"FLAMME", Gate::Always, kCommon, centredOnShooter},
    {"FUNKE", Gate::Always, kCommon & ~kSizeReset, centredOnShooter},
    {"RADIATION", Gate::ShooterOnScreen, kCommon & ~kLink, onShooter},
    {"LAUBBLATT", Gate::ShooterOnScreen, kApplyDna | kSwitchOn | kLink | kLayer, atPlayer},
    {"BURNEDZOMBIE", Gate::Always, kCommon, atPointWithSound},
    {"EXPLODEDGASTANK", Gate::Always, kCommon, atPointWithSound},
}};
constexpr SpawnRow kAnyOtherSpawn{"", Gate::NotThePlayer, kCommon, atShooterPoint};

void applyObjectDna(std::int32_t w) {
    const std::string name = at(w).dnaName;  // a copy: the DNA application rewrites it
    world::applyDna(name, w, false);
}

bool gateOpen(Gate gate, const Spawn& spawn) {
    switch (gate) {
        case Gate::Always:
            return true;
        case Gate::ObjectOnScreenAfterReset:
            return at(spawn.w).onScreen == 1;
        case Gate::ShooterOnScreen:
            return at(spawn.shooter).onScreen == 1;
        case Gate::Fuel:
            return CHECKED_AT(engineSettings.playerStatus, world::kStatusFuel).value > 0;
        case Gate::NotThePlayer:
            return !isPlayer(at(spawn.w));
    }
    return false;
}

void commonSteps(unsigned steps, const Spawn& spawn) {
    if ((steps & kApplyDna) != 0u) applyObjectDna(spawn.w);
    WorldObject& object = at(spawn.w);
    if ((steps & kSwitchOn) != 0u) object.worldFTileIsActive = kObjectActive;
    if ((steps & kLink) != 0u) object.linkedObject = spawn.shooter;
    if ((steps & kSizeReset) != 0u) {
        object.width = object.displayWidth;
        object.height = object.displayHeight;
    }
    if ((steps & kLayer) != 0u) object.layer = at(spawn.shooter).layer;
}

const SpawnRow& spawnRowFor(std::string_view type) {
    const auto row = std::find_if(kSpawns.begin(), kSpawns.end(),
                                  [type](const SpawnRow& entry) { return entry.type == type; });
    return row != kSpawns.end() ? *row : kAnyOtherSpawn;
}

// The pool's first entry is a weapon object as soon as the map holds one; an empty pool
// leaves entry 0 at its zero fill.
bool poolHoldsObjects() {
    const EngineSettings& s = engineSettings;
    if (s.weaponList.empty()) return false;
    return at(s.weaponList.front()).worldFTileIsWeapon > 0;
}

// The monster's walk: the first free pool object of the type decides, hit or miss.
void firePoolObject(std::int32_t shooter, float x, float y) {
    const EngineSettings& s = engineSettings;
    const std::string_view type = at(shooter).useWeapon;
    for (std::int32_t entry = 0; entry <= s.weaponLast; ++entry) {
        const std::int32_t w = CHECKED_AT(s.weaponList, entry);
        const WorldObject& candidate = at(w);
        // An empty pool leaves a zero entry behind; only a weapon object belongs to it.
        if (candidate.worldFTileIsWeapon <= 0) continue;
        if (candidate.worldFTileIDString != type || candidate.worldFTileIsActive != 0) continue;
        if (media::randomInt(candidate.worldFTileRandomActivateWeapon) == 0) {
            spawnEffect(w, x, y, shooter);
        }
        return;
    }
}

// The player's walk over the whole table: the object found is switched on before its spawn,
// so a refused spawn leaves it on where it lies.
void firePlayerShot(std::int32_t shooter, float x, float y) {
    const EngineSettings& s = engineSettings;
    if (at(shooter).fireState != kPlayerFires) return;
    const std::string_view type = at(shooter).useWeapon;
    for (std::int32_t k = 0; k <= s.objectLast; ++k) {
        WorldObject& candidate = at(k);
        if (candidate.worldFTileIDString != type || candidate.worldFTileIsActive != 0) continue;
        candidate.worldFTileIsActive = kObjectActive;
        spawnEffect(k, x, y, shooter);
        return;
    }
}

}  // namespace

void fireWeapon(std::int32_t shooterIndex, float x, float y) {
    if (!poolHoldsObjects()) return;
    const WorldObject& shooter = at(shooterIndex);
    if (shooter.worldFTileIsActive != kObjectActive) return;
    if (isPlayer(shooter)) {
        firePlayerShot(shooterIndex, x, y);
    } else {
        firePoolObject(shooterIndex, x, y);
    }
}

void spawnEffect(std::int32_t w, float x, float y, std::int32_t shooter) {
    if (media::randomInt(at(shooter).worldFTileRandomActivateWeapon) != 0) return;
    // The collision grid files w anew before the next test (w is placed after this line).
    noteObjectPlaced(w);
    const Spawn spawn{w, shooter, x, y, at(w).width, at(w).height};
    // The type is read before the reset: the DNA decides the type afresh.
    const SpawnRow& row = spawnRowFor(at(w).worldFTileIDString);
    unsigned steps = row.steps;
    if (row.gate == Gate::ObjectOnScreenAfterReset) {
        applyObjectDna(w);
        steps &= ~kApplyDna;
    }
    if (!gateOpen(row.gate, spawn)) return;
    commonSteps(steps, spawn);
    row.place(spawn);
}

}  // namespace simulation
