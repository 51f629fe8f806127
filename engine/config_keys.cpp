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

// One row per KEYED field of the record, in record order.
constexpr std::array kKeys = std::to_array<ConfigKey>({
#define FIELD(...)
#define TABLE(...)
#define UNDUMPED(...)
#define CODEC(...)
#define KEYED(type, name, start, key, files, read, rule) {key, files, read, &S::name, rule},
#include "engine/engine_settings_fields.h"
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
