#include "simulation/game_rules.h"

#include <algorithm>
#include <array>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/map_ids.h"
#include "engine/media/scancodes.h"
#include "engine/media/services.h"
#include "engine/program_end.h"
#include "engine/world_object.h"
#include "simulation/object_time.h"
#include "world/hud_texts.h"

namespace simulation {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::thegame;

constexpr int kMenuButton = 10;
constexpr int kFireButton = 2;
constexpr int kNormalEnd = 0;

constexpr std::int32_t kStays = -1;  // nextMapId left as it is

struct TimedSwitch {
    std::int32_t from;
    std::int32_t to;
};

// Each of these screens also clears the paused flag; the title screen 1000 stays.
constexpr std::array<TimedSwitch, 5> kTimedSwitches = {{
    {1003, 1002},
    {1002, 1001},
    {1001, engine::kTitleScreen},
    {engine::kTitleScreen, kStays},
    {engine::kGameOverScreen, engine::kClosingScreen},
}};

bool joystickPresent() {
    return engineSettings.joystickPresent != 0;
}

// The start button: button 10 with a joystick, Space without.
bool startHeld() {
    return joystickPresent() ? media::joystickButton(kMenuButton)
                             : media::keyHeld(media::dik::SPACE);
}

bool fireHeld() {
    return joystickPresent() ? media::joystickButton(kFireButton)
                             : media::keyHeld(media::dik::SPACE);
}

}  // namespace

std::int32_t& lastScreenSwitch() {
    static std::int32_t mark = 0;
    return mark;
}

std::int32_t& timedMap() {
    static std::int32_t map = kNoTimedMap;
    return map;
}

void gameStateTimer() {
    EngineSettings& s = engineSettings;
    const std::int32_t now = tickNow();
    // Every screen gets its full time from when it appears: a game-over screen reached by a
    // death or an exit would otherwise switch on at whatever point the timer had reached in
    // the level, often within a second.
    if (s.actualMapId != timedMap()) {
        timedMap() = s.actualMapId;
        lastScreenSwitch() = now;
        return;
    }
    if (!tickPassed(now, lastScreenSwitch(), s.screenSwitchMs)) return;
    lastScreenSwitch() = now;
    if (s.actualMapId == engine::kClosingScreen) engine::endProgram(kNormalEnd);
    const std::int32_t shown = s.actualMapId;
    const auto step = std::find_if(kTimedSwitches.begin(), kTimedSwitches.end(),
                                   [shown](const TimedSwitch& row) { return row.from == shown; });
    if (step == kTimedSwitches.end()) return;
    if (step->to != kStays) s.nextMapId = step->to;
    s.paused = 0;
}

void playerRules(std::int32_t /*objectIndex*/) {
    EngineSettings& s = engineSettings;
    menuButtons(s.actualMapId);
    if (s.playerDead == 0) {
        fuelStep(s.playerObject);
    } else {
        s.nextMapId = engine::kGameOverScreen;
    }
}

void menuButtons(std::int32_t mapId) {
    EngineSettings& s = engineSettings;
    gameStateTimer();
    if (joystickPresent() && media::joystickButton(kMenuButton)) {
        s.nextMapId = mapId > engine::kMainMenu ? engine::kTitleScreen : engine::kMainMenu;
    }
    if (mapId == engine::kGameOverScreen && startHeld()) s.nextMapId = engine::kTitleSequenceStart;
}

void fuelStep(std::int32_t player) {
    if (fireHeld()) countShot(player);
}

void countShot(std::int32_t player) {
    WorldObject& object = CHECKED_AT(worldObjects, player);
    object.shotsFired += 1;
    if (object.shotsFired <= object.worldFTileMaxWeaponUseage) return;
    object.shotsFired = 0;
    useFuel(kFuelKind);
}

void useFuel(std::string_view kind) {
    if (kind != kFuelKind) return;
    PlayerStatusEntry& fuel = CHECKED_AT(engineSettings.playerStatus, world::kStatusFuel);
    if (fuel.value <= 0) return;
    fuel.value -= 1;
    world::rebuildHudTexts();
}

}  // namespace simulation
