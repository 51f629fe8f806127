#include "engine/media/config_records.h"

#include "engine/media/files.h"

namespace media {

std::vector<ConfigRecord> parseConfigRecords(std::string_view text) {
    std::vector<ConfigRecord> records;
    LineReader lines(text);
    while (!lines.atEnd()) {
        ConfigRecord record;
        record.key = std::string(lines.next());
        lines.next();
        record.value = std::string(lines.next());
        lines.next();
        records.push_back(std::move(record));
    }
    return records;
}

std::optional<std::vector<ConfigRecord>> readConfigRecords(std::string_view path) {
    // An empty name names no file (the working directory itself would otherwise open).
    if (path.empty()) return std::nullopt;
    const std::optional<std::string> text = readWholeFile(path);
    if (!text) return std::nullopt;
    return parseConfigRecords(*text);
}

}  // namespace media
