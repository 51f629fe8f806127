#include "world/picture_cache.h"

#include <algorithm>
#include <functional>
#include <string>
#include <unordered_map>

#include "engine/engine_settings.h"
#include "engine/media/services.h"
#include "formats/tile_paths.h"

namespace world {
namespace {

// A name index over the entries in use, so a level of thousands of records does not search
// the table once per record. It is checked against the table on every use and rebuilt
// when the table changed behind its back.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
        return std::hash<std::string_view>{}(name);
    }
};

struct NameIndex {
    std::unordered_map<std::string, std::int32_t, NameHash, std::equal_to<>> entries;
    std::int32_t indexedCount = 0;
};

NameIndex& nameIndex() {
    static NameIndex index;
    return index;
}

std::int32_t usedEntries() {
    const EngineSettings& s = engineSettings;
    const auto size = static_cast<std::int64_t>(s.pictureCache.size());
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(s.pictureCacheCount, 0, size));
}

void rebuildIndex() {
    NameIndex& index = nameIndex();
    index.entries.clear();
    const std::int32_t count = usedEntries();
    for (std::int32_t i = count - 1; i >= 0; --i) {
        index.entries[engineSettings.pictureCache[static_cast<std::size_t>(i)].name] = i;
    }
    index.indexedCount = engineSettings.pictureCacheCount;
}

std::int32_t linearSearch(std::string_view name) {
    const std::int32_t count = usedEntries();
    for (std::int32_t i = 0; i < count; ++i) {
        if (engineSettings.pictureCache[static_cast<std::size_t>(i)].name == name) return i;
    }
    return -1;
}

}  // namespace

std::string tilePicturePath(std::string_view tileName) {
    const EngineSettings& s = engineSettings;
    return formats::tileFilePath(s.gfxPath, tileName, s.gfxExtension);
}

std::int32_t findCachedPicture(std::string_view name) {
    NameIndex& index = nameIndex();
    if (index.indexedCount != engineSettings.pictureCacheCount) rebuildIndex();
    const auto found = index.entries.find(name);
    if (found == index.entries.end()) return -1;
    const std::int32_t entry = found->second;
    if (entry < usedEntries() &&
        engineSettings.pictureCache[static_cast<std::size_t>(entry)].name == name) {
        return entry;
    }
    rebuildIndex();
    return linearSearch(name);
}

void prefetchPicture(std::string_view name) {
    if (name.empty() || findCachedPicture(name) >= 0) return;
    EngineSettings& s = engineSettings;
    const std::int32_t count = usedEntries();
    if (static_cast<std::size_t>(count) >= s.pictureCache.size()) {
        s.pictureCache.resize(static_cast<std::size_t>(count) + 1);
    }
    PictureCacheEntry& entry = s.pictureCache[static_cast<std::size_t>(count)];
    entry.loaded = 0;
    entry.name.assign(name);
    entry.sprite = media::loadPicture(tilePicturePath(name), kSpriteColourKey);
    entry.loaded = media::pictureExists(entry.sprite) ? 1 : 0;
    s.pictureCacheCount = count + 1;
    NameIndex& index = nameIndex();
    index.entries.emplace(entry.name, count);
    index.indexedCount = s.pictureCacheCount;
}

void clearPictureCache() {
    EngineSettings& s = engineSettings;
    const std::int32_t count = usedEntries();
    for (std::int32_t i = 0; i < count; ++i) {
        PictureCacheEntry& entry = s.pictureCache[static_cast<std::size_t>(i)];
        if (media::pictureExists(entry.sprite)) media::freePicture(entry.sprite);
        entry.sprite = 0;
        entry.loaded = 0;
        entry.name.clear();
    }
    s.pictureCacheCount = 0;
    nameIndex().entries.clear();
    nameIndex().indexedCount = 0;
}

}  // namespace world
