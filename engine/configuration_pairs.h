// The configuration readers' steps that need no file: one key/value pair of ini.crc or
// user.crc, the codec file's records, one key/text pair of the core error text file. The
// file readers stream their lines into these, and the fuzz targets feed them text.
#pragma once

#include <span>
#include <string_view>

#include "engine/config_keys.h"
#include "engine/media/config_records.h"

namespace engine {

// Stores the value of a key the file accepts into engineSettings and applies the key's
// rule; any other key changes nothing.
void applyConfigurationPair(std::string_view key, std::string_view value, ConfigFile file);

// GFXCODEC, SOUNDCODEC and MUSICCODEC set the extensions; a later record of a key wins.
void applyCodecRecords(std::span<const media::ConfigRecord> records);

// Keeps the text of a known core error key in engineSettings.coreErrorTexts.
void applyCoreErrorText(std::string_view key, std::string_view text);

}  // namespace engine
