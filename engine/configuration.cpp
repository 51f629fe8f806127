#include "engine/configuration.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/base/text_values.h"
#include "engine/core_error.h"
#include "engine/engine_settings.h"
#include "engine/media/config_records.h"
#include "engine/media/files.h"

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

}  // namespace

bool readConfigurationFile(std::string_view path, ConfigFile file) {
    media::TextFile in = media::TextFile::open(path, media::OpenMode::ReadOnly);
    if (!in.isOpen()) return false;
    while (!in.atEnd()) {
        const std::string key = in.readLine();
        const std::string value = in.readLine();  // "" when the file ends after the key
        if (const ConfigKey* row = findConfigKey(key, file)) {
            storeValue(*row, value);
            if (row->sideRule != nullptr) row->sideRule(engineSettings);
        }
    }
    return true;
}

void readCodecFile(std::string_view path) {
    std::optional<std::vector<media::ConfigRecord>> records = media::readConfigRecords(path);
    if (!records) return;
    for (media::ConfigRecord& record : *records) {
        if (record.key == kGfxCodec) {
            engineSettings.gfxExtension = std::move(record.value);
        } else if (record.key == kSoundCodec) {
            engineSettings.soundExtension = std::move(record.value);
        } else if (record.key == kMusicCodec) {
            engineSettings.musicExtension = std::move(record.value);
        }
    }
}

void writeSettingsLog(std::string_view path, std::string_view engineBase) {
    // Truncated before writing: a shorter log must not keep the tail of an older one.
    media::TextFile out = media::TextFile::open(path, media::OpenMode::Create);
    if (!out.isOpen()) return;
    const S& s = engineSettings;
    const std::string base(engineBase);
    out.writeLine("ENGINE LOCAL BASE: " + base);
    out.writeLine(" ");
    out.writeLine("RORAZUZ SETTINGS FOR ACTUAL SESSION:");
    out.writeLine("SOUNDS LOCATED: " + s.soundPath);
    out.writeLine("SOUND CODEC: " + s.soundExtension);
    out.writeLine("2DGFX LOCATED: " + s.gfxPath);
    out.writeLine("GFX CODEC: " + s.gfxExtension);
    out.writeLine("ANIMS LOCATED: " + s.animSystemPath);
    out.writeLine("MAPS LOCATED: " + s.simCorePath);
    out.writeLine("ENGINE BASE: " + base);
    out.close();
}

void readMainConfiguration(std::string_view engineBase) {
    const std::string path = std::string(engineBase) + std::string(kMainConfigName);
    if (!readConfigurationFile(path, ConfigFile::Main)) coreError(kErrorInitInit);
    readCodecFile(engineSettings.codecsPath);
    writeSettingsLog(engineSettings.settingsLogPath, engineBase);
}

void readUserConfiguration(std::string_view engineBase) {
    readConfigurationFile(std::string(engineBase) + std::string(kUserConfigName), ConfigFile::User);
}

}  // namespace engine
