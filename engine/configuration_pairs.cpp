#include "engine/configuration_pairs.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <variant>

#include "engine/base/text_values.h"
#include "engine/engine_settings.h"

namespace engine {
namespace {

using S = EngineSettings;

void storeValue(const ConfigKey& key, std::string_view line) {
    S& s = engineSettings;
    // The table's consistency check ties each value type to one kind of field.
    if (auto* text = std::get_if<std::string S::*>(&key.member)) {
        s.*(*text) = std::string(line);
    } else if (auto* integer = std::get_if<std::int32_t S::*>(&key.member)) {
        s.*(*integer) = base::parseInteger(line);
    } else if (auto* byte = std::get_if<std::int8_t S::*>(&key.member)) {
        s.*(*byte) = base::lowByteSigned(base::parseInteger(line));
    } else if (auto* real = std::get_if<float S::*>(&key.member)) {
        s.*(*real) = key.type == ValueType::Float ? base::parseFloat(line)
                                                  : static_cast<float>(base::parseInteger(line));
    }
}

constexpr std::string_view kGfxCodec = "GFXCODEC";
constexpr std::string_view kSoundCodec = "SOUNDCODEC";
constexpr std::string_view kMusicCodec = "MUSICCODEC";

// Keys of the core error text file, by code; entries 10 and 11 have none.
constexpr std::array<std::string_view, 10> kTextKeys = {
    "#ERROR_UNKNOWN",           "#ERROR_INIT_IO",
    "#ERROR_INIT_2D_GFX",       "#ERROR_INIT_3D_GFX",
    "#ERROR_INIT_UI",           "#ERROR_INIT_SOUND",
    "#ERROR_INIT_INIT",         "#ERROR_OPEN_DEVELOPER_WINDOW",
    "#ERROR_OPEN_WORLD_SCREEN", "#ERROR_CREATE_CACHE",
};

}  // namespace

void applyConfigurationPair(std::string_view key, std::string_view value, ConfigFile file) {
    if (const ConfigKey* row = findConfigKey(key, file)) {
        storeValue(*row, value);
        if (row->sideRule != nullptr) row->sideRule(engineSettings);
    }
}

void applyCodecRecords(std::span<const media::ConfigRecord> records) {
    for (const media::ConfigRecord& record : records) {
        if (record.key == kGfxCodec) {
            engineSettings.gfxExtension = record.value;
        } else if (record.key == kSoundCodec) {
            engineSettings.soundExtension = record.value;
        } else if (record.key == kMusicCodec) {
            engineSettings.musicExtension = record.value;
        }
    }
}

void applyCoreErrorText(std::string_view key, std::string_view text) {
    const auto* found = std::find(kTextKeys.begin(), kTextKeys.end(), key);
    if (found != kTextKeys.end()) {
        engineSettings.coreErrorTexts[static_cast<std::size_t>(found - kTextKeys.begin())] =
            std::string(text);
    }
}

}  // namespace engine
