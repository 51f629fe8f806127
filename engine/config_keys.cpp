#include "engine/config_keys.h"

#include <algorithm>
#include <array>

namespace engine {
namespace {

using S = EngineSettings;
using enum FileColumn;
using enum ValueType;

// Side rules: what a key does beyond storing its value.
void clampMatrixSize(S& s) {
    s.matrixSize = std::min(s.matrixSize, std::int32_t{128});
}

void clampMultitask(S& s) {
    s.multitaskCopy = std::max(s.multitaskCopy, std::int8_t{0});  // the byte is at most 127
    s.multitask = s.multitaskCopy;
}

void enterFirstMap(S& s) {
    s.nextMapId = s.appEntry;
}
void copyGridSize(S& s) {
    s.areaWidth = s.areaHeight;
}
void copyGfxPath(S& s) {
    s.mapGfxPath = s.gfxPath;
}
void startFuel(S& s) {
    s.playerStatus[1].value = s.fuelStart;
}
void normaliseClearScreen(S& s) {
    s.clearScreen = s.clearScreen == 1 ? 1 : 0;
}

constexpr std::array kKeys = std::to_array<ConfigKey>({
    {"SYSTEMTEXT", B, Text, &S::systemTextPath},
    {"ATOMSYSTEM", B, Text, &S::atomSystem},
    {"GRIDSIZE", B, IntegerAsFloat, &S::areaHeight, copyGridSize},
    {"MATRIXSIZE", B, Integer, &S::matrixSize, clampMatrixSize},
    {"MATRIX_OFFSET_X", B, IntegerAsFloat, &S::viewOffsetX},
    {"MATRIX_OFFSET_Y", B, IntegerAsFloat, &S::viewOffsetY},
    {"USEDEBUGLOG", B, Byte, &S::useDebugLog},
    {"SCRSWITCHMS", B, Integer, &S::screenSwitchMs},
    {"BLOOM", B, Byte, &S::bloom},
    {"FRAMECOLLISION", B, Byte, &S::frameCollision},
    {"CODECS", B, Text, &S::codecsPath},
    {"GFX", B, Text, &S::gfxPath, copyGfxPath},
    {"EFFECT_GFX", B, Text, &S::effectGfxPath},
    {"AREACOLLISION", B, Byte, &S::areaCollision},
    {"MAXOBJECTS", B, Integer, &S::maxObjects},
    {"COREBRAIN", B, Text, &S::coreBrain},
    {"DEBUGLOG", B, Text, &S::debugLog},
    {"SIMCORE", B, Text, &S::simCorePath},
    {"GLOBAL_GFX_FX", B, Byte, &S::globalGfxFx},
    {"FONTFUNDAMENT", B, Text, &S::fontFundamentPath},
    {"FONT", B, Text, &S::fontPath},
    {"SOURCEWIDTH", B, Float, &S::SRC_SCRW},
    {"ANIMSYSTEM", B, Text, &S::animSystemPath},
    {"MAXANIMFRAMES", B, Integer, &S::maxAnimFrames},
    {"SOURCEHEIGHT", B, Float, &S::SRC_SCRH},
    {"SOUNDPATH", B, Text, &S::soundPath},
    {"FILELOADMUSIC", B, Text, &S::fileLoadMusic},
    {"LOADPIC", B, Byte, &S::loadPic},
    {"GUI", B, Text, &S::gui},
    {"IOPREFETCH", B, Byte, &S::ioPrefetch},
    {"ERRORPATH", B, Text, &S::errorReportPath},
    {"WARNINGS", B, Text, &S::warningReportPath},
    {"USRSCROLL", B, Byte, &S::userScroll},
    {"VERSION", B, Text, &S::version},
    {"DYNAMICSCROLL", B, Byte, &S::dynamicScroll},
    {"PIP", B, Byte, &S::pip},
    {"APPENTRY", B, Integer, &S::appEntry, enterFirstMap},
    {"APPMODE", B, Text, &S::appMode},
    {"APPSMOOTH", B, Byte, &S::appSmooth},
    {"MULTITASK", B, Byte, &S::multitaskCopy, clampMultitask},
    {"PATH", B, Text, &S::settingsLogPath},
    {"VSYNC", B, Integer, &S::vsync},
    {"MAXPLAYERS", B, Integer, &S::maxPlayers},
    {"FULLSCREEN", B, Float, &S::fullscreen},
    {"WINDOWW", U, Integer, &S::windowW},
    {"WINDOWH", U, Integer, &S::windowH},
    {"USEWINDOWHD", U, Byte, &S::useWindowHd},
    {"TEXTSMOOTH", B, Byte, &S::textSmooth},
    {"CLEARSCREEN", U, Byte, &S::clearScreen, normaliseClearScreen},
    {"FUEL", I, Integer, &S::fuelStart, startFuel},
    {"MAXFUEL", I, Byte, &S::maxFuel},
    {"CACHE", I, Text, &S::cachePath},
    {"USECACHE", I, Byte, &S::useCache},
    {"USELOADSCREEN", I, Text, &S::useLoadScreen},
    {"TIMERBASE", I, Integer, &S::timerBase},
});

// The type column and the kind of field a row names must agree.
constexpr bool typeFitsMember(const ConfigKey& key) {
    switch (key.type) {
        case Text:
            return std::holds_alternative<std::string S::*>(key.member);
        case Integer:
            return std::holds_alternative<std::int32_t S::*>(key.member);
        case Byte:
            return std::holds_alternative<std::int8_t S::*>(key.member);
        case Float:
        case IntegerAsFloat:
            return std::holds_alternative<float S::*>(key.member);
    }
    return false;
}
static_assert(std::all_of(kKeys.begin(), kKeys.end(), typeFitsMember));

bool accepts(FileColumn column, ConfigFile file) {
    if (column == B) return true;
    return (column == I) == (file == ConfigFile::Main);
}

}  // namespace

std::span<const ConfigKey> configKeys() {
    return kKeys;
}

const ConfigKey* findConfigKey(std::string_view name, ConfigFile file) {
    const auto* row = std::find_if(kKeys.begin(), kKeys.end(),
                                   [&](const ConfigKey& key) { return key.name == name; });
    if (row == kKeys.end() || !accepts(row->file, file)) return nullptr;
    return row;
}

}  // namespace engine
