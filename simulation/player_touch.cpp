// The player's touch handler: walls block, ground and friendly things let it pass, pick-ups
// are collected, ID cards open doors, menu buttons and exits choose the next map.
#include <array>
#include <cstddef>
#include <string_view>

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/map_ids.h"
#include "engine/world_object.h"
#include "simulation/actions.h"
#include "simulation/map_exits.h"
#include "simulation/touch_handlers.h"
#include "simulation/touch_table.h"
#include "world/hud_texts.h"

namespace simulation {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::ACTIONS;

// "EXITGAME" below this map goes to the main menu (from a level), above it ends the game.
constexpr std::int32_t kMenuExitBelow = 900;

constexpr std::string_view kLeafType = "LAUBBLATT";
constexpr std::int32_t kLeafChance = 100;  // a leaf now and then: 1 in 101 frames
constexpr char kIdCardGlyph = '\xD6';

WorldObject& at(std::int32_t index) {
    return CHECKED_AT(worldObjects, index);
}

float rounded(float value) {
    return static_cast<float>(base::roundToInt(value));
}

void forgetSavePoint(std::int32_t self, std::int32_t /*other*/) {
    WorldObject& player = at(self);
    player.savePointX = -1.0f;
    player.savePointY = -1.0f;
}

void pass(std::int32_t self, std::int32_t /*other*/) {
    passes(self);
}

// Leaves fly up from the foliage the player walks through.
void walkThroughLeaves(std::int32_t self, std::int32_t other) {
    const WorldObject& player = at(self);
    if (player.worldFTileMoveH == 0.0f && player.worldFTileMoveV == 0.0f) return;
    passes(self);
    WorldObject& leaves = at(other);
    leaves.useWeapon.assign(kLeafType);
    leaves.worldFTileRandomActivateWeapon = kLeafChance;
}

void takeFuel(std::int32_t self, std::int32_t other) {
    passes(self);
    collectPickup(self, other, kPickupFuel);
}

void takeLife(std::int32_t self, std::int32_t other) {
    passes(self);
    collectPickup(self, other, kPickupLife);
}

void takeMoney(std::int32_t self, std::int32_t other) {
    passes(self);
    collectPickup(self, other, kPickupMoney);
}

void newGame(std::int32_t /*self*/, std::int32_t /*other*/) {
    EngineSettings& s = engineSettings;
    if (s.actualMapId == engine::kTitleScreen) {
        s.nextMapId = engine::kMainMenu;
        return;
    }
    resetProgress();
    s.nextMapId = engine::kFirstLevel;
}

void continueGame(std::int32_t /*self*/, std::int32_t /*other*/) {
    EngineSettings& s = engineSettings;
    s.nextMapId = s.actualMapId == engine::kTitleScreen ? engine::kMainMenu : continueMapId();
}

void exitGame(std::int32_t /*self*/, std::int32_t /*other*/) {
    EngineSettings& s = engineSettings;
    const bool toMenu = s.actualMapId == engine::kTitleScreen || s.actualMapId < kMenuExitBelow;
    s.nextMapId = toMenu ? engine::kMainMenu : engine::kClosingScreen;
}

void takeIdCard(std::int32_t self, std::int32_t other) {
    passes(self);
    const WorldObject& player = at(self);
    actionSound(other, rounded(player.worldFTileMoveV), rounded(player.worldFTileMoveH));
    at(other).worldFTileIsActive = kObjectGone;
    PlayerStatusEntry& cards = CHECKED_AT(engineSettings.playerStatus, world::kStatusIdCards);
    cards.text.push_back(kIdCardGlyph);
    cards.value += 1;
    world::rebuildHudTexts();
}

// A card opens the door for good and is used up; without one the door blocks.
void openDoor(std::int32_t /*self*/, std::int32_t other) {
    PlayerStatusEntry& cards = CHECKED_AT(engineSettings.playerStatus, world::kStatusIdCards);
    if (cards.value <= 0) return;
    actionSound(other, 1.0f, 1.0f);
    WorldObject& door = at(other);
    door.worldFTileIsActive = kObjectGone;
    door.worldFTileCollision = 0;
    cards.value -= 1;
    if (cards.text.size() > static_cast<std::size_t>(cards.value)) {
        cards.text.resize(static_cast<std::size_t>(cards.value));
    }
    world::rebuildHudTexts();
}

void setSavePoint(std::int32_t self, std::int32_t /*other*/) {
    passes(self);
    WorldObject& player = at(self);
    player.savePointX = player.posX;
    player.savePointY = player.posY;
}

void takeExit(std::int32_t /*self*/, std::int32_t other) {
    leaveMap(engineSettings.actualMapId, at(other).worldFTileIDString);
}

void closingSound(std::int32_t self, std::int32_t /*other*/) {
    const WorldObject& player = at(self);
    actionSound(self, rounded(player.worldFTileMoveV), rounded(player.worldFTileMoveH));
}

constexpr std::array<TouchRow, 38> kPlayerRows = {{
    {"NOGO", nullptr},       {"STUHL", nullptr},
    {"FASS", nullptr},       {"BACK", nullptr},
    {"REDVIRUS", pass},      {"LICHMINI", pass},
    {"FUNKE", pass},         {"BASKET", pass},
    {"HELMET", pass},        {"WALKRIGHT", pass},
    {"WALKLEFT", pass},      {"WALKUP", pass},
    {"WALKDOWN", pass},      {"BASEWANZE", pass},
    {"METALLGITTER", pass},  {"DEFAULTBULLET", pass},
    {"BODEN", pass},         {"WANZE", pass},
    {"FLAMME", pass},        {"TRANSVEGI", pass},
    {"GREENPLANT", pass},    {"GREENACID", pass},
    {"BRUECKE", pass},       {"LAUB", walkThroughLeaves},
    {"EXTRAFUEL", takeFuel}, {"FIRSTAID", takeLife},
    {"HP+", takeLife},       {"MONEY", takeMoney},
    {"NEWGAME", newGame},    {"CONTINUE", continueGame},
    {"EXITGAME", exitGame},  {"IDCARD", takeIdCard, true},
    {"SECUDOOR", openDoor},  {"SAVESTART", setSavePoint},
    {"EXIT_LEFT", takeExit}, {"EXIT_RIGHT", takeExit},
    {"EXIT_UP", takeExit},   {"EXIT_DOWN", takeExit},
}};
constexpr TouchTable kPlayer{kPlayerRows, nullptr, forgetSavePoint, closingSound};

}  // namespace

void playerTouch(std::int32_t self, std::int32_t other) {
    runTouchTable(kPlayer, self, other);
}

}  // namespace simulation
