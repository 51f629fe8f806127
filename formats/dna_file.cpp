#include "formats/dna_file.h"

#include "engine/media/files.h"

namespace formats {

std::vector<DnaPair> parseDnaPairs(std::string_view bytes) {
    std::vector<DnaPair> pairs;
    forEachDnaPair(bytes, [&](std::string_view key, std::string_view value) {
        pairs.push_back(DnaPair{std::string(key), std::string(value)});
    });
    return pairs;
}

std::string formatDnaFile(std::span<const DnaPair> rows) {
    LineWriter out;
    for (const DnaPair& row : rows) {
        if (row.key == kDnaKeyPlaceholder || row.value == kDnaValuePlaceholder) continue;
        out.line(row.key);
        out.line(row.value);
    }
    for (const std::string_view line : kDnaTrailer)
        out.line(line);
    return out.take();
}

bool writeDnaFile(std::string_view path, std::span<const DnaPair> rows) {
    return media::replaceFileContents(path, formatDnaFile(rows));
}

}  // namespace formats
