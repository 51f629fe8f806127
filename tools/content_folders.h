// What the content tools (the demo content and the stress level) write alike: nested
// folders and the master DNA rows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/media/files.h"
#include "formats/dna_apply.h"
#include "formats/dna_file.h"

namespace content {

// Creates the folders of relative ("A/B/C") below root, which ends in a separator, and
// returns the path of the deepest with a trailing separator. One level at a time: the file
// layer creates a single directory per call.
inline std::string createFolders(std::string root, std::string_view relative) {
    std::string path = std::move(root);
    std::size_t start = 0;
    while (start < relative.size()) {
        const std::size_t end = relative.find('/', start);
        path += relative.substr(start, end - start);
        path += '/';
        media::createDirectory(path);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return path;
}

// The master DNA file: every game key with its default, so that every object starts from
// the same values (switched on, opaque, no animation container, everything else off).
inline std::vector<formats::DnaPair> masterDnaRows() {
    std::vector<formats::DnaPair> rows;
    for (const auto& rule : formats::gameDnaKeys()) {
        std::string value = rule.value == formats::DnaValue::Text ? "" : "0";
        if (rule.key == "worldFTileIsActive") value = "1";
        if (rule.key == "worldFTileTransparency") value = "255";
        if (rule.key == "animContainer") value = formats::kNoAnimationContainer;
        rows.push_back({std::string(rule.key), value});
    }
    return rows;
}

}  // namespace content
