// Reading the configuration at start-up. Order of effects: the ini.crc pairs, then the
// codec file, then the settings log (both with the ini.crc values), then the user.crc
// pairs. Values land in engineSettings; nothing is written back.
#pragma once

#include <string_view>

#include "engine/config_keys.h"

namespace engine {

inline constexpr std::string_view kMainConfigName = "ini.crc";
inline constexpr std::string_view kUserConfigName = "user.crc";

// Reads engineBase + "ini.crc", then the codec file named by CODECS, then writes the
// settings log named by PATH. Core error 6 when ini.crc cannot be opened.
void readMainConfiguration(std::string_view engineBase);

// Reads engineBase + "user.crc"; a missing file changes nothing.
void readUserConfiguration(std::string_view engineBase);

// The steps on their own, for the start-up and the tests.
// Reads key/value line pairs of one configuration file; false when it cannot be opened.
bool readConfigurationFile(std::string_view path, ConfigFile file);
// Reads the codec file (groups of four lines: key, skipped, value, skipped).
void readCodecFile(std::string_view path);
// Writes the ten lines of the settings log, replacing what the file held before.
void writeSettingsLog(std::string_view path, std::string_view engineBase);

}  // namespace engine
