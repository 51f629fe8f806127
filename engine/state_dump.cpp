#include "engine/state_dump.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "engine/base/json_writer.h"
#include "engine/config_keys.h"
#include "engine/media/services.h"
#include "engine/world_object.h"

namespace engine {
namespace {

using S = EngineSettings;

constexpr auto kEngineFields = std::to_array<NamedField<S>>({
    {"engineBase", &S::engineBase},
    {"displayWidth", &S::displayWidth},
    {"displayHeight", &S::displayHeight},
    {"SCRW", &S::SCRW},
    {"SCRH", &S::SCRH},
    {"scalerX", &S::scalerX},
    {"scalerY", &S::scalerY},
    {"sourceAspect", &S::sourceAspect},
    {"screenAspect", &S::screenAspect},
    {"actualMapId", &S::actualMapId},
    {"nextMapId", &S::nextMapId},
    {"screenOpen", &S::screenOpen},
    {"mainWindow", &S::mainWindow},
    {"windowX", &S::windowX},
    {"windowY", &S::windowY},
    {"windowWidth", &S::windowWidth},
    {"windowHeight", &S::windowHeight},
    {"joystickPresent", &S::joystickPresent},
    {"quitFlag", &S::quitFlag},
    {"lastWindowEvent", &S::lastWindowEvent},
    {"frameTick", &S::frameTick},
    {"errorDetected", &S::errorDetected},
    {"systemTextPath", &S::systemTextPath},
    {"atomSystem", &S::atomSystem},
    {"areaHeight", &S::areaHeight},
    {"areaWidth", &S::areaWidth},
    {"matrixSize", &S::matrixSize},
    {"viewOffsetX", &S::viewOffsetX},
    {"viewOffsetY", &S::viewOffsetY},
    {"useDebugLog", &S::useDebugLog},
    {"screenSwitchMs", &S::screenSwitchMs},
    {"bloom", &S::bloom},
    {"frameCollision", &S::frameCollision},
    {"codecsPath", &S::codecsPath},
    {"gfxPath", &S::gfxPath},
    {"mapGfxPath", &S::mapGfxPath},
    {"effectGfxPath", &S::effectGfxPath},
    {"areaCollision", &S::areaCollision},
    {"maxObjects", &S::maxObjects},
    {"coreBrain", &S::coreBrain},
    {"debugLog", &S::debugLog},
    {"simCorePath", &S::simCorePath},
    {"globalGfxFx", &S::globalGfxFx},
    {"fontFundamentPath", &S::fontFundamentPath},
    {"fontPath", &S::fontPath},
    {"SRC_SCRW", &S::SRC_SCRW},
    {"animSystemPath", &S::animSystemPath},
    {"maxAnimFrames", &S::maxAnimFrames},
    {"SRC_SCRH", &S::SRC_SCRH},
    {"soundPath", &S::soundPath},
    {"fileLoadMusic", &S::fileLoadMusic},
    {"loadPic", &S::loadPic},
    {"gui", &S::gui},
    {"ioPrefetch", &S::ioPrefetch},
    {"errorReportPath", &S::errorReportPath},
    {"warningReportPath", &S::warningReportPath},
    {"userScroll", &S::userScroll},
    {"version", &S::version},
    {"dynamicScroll", &S::dynamicScroll},
    {"pip", &S::pip},
    {"appEntry", &S::appEntry},
    {"appMode", &S::appMode},
    {"appSmooth", &S::appSmooth},
    {"multitask", &S::multitask},
    {"multitaskCopy", &S::multitaskCopy},
    {"settingsLogPath", &S::settingsLogPath},
    {"vsync", &S::vsync},
    {"maxPlayers", &S::maxPlayers},
    {"fullscreen", &S::fullscreen},
    {"windowW", &S::windowW},
    {"windowH", &S::windowH},
    {"useWindowHd", &S::useWindowHd},
    {"textSmooth", &S::textSmooth},
    {"clearScreen", &S::clearScreen},
    {"fuelStart", &S::fuelStart},
    {"maxFuel", &S::maxFuel},
    {"cachePath", &S::cachePath},
    {"useCache", &S::useCache},
    {"useLoadScreen", &S::useLoadScreen},
    {"timerBase", &S::timerBase},
    {"gfxExtension", &S::gfxExtension},
    {"soundExtension", &S::soundExtension},
    {"musicExtension", &S::musicExtension},
    {"lastWarning", &S::lastWarning},
    {"paused", &S::paused},
    {"frameCycle", &S::frameCycle},
    {"cycleTicks", &S::cycleTicks},
    {"blitStart", &S::blitStart},
    {"blitEnd", &S::blitEnd},
    {"drawnObjects", &S::drawnObjects},
    {"objectLast", &S::objectLast},
    {"drawLast", &S::drawLast},
    {"collisionLast", &S::collisionLast},
    {"weaponLast", &S::weaponLast},
    {"lastWeapon", &S::lastWeapon},
    {"mirrorCount", &S::mirrorCount},
    {"playerObject", &S::playerObject},
    {"playerDead", &S::playerDead},
    {"inputMode", &S::inputMode},
    {"loading", &S::loading},
    {"loadedFromCache", &S::loadedFromCache},
    {"mapMissing", &S::mapMissing},
    {"levelMusic", &S::levelMusic},
    {"levelStartTick", &S::levelStartTick},
    {"mapLayer", &S::mapLayer},
    {"mapLineCounter", &S::mapLineCounter},
    {"tileCounter", &S::tileCounter},
    {"loadFileName", &S::loadFileName},
    {"carriedTotal", &S::carriedTotal},
    {"pictureCacheCount", &S::pictureCacheCount},
    {"loadingTotal", &S::loadingTotal},
    {"loadingProgress", &S::loadingProgress},
    {"loadingStep", &S::loadingStep},
    {"aspectText", &S::aspectText},
    {"streamIndicator", &S::streamIndicator},
    {"blinkCounter", &S::blinkCounter},
    {"overlay", &S::overlay},
    {"mirrorsDisabled", &S::mirrorsDisabled},
    {"musicSwitch", &S::musicSwitch},
    {"scanCounter", &S::scanCounter},
    {"overlayTick", &S::overlayTick},
    {"areaX", &S::areaX},
    {"areaY", &S::areaY},
    {"scopeText", &S::scopeText},
    {"effectSoundCounter", &S::effectSoundCounter},
});

// The head-up entries shown on screen: 1 fuel, 2 ID cards, 3 money, 4 life, 5 and 6 the
// bar backgrounds.
constexpr std::size_t kFirstDumpedStatus = 1;
constexpr std::size_t kLastDumpedStatus = 6;

// Entries 0..last of a list, within the list's size.
void writeList(base::JsonWriter& json, std::string_view name, const std::vector<std::int32_t>& list,
               std::int64_t last) {
    json.key(name).beginArray();
    const std::int64_t end =
        std::min<std::int64_t>(last, static_cast<std::int64_t>(list.size()) - 1);
    for (std::int64_t i = 0; i <= end; ++i)
        json.value(list[static_cast<std::size_t>(i)]);
    json.endArray();
}

void writeSettings(base::JsonWriter& json, const S& s) {
    json.key("settings").beginObject();
    for (const ConfigKey& key : configKeys())
        writeField(json, s, key.name, key.member);
    json.member("GFXCODEC", s.gfxExtension);
    json.member("SOUNDCODEC", s.soundExtension);
    json.member("MUSICCODEC", s.musicExtension);
    json.endObject();
}

void writePlayerStatus(base::JsonWriter& json, const S& s) {
    json.key("playerStatus").beginArray();
    for (std::size_t entry = kFirstDumpedStatus;
         entry <= kLastDumpedStatus && entry < s.playerStatus.size(); ++entry) {
        json.beginObject();
        json.member("entry", static_cast<std::int64_t>(entry));
        json.member("text", s.playerStatus[entry].text);
        json.member("value", s.playerStatus[entry].value);
        json.endObject();
    }
    json.endArray();
}

void writeObjects(base::JsonWriter& json, const S& s) {
    json.key("objects").beginArray();
    const std::int64_t last =
        std::min<std::int64_t>(s.objectLast, static_cast<std::int64_t>(worldObjects.size()) - 1);
    for (std::int64_t i = 0; i <= last; ++i) {
        json.beginObject();
        json.member("index", i);
        writeWorldObject(json, i);
        json.endObject();
    }
    json.endArray();
}

// The picture cache entries in use: tile name, picture handle, loaded flag.
void writePictureCache(base::JsonWriter& json, const S& s) {
    json.key("pictureCache").beginArray();
    const std::int64_t count = std::min<std::int64_t>(
        s.pictureCacheCount, static_cast<std::int64_t>(s.pictureCache.size()));
    for (std::int64_t i = 0; i < count; ++i) {
        const PictureCacheEntry& entry = s.pictureCache[static_cast<std::size_t>(i)];
        json.beginObject();
        json.member("name", entry.name);
        json.member("sprite", entry.sprite);
        json.member("loaded", entry.loaded);
        json.endObject();
    }
    json.endArray();
}

}  // namespace

std::span<const NamedField<EngineSettings>> engineStateFields() {
    return kEngineFields;
}

std::string dumpEngineState(int turn) {
    const S& s = engineSettings;
    base::JsonWriter json;
    json.beginObject();
    json.member("turn", static_cast<std::int64_t>(turn));
    json.key("engine").beginObject();
    writeFields(json, s, kEngineFields);
    json.endObject();
    writeSettings(json, s);
    json.key("coreErrorTexts").beginArray();
    for (const std::string& text : s.coreErrorTexts)
        json.value(text);
    json.endArray();
    writePlayerStatus(json, s);
    writeObjects(json, s);
    writeList(json, "drawList", s.drawList, s.drawLast);
    writeList(json, "collisionList", s.collisionList, s.collisionLast);
    writeList(json, "weaponList", s.weaponList, s.weaponLast);
    writeList(json, "mirrorList", s.mirrorList, static_cast<std::int64_t>(s.mirrorCount) - 1);
    writePictureCache(json, s);
    json.member("levelMusicPlaying",
                static_cast<std::int64_t>(
                    s.levelMusic > 0 &&
                    media::soundPlaying(static_cast<media::SoundHandle>(s.levelMusic))));
    json.endObject();
    return json.text() + "\n";
}

}  // namespace engine
