#include "engine/state_dump.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "engine/base/json_writer.h"
#include "engine/media/services.h"
#include "engine/world_object.h"

namespace engine {
namespace {

using S = EngineSettings;

// The "engine" object: every single-valued field under its name, in record order.
constexpr auto kEngineFields = std::to_array<NamedField<S>>({
#define RZ_NAMED(type, name, ...) {#name, &S::name},
#define FIELD RZ_NAMED
#define KEYED RZ_NAMED
#define CODEC RZ_NAMED
#define TABLE(...)
#define UNDUMPED(...)
#include "engine/engine_settings_fields.h"
#undef RZ_NAMED
});

// The "settings" object: the configured fields under their key, then the codec lines.
constexpr auto kSettingsFields = std::to_array<NamedField<S>>({
#define RZ_BY_KEY(type, name, start, key, ...) {key, &S::name},
#define KEYED RZ_BY_KEY
#define CODEC RZ_BY_KEY
#define FIELD(...)
#define TABLE(...)
#define UNDUMPED(...)
#include "engine/engine_settings_fields.h"
#undef RZ_BY_KEY
});

// The head-up entries shown on screen: 1 fuel, 2 ID cards, 3 money, 4 life, 5 and 6 the
// bar backgrounds.
constexpr std::size_t kFirstDumpedStatus = 1;
constexpr std::size_t kLastDumpedStatus = 6;

// Entries 0..last of a list, within the list's size.
void writeList(base::JsonWriter& json, std::string_view name, const std::vector<std::int32_t>& list,
               std::int64_t last) {
    json.key(name).beginArray();
    const std::int64_t end =
        std::min<std::int64_t>(last, static_cast<std::int64_t>(list.size()) - 1);
    for (std::int64_t i = 0; i <= end; ++i)
        json.value(list[static_cast<std::size_t>(i)]);
    json.endArray();
}

void writeSettings(base::JsonWriter& json, const S& s) {
    json.key("settings").beginObject();
    writeFields(json, s, kSettingsFields);
    json.endObject();
}

void writePlayerStatus(base::JsonWriter& json, const S& s) {
    json.key("playerStatus").beginArray();
    for (std::size_t entry = kFirstDumpedStatus;
         entry <= kLastDumpedStatus && entry < s.playerStatus.size(); ++entry) {
        json.beginObject();
        json.member("entry", static_cast<std::int64_t>(entry));
        json.member("text", s.playerStatus[entry].text);
        json.member("value", s.playerStatus[entry].value);
        json.endObject();
    }
    json.endArray();
}

void writeObjects(base::JsonWriter& json, const S& s) {
    json.key("objects").beginArray();
    const std::int64_t last =
        std::min<std::int64_t>(s.objectLast, static_cast<std::int64_t>(worldObjects.size()) - 1);
    for (std::int64_t i = 0; i <= last; ++i) {
        json.beginObject();
        json.member("index", i);
        writeWorldObject(json, i);
        json.endObject();
    }
    json.endArray();
}

// The picture cache entries in use: tile name, picture handle, loaded flag.
void writePictureCache(base::JsonWriter& json, const S& s) {
    json.key("pictureCache").beginArray();
    const std::int64_t count = std::min<std::int64_t>(
        s.pictureCacheCount, static_cast<std::int64_t>(s.pictureCache.size()));
    for (std::int64_t i = 0; i < count; ++i) {
        const PictureCacheEntry& entry = s.pictureCache[static_cast<std::size_t>(i)];
        json.beginObject();
        json.member("name", entry.name);
        json.member("sprite", entry.sprite);
        json.member("loaded", entry.loaded);
        json.endObject();
    }
    json.endArray();
}

}  // namespace

std::span<const NamedField<EngineSettings>> engineStateFields() {
    return kEngineFields;
}

std::string dumpEngineState(int turn) {
    const S& s = engineSettings;
    base::JsonWriter json;
    json.beginObject();
    json.member("turn", static_cast<std::int64_t>(turn));
    json.key("engine").beginObject();
    writeFields(json, s, kEngineFields);
    json.endObject();
    writeSettings(json, s);
    json.key("coreErrorTexts").beginArray();
    for (const std::string& text : s.coreErrorTexts)
        json.value(text);
    json.endArray();
    writePlayerStatus(json, s);
    writeObjects(json, s);
    writeList(json, "drawList", s.drawList, s.drawLast);
    writeList(json, "collisionList", s.collisionList, s.collisionLast);
    writeList(json, "weaponList", s.weaponList, s.weaponLast);
    writeList(json, "mirrorList", s.mirrorList, static_cast<std::int64_t>(s.mirrorCount) - 1);
    writePictureCache(json, s);
    json.member("levelMusicPlaying",
                static_cast<std::int64_t>(
                    s.levelMusic > 0 &&
                    media::soundPlaying(static_cast<media::SoundHandle>(s.levelMusic))));
    json.endObject();
    return json.text() + "\n";
}

}  // namespace engine
