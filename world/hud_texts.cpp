#include "world/hud_texts.h"

#include <algorithm>
#include <string>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/world_object.h"

namespace world {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::IO;

constexpr char kFuelSegment = '"';
constexpr char kLifeSegment = '@';
constexpr char kIdCardSegment = '\xD6';
constexpr char kBarBackground = '&';
constexpr std::int32_t kLifePerSegment = 10;

void setRun(std::int32_t entry, char segment, std::int32_t count) {
    std::string& text = CHECKED_AT(engineSettings.playerStatus, entry).text;
    text.clear();
    if (count > 0) text.assign(static_cast<std::size_t>(std::min(count, kHudTextLimit)), segment);
}

std::int32_t statusValue(std::int32_t entry) {
    return CHECKED_AT(engineSettings.playerStatus, entry).value;
}

}  // namespace

void rebuildHudTexts() {
    const EngineSettings& s = engineSettings;
    setRun(kStatusFuel, kFuelSegment, statusValue(kStatusFuel));
    setRun(kStatusLife, kLifeSegment, statusValue(kStatusLife) / kLifePerSegment);
    setRun(kStatusIdCards, kIdCardSegment, statusValue(kStatusIdCards));
    const WorldObject& player = CHECKED_AT(worldObjects, s.playerObject);
    setRun(kStatusLifeBar, kBarBackground, player.hpMax / kLifePerSegment);
    setRun(kStatusFuelBar, kBarBackground, s.maxFuel);
}

}  // namespace world
