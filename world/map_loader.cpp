// Load map, create object and unload level.
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <unordered_map>

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/media/files.h"
#include "engine/media/services.h"
#include "engine/world_object.h"
#include "formats/map_directory.h"
#include "world/animation_container.h"
#include "world/hud_texts.h"
#include "world/level_loader.h"
#include "world/loading_bar.h"
#include "world/media_handles.h"
#include "world/object_dna.h"
#include "world/object_media.h"
#include "world/picture_cache.h"
#include "world/screen_fit.h"
#include "world/world_input.h"

namespace world {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::IO;

// A record with a DNA file applied, and what the application asks of the media. Reading and
// parsing a DNA file per object would cost more than decoding the level's pictures, so a
// load applies each file once to a prototype and copies the result to every object of that
// tile; the media effects still run per object.
struct DnaPrototype {
    WorldObject record;
    DnaOutcome outcome;
};

struct Prototypes {
    std::optional<DnaPrototype> master;
    std::unordered_map<std::string, DnaPrototype> tiles;
};

struct LoaderState {
    Prototypes prototypes;
    // Records 0 to this index were reset by the unload of the current load; a record past it
    // is reset when an object takes it.
    std::int32_t resetThrough = -1;
    std::int32_t levelObjects = 0;
    MirrorSpriteRelease mirrorRelease = nullptr;
};

LoaderState& loader() {
    static LoaderState state;
    return state;
}

// The prototypes live for one map load: DNA files may change between loads.
struct PrototypeScope {
    PrototypeScope() { loader().prototypes = Prototypes{}; }
    ~PrototypeScope() { loader().prototypes = Prototypes{}; }
    PrototypeScope(const PrototypeScope&) = delete;
    PrototypeScope& operator=(const PrototypeScope&) = delete;
};

// A zero-filled record after the unload steps and the master DNA.
const DnaPrototype& masterPrototype() {
    std::optional<DnaPrototype>& master = loader().prototypes.master;
    if (!master) {
        DnaPrototype prototype;
        prototype.record.streamState = kStreamedOut;
        prototype.outcome = applyDnaToRecord(prototype.record, kMasterDnaName, true);
        prototype.record.animFrameCount = 0;
        master = std::move(prototype);
    }
    return *master;
}

// The master record after the fixed part of the record creation and the tile's DNA. The
// first object of a tile name in a load also prefetches its picture; later ones find it
// cached (the cache is emptied only by the unload at the start of a load), so a record
// costs one name lookup, not two.
const DnaPrototype& tilePrototype(const std::string& name) {
    auto& tiles = loader().prototypes.tiles;
    const auto found = tiles.find(name);
    if (found != tiles.end()) return found->second;
    prefetchPicture(name);
    DnaPrototype prototype;
    prototype.record = masterPrototype().record;
    prototype.record.dnaName.clear();
    prototype.record.savePointX = -1.0f;
    prototype.record.savePointY = -1.0f;
    prototype.record.removed = 0;
    prototype.outcome = applyDnaToRecord(prototype.record, name, false);
    return tiles.emplace(name, std::move(prototype)).first->second;
}

// The handles outside the direction sets: sprites, sound and shadow (which the master DNA
// reset would otherwise leave drawn under an unrelated object).
void releaseObjectHandles(WorldObject& object) {
    releaseSprite(object.sprite3D);
    releasePicture(object.sprite);
    if (object.objectSound != 0 && media::soundExists(object.objectSound)) {
        media::stopSound(object.objectSound);
        media::freeSound(object.objectSound);
    }
    object.objectSound = 0;
    releaseSprite(object.shadowSprite3D);
    releasePicture(object.shadowSprite);
    object.hasShadow = 0;
}

// The media effects of the master DNA for object i: the life value and a master shadow
// (loaded per object). Measuring is not among them: the reset record has no picture path.
void applyMasterEffects(std::int32_t i, const DnaOutcome& master) {
    DnaOutcome effects = master;
    effects.animationContainer = false;
    applyDnaEffects(i, effects);
}

// The record takes the master state: media freed, then the master prototype and its
// media effects.
void resetRecord(std::int32_t i) {
    const DnaPrototype& master = masterPrototype();
    releaseObjectMedia(i);
    CHECKED_AT(worldObjects, i) = master.record;
    dropDirectionSets(i);
    applyMasterEffects(i, master.outcome);
}

// The record takes the prototype of its tile whole. The record it replaces is a reset one
// (the master record, or zero-filled if never used); the only media such a record holds is
// the master shadow the reset loaded, which the prototype (holding no media) must not
// overwrite: it stays until the tile's own effects replace it.
void copyPrototypeKeepingShadow(WorldObject& object, const WorldObject& prototype) {
    const std::uint32_t shadowSprite = object.shadowSprite;
    const std::uint32_t shadowSprite3D = object.shadowSprite3D;
    const std::int8_t hasShadow = object.hasShadow;
    object = prototype;
    object.shadowSprite = shadowSprite;
    object.shadowSprite3D = shadowSprite3D;
    object.hasShadow = hasShadow;
}

// The layer files of the map directory, read before any object is made so that the object
// tables grow once.
using LayerTexts = formats::GameMapLayers;

std::size_t readLayers(const std::string& directory, LayerTexts& layers) {
    layers = formats::readGameMapLayers(directory);
    std::size_t records = 0;
    for (const auto& text : layers) {
        if (text) records += text->tiles.size();
    }
    return records;
}

// After the header of each layer file: the window events and the engine keys, so a long
// load still answers the window and the quit keys.
void pollInputDevices() {
    media::pollEvents();
    worldInput();
}

std::string mapDirectory(std::string_view name, std::int32_t source) {
    const EngineSettings& s = engineSettings;
    std::string directory = source == kFromCache ? s.cachePath : s.simCorePath;
    directory.append(name);
    return directory;
}

// During the load objectLast, collisionLast and weaponLast count; afterwards they are last
// indexes. The mirror count stays a count.
void countsToLastIndexes() {
    EngineSettings& s = engineSettings;
    if (s.objectLast > 0) s.objectLast -= 1;
    if (s.collisionLast > 0) s.collisionLast -= 1;
    if (s.weaponLast > 0) {
        s.weaponLast -= 1;
        s.lastWeapon = s.weaponLast;
    }
}

}  // namespace

void releaseObjectMedia(std::int32_t i) {
    releaseObjectHandles(CHECKED_AT(worldObjects, i));
    freeAnimationFrames(i);
}

void setMirrorSpriteRelease(MirrorSpriteRelease release) {
    loader().mirrorRelease = release;
}

std::int32_t levelObjectCount() {
    return loader().levelObjects;
}

void unloadLevel(std::int32_t last) {
    EngineSettings& s = engineSettings;
    clearPictureCache();
    if (s.mirrorCount > 0 && loader().mirrorRelease != nullptr) loader().mirrorRelease();
    const auto end = static_cast<std::int32_t>(
        std::min<std::int64_t>(last, static_cast<std::int64_t>(worldObjects.size()) - 1));
    for (std::int32_t i = 0; i <= end; ++i) {
        resetRecord(i);
    }
    loader().resetThrough = std::max(loader().resetThrough, end);
    loader().levelObjects = 0;
}

void createObject(const formats::TileRecord& record, std::int32_t fitMode) {
    EngineSettings& s = engineSettings;
    const std::int32_t i = s.objectLast;
    if (i < 0) return;
    const DnaPrototype& prototype = tilePrototype(record.name);  // prefetches the picture
    s.mapLineCounter += kLinesPerRecord;
    if (s.loadingTotal > kLoadingBarAbove) stepLoadingBar();

    growWorldObjects(i);
    // A record the unload did not reset is reset here; the prototype copy below stands in
    // for the master record copy, so only the media and the master effects are left to do.
    // Such a record lay past every object of the levels since its last reset, where nothing
    // loads frames (only objects of the running level stream in), so a master shadow is
    // the most it can hold.
    const bool resetHere = i > loader().resetThrough;
    if (resetHere) releaseObjectHandles(CHECKED_AT(worldObjects, i));
    {
        WorldObject& object = CHECKED_AT(worldObjects, i);
        copyPrototypeKeepingShadow(object, prototype.record);
        object.posX = record.x;
        object.homeX = record.x;
        object.posY = record.y;
        object.homeY = record.y;
        object.width = record.width;
        object.height = record.height;
        object.layer = record.layer;
    }
    if (resetHere) applyMasterEffects(i, masterPrototype().outcome);
    applyDnaEffects(i, prototype.outcome);

    WorldObject& object = CHECKED_AT(worldObjects, i);
    object.hasVelocity = object.worldFTileVELO != 0.0f ? 1 : 0;
    if (object.worldFTilePlayerID != 0) {
        if (s.maxPlayers == 1) {
            s.playerObject = i;
            // The running total of destroyed objects follows the player from level to level.
            object.carriedTotal = s.carriedTotal;
        } else if (s.maxPlayers == 0) {
            object.worldFTilePlayerID = 0;
        }
    }
    object.movesBothWays = object.worldFTileMoveH != 0.0f && object.worldFTileMoveV != 0.0f ? 1 : 0;
    if (object.worldFTileCollision == 1) appendObjectIndex(s.collisionList, s.collisionLast, i);
    if (object.worldFTileIsMirror != 0) appendObjectIndex(s.mirrorList, s.mirrorCount, i);
    if (object.worldFTileIsWeapon > 0) {
        s.lastWeapon = appendObjectIndex(s.weaponList, s.weaponLast, i);
    }
    if (fitMode == kScreenFit) {
        screenFit(i);
    } else if (fitMode == kCachedFit) {
        cachedFit(i);
    }

    WorldObject& fitted = CHECKED_AT(worldObjects, i);
    const std::uint32_t now = media::milliseconds();
    fitted.lastSeenTick = static_cast<std::int32_t>(now);
    const float area = fitted.width * fitted.height;
    fitted.area = base::roundToInt(area);
    if (fitted.lifetimeActive == 1) fitted.lifetimeStart = static_cast<std::int32_t>(now);

    s.objectLast += 1;
    if (s.objectLast > 1) growWorldObjects(s.objectLast);
    loader().levelObjects += 1;
}

void loadMap(std::string_view name, std::int32_t fitMode, bool reset, std::int32_t source) {
    EngineSettings& s = engineSettings;
    PrototypeScope prototypes;
    s.mapLineCounter = 0;
    // The fault report names the layer file being read; a map without layer files must not
    // name the last layer of the map before it.
    s.mapLayer = 0;
    s.playerObject = 0;
    CHECKED_AT(s.playerStatus, kStatusFuel).value = s.maxFuel;
    s.playerDead = 0;
    loader().resetThrough = -1;
    if (reset) {
        unloadLevel(s.objectLast);
        s.collisionLast = 0;
        s.objectLast = 0;
        s.maxObjects = 0;
        s.mirrorCount = 0;
        s.lastWeapon = 0;
        s.weaponLast = 0;
    }
    loader().levelObjects = 0;
    s.loadingTotal = 0;

    const std::string directory = mapDirectory(name, source);
    if (!media::directoryExists(directory)) {
        s.mapMissing = 1;
    } else {
        s.mapMissing = 0;
        s.loadingTotal = formats::readTileCount(mapDirectory(name, kFromMaps));
        startLoadingBar(s.loadingTotal);
        LayerTexts layers;
        const std::size_t records = readLayers(directory, layers);
        // Both parallel tables grow once, not by doubling while objects are made.
        const std::size_t wanted =
            static_cast<std::size_t>(std::max(s.objectLast, 0)) + records + 2;
        worldObjects.reserve(wanted);
        objectAnimations.reserve(wanted);
        for (std::int32_t layer = 0; layer < formats::kGameLayerCount; ++layer) {
            const auto& text = layers[static_cast<std::size_t>(layer)];
            if (!text) continue;
            s.mapLayer = layer;
            s.viewOffsetX = static_cast<float>(text->viewOffsetX);
            s.viewOffsetY = static_cast<float>(text->viewOffsetY);
            pollInputDevices();
            for (const formats::TileRecord& record : text->tiles) {
                createObject(record, fitMode);
            }
        }
    }

    countsToLastIndexes();
    s.viewOffsetX = 0.0f;
    s.viewOffsetY = 0.0f;
    CHECKED_AT(s.playerStatus, kStatusLife).value = CHECKED_AT(worldObjects, s.playerObject).hp;
}

}  // namespace world
