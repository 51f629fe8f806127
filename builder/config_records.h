// The builder's configuration files: four-line records (key, an ignored line, value, an
// ignored line) to the end of the file. Keys are compared whole and exactly.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace builder {

struct ConfigRecord {
    std::string key;
    std::string value;
};

// The records of a file held in memory; a record cut short by the end reads its missing
// lines as "".
std::vector<ConfigRecord> parseConfigRecords(std::string_view text);

// nullopt when the file cannot be opened for reading.
std::optional<std::vector<ConfigRecord>> readConfigRecords(std::string_view path);

}  // namespace builder
