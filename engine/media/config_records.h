// Configuration files of four-line records (key, an ignored line, value, an ignored line) to
// the end of the file: the game's codec file and the builder's configuration chain. Keys
// are compared whole and exactly by the callers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace media {

struct ConfigRecord {
    std::string key;
    std::string value;
};

// The records of a file held in memory; a record cut short by the end reads its missing
// lines as "".
std::vector<ConfigRecord> parseConfigRecords(std::string_view text);

// nullopt when the file cannot be opened for reading.
std::optional<std::vector<ConfigRecord>> readConfigRecords(std::string_view path);

}  // namespace media
