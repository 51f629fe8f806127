#include "engine/world_object.h"

#include <algorithm>

#include "engine/base/fault_guard.h"

namespace {

// The object table belongs to the engine's shared tables.
constexpr base::SourceUnit kSourceUnit = base::SourceUnit::basevars;

using O = WorldObject;

constexpr auto kFields = std::to_array<WorldObjectField>({
#define FIELD(type, name, start) {#name, &O::name},
#define DNA(name) {#name, &O::name},
#include "engine/world_object_fields.h"
});

// Each TileDna field takes exactly one place in the dump: a DNA row missing from
// world_object_fields.h, or one given twice, stops the build.
constexpr auto kDnaFieldNames = std::to_array<std::string_view>({
#define KEY(type, name, ...) #name,
#define COMPANION(type, name) #name,
#include "engine/tile_dna_fields.h"
});

constexpr bool eachDnaFieldDumpedOnce() {
    for (const std::string_view name : kDnaFieldNames) {
        const auto count = std::count_if(kFields.begin(), kFields.end(),
                                         [&](const WorldObjectField& f) { return f.name == name; });
        if (count != 1) return false;
    }
    return true;
}
static_assert(eachDnaFieldDumpedOnce(), "every TileDna field has one DNA row in the dump list");

// A field declared in TileDna or WorldObject beside its list would have no key or dump row.
static_assert(engine::hasFieldCount<TileDna, kDnaFieldNames.size()>,
              "declare the fields of TileDna in tile_dna_fields.h");

constexpr std::size_t kOwnFields = 0
#define FIELD(...) +1
#define DNA(name)
#include "engine/world_object_fields.h"
    ;
// The TileDna base counts as one.
static_assert(engine::hasFieldCount<WorldObject, 1 + kOwnFields>,
              "declare the fields of WorldObject in world_object_fields.h");

}  // namespace

constexpr std::span<const WorldObjectField> kWorldObjectFields = kFields;

void resetWorldObjects() {
    worldObjects.assign(kInitialWorldObjects, WorldObject{});
    objectAnimations.clear();
    objectAnimations.resize(kInitialWorldObjects);
}

void growWorldObjects(std::int32_t count) {
    if (count < 0) return;
    const auto wanted = static_cast<std::size_t>(count) + 1;
    if (worldObjects.size() < wanted) worldObjects.resize(wanted);
    if (objectAnimations.size() < worldObjects.size()) objectAnimations.resize(worldObjects.size());
}

std::int32_t appendObjectIndex(std::vector<std::int32_t>& list, std::int32_t& count,
                               std::int32_t index) {
    const std::int32_t position = std::max(count, 0);
    const std::size_t wanted = static_cast<std::size_t>(position) + 2;
    if (list.size() < wanted) list.resize(wanted);
    list[static_cast<std::size_t>(position)] = index;
    count = position + 1;
    return position;
}

DirectionSets& directionSets(std::int32_t i) {
    std::unique_ptr<DirectionSets>& sets = CHECKED_AT(objectAnimations, i);
    if (!sets) sets = std::make_unique<DirectionSets>();
    return *sets;
}

const DirectionSets& readDirectionSets(std::int32_t i) {
    static const DirectionSets kNoSets{};
    const DirectionSets* sets = existingDirectionSets(i);
    return sets != nullptr ? *sets : kNoSets;
}

DirectionSets* existingDirectionSets(std::int32_t i) {
    return CHECKED_AT(objectAnimations, i).get();
}

void dropDirectionSets(std::int32_t i) {
    CHECKED_AT(objectAnimations, i).reset();
}

namespace {

const AnimationDirection* directionFor(std::int32_t directionCode) {
    for (const AnimationDirection& direction : kAnimationDirections) {
        if (direction.code == directionCode) return &direction;
    }
    return nullptr;
}

}  // namespace

AnimationSet* animationSetFor(std::int32_t i, std::int32_t directionCode) {
    const AnimationDirection* direction = directionFor(directionCode);
    return direction != nullptr ? &(directionSets(i).*direction->set) : nullptr;
}

const AnimationSet* shownAnimationSet(std::int32_t i, std::int32_t directionCode) {
    const AnimationDirection* direction = directionFor(directionCode);
    return direction != nullptr ? &(readDirectionSets(i).*direction->set) : nullptr;
}

namespace engine {

void writeWorldObject(base::JsonWriter& json, std::int32_t i) {
    writeFields(json, CHECKED_AT(worldObjects, i), kWorldObjectFields);
    json.key("animationSets").beginObject();
    const DirectionSets& sets = readDirectionSets(i);
    for (const AnimationDirection& direction : kAnimationDirections) {
        const AnimationSet& set = sets.*direction.set;
        json.key(direction.name).beginObject();
        json.member("frameCount", set.frameCount);
        json.member("currentFrame", set.currentFrame);
        json.endObject();
    }
    json.endObject();
}

}  // namespace engine
