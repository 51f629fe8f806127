#include "engine/configuration.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/configuration_pairs.h"
#include "engine/core_error.h"
#include "engine/engine_settings.h"
#include "engine/media/config_records.h"
#include "engine/media/files.h"

namespace engine {
namespace {

using S = EngineSettings;

}  // namespace

bool readConfigurationFile(std::string_view path, ConfigFile file) {
    media::TextFile in = media::TextFile::open(path, media::OpenMode::ReadOnly);
    if (!in.isOpen()) return false;
    while (!in.atEnd()) {
        const std::string key = in.readLine();
        const std::string value = in.readLine();  // "" when the file ends after the key
        applyConfigurationPair(key, value, file);
    }
    return true;
}

void readCodecFile(std::string_view path) {
    const std::optional<std::vector<media::ConfigRecord>> records = media::readConfigRecords(path);
    if (records) applyCodecRecords(*records);
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
