#include "engine/world_object.h"

#include <algorithm>

#include "engine/base/fault_guard.h"

namespace {

// The object table belongs to the engine's shared tables.
constexpr base::SourceUnit kSourceUnit = base::SourceUnit::basevars;

using O = WorldObject;

constexpr auto kFields = std::to_array<WorldObjectField>({
    {"picturePath", &O::picturePath},
    {"tileName", &O::tileName},
    {"savePointX", &O::savePointX},
    {"savePointY", &O::savePointY},
    {"sprite3D", &O::sprite3D},
    {"dnaName", &O::dnaName},
    {"hasSprite", &O::hasSprite},
    {"sprite", &O::sprite},
    {"worldFTile_EFFECT_GFX", &O::worldFTile_EFFECT_GFX},
    {"worldFTileUseShadow", &O::worldFTileUseShadow},
    {"shadowSprite", &O::shadowSprite},
    {"shadowSprite3D", &O::shadowSprite3D},
    {"hasShadow", &O::hasShadow},
    {"worldFTileRandomRotate", &O::worldFTileRandomRotate},
    {"streamState", &O::streamState},
    {"worldFTileNoScroll", &O::worldFTileNoScroll},
    {"rotating", &O::rotating},
    {"pictureWidth", &O::pictureWidth},
    {"pictureHeight", &O::pictureHeight},
    {"zoomX", &O::zoomX},
    {"zoomY", &O::zoomY},
    {"maxWidth", &O::maxWidth},
    {"maxHeight", &O::maxHeight},
    {"visibleThisFrame", &O::visibleThisFrame},
    {"animDirection", &O::animDirection},
    {"hasAnimContainer", &O::hasAnimContainer},
    {"animFrameCount", &O::animFrameCount},
    {"lastFrameTick", &O::lastFrameTick},
    {"animContainer", &O::animContainer},
    {"animTimer", &O::animTimer},
    {"animAutoPlay", &O::animAutoPlay},
    {"posX", &O::posX},
    {"posY", &O::posY},
    {"worldFTileCollision", &O::worldFTileCollision},
    {"width", &O::width},
    {"height", &O::height},
    {"centerX", &O::centerX},
    {"centerY", &O::centerY},
    {"worldFTileRotate", &O::worldFTileRotate},
    {"worldFTileFollow", &O::worldFTileFollow},
    {"worldFTileRandomFollow", &O::worldFTileRandomFollow},
    {"followTarget", &O::followTarget},
    {"worldFTileTransparency", &O::worldFTileTransparency},
    {"baseTransparency", &O::baseTransparency},
    {"homeX", &O::homeX},
    {"homeY", &O::homeY},
    {"worldFTileGoBack", &O::worldFTileGoBack},
    {"worldFTileTouchMove", &O::worldFTileTouchMove},
    {"worldFTileTouchTransparency", &O::worldFTileTouchTransparency},
    {"worldFTilePlayerID", &O::worldFTilePlayerID},
    {"worldFTileExpansionValueH", &O::worldFTileExpansionValueH},
    {"worldFTileExpansionValueV", &O::worldFTileExpansionValueV},
    {"worldFTileIsGUI", &O::worldFTileIsGUI},
    {"worldFStretch", &O::worldFStretch},
    {"rotationAngle", &O::rotationAngle},
    {"worldFTileMove", &O::worldFTileMove},
    {"worldFTileVELO", &O::worldFTileVELO},
    {"worldFTileFadeOutStep", &O::worldFTileFadeOutStep},
    {"speedY", &O::speedY},
    {"speedX", &O::speedX},
    {"worldFTilePlayerMOVE", &O::worldFTilePlayerMOVE},
    {"worldFTileIsActive", &O::worldFTileIsActive},
    {"removed", &O::removed},
    {"worldFTileFollowObject", &O::worldFTileFollowObject},
    {"worldFTileMoveH", &O::worldFTileMoveH},
    {"worldFTileMoveV", &O::worldFTileMoveV},
    {"worldFTileUseMoveLogic", &O::worldFTileUseMoveLogic},
    {"worldFTileUseKeyboard", &O::worldFTileUseKeyboard},
    {"worldFTileUseJoyStick", &O::worldFTileUseJoyStick},
    {"worldFTileIsHWMousePointer", &O::worldFTileIsHWMousePointer},
    {"worldFTileIsEMUMousePointer", &O::worldFTileIsEMUMousePointer},
    {"worldFTileTouchRotate", &O::worldFTileTouchRotate},
    {"layer", &O::layer},
    {"worldFTileWeight", &O::worldFTileWeight},
    {"worldFTileTransport", &O::worldFTileTransport},
    {"worldFTileFadeOut", &O::worldFTileFadeOut},
    {"worldFTileFadeIn", &O::worldFTileFadeIn},
    {"worldFTileFadeInStep", &O::worldFTileFadeInStep},
    {"worldFTileFlire", &O::worldFTileFlire},
    {"worldFTileIDString", &O::worldFTileIDString},
    {"displayWidth", &O::displayWidth},
    {"displayHeight", &O::displayHeight},
    {"hp", &O::hp},
    {"hpMax", &O::hpMax},
    {"worldFTileShowHP", &O::worldFTileShowHP},
    {"useWeapon", &O::useWeapon},
    {"postEFFECT", &O::postEFFECT},
    {"worldFTileRandomActivateWeapon", &O::worldFTileRandomActivateWeapon},
    {"canMoveH", &O::canMoveH},
    {"canMoveV", &O::canMoveV},
    {"worldFTileRandomMove", &O::worldFTileRandomMove},
    {"worldFTileLifeTime", &O::worldFTileLifeTime},
    {"worldFTileTimerMS", &O::worldFTileTimerMS},
    {"lifetimeStart", &O::lifetimeStart},
    {"lifetimeActive", &O::lifetimeActive},
    {"worldFTileHideOnStart", &O::worldFTileHideOnStart},
    {"carriedTotal", &O::carriedTotal},
    {"framesResident", &O::framesResident},
    {"linkedObject", &O::linkedObject},
    {"worldFTileIsMirror", &O::worldFTileIsMirror},
    {"worldFTileMirrorAt", &O::worldFTileMirrorAt},
    {"soundLoaded", &O::soundLoaded},
    {"worldFTileSoundPlayOnAction", &O::worldFTileSoundPlayOnAction},
    {"worldFTileSoundFile", &O::worldFTileSoundFile},
    {"objectSound", &O::objectSound},
    {"worldFTileSoundDuration", &O::worldFTileSoundDuration},
    {"soundStartTick", &O::soundStartTick},
    {"worldFTileSoundVolume", &O::worldFTileSoundVolume},
    {"onScreen", &O::onScreen},
    {"worldFTileSoundType", &O::worldFTileSoundType},
    {"fireState", &O::fireState},
    {"soundPlaying", &O::soundPlaying},
    {"worldFTileRandomSound", &O::worldFTileRandomSound},
    {"worldFTileKillOutOfScreen", &O::worldFTileKillOutOfScreen},
    {"worldFTileWeaponPower", &O::worldFTileWeaponPower},
    {"worldFTileAILevel", &O::worldFTileAILevel},
    {"movesBothWays", &O::movesBothWays},
    {"noStream", &O::noStream},
    {"area", &O::area},
    {"lastSeenTick", &O::lastSeenTick},
    {"worldFTileIsWeapon", &O::worldFTileIsWeapon},
    {"shotsFired", &O::shotsFired},
    {"worldFTileMaxWeaponUseage", &O::worldFTileMaxWeaponUseage},
    {"hasVelocity", &O::hasVelocity},
    {"worldFTileinGameLiveTime", &O::worldFTileinGameLiveTime},
    {"worldFTileinGameLiveTimeCounter", &O::worldFTileinGameLiveTimeCounter},
    {"liveTimeAccumulator", &O::liveTimeAccumulator},
});

}  // namespace

constexpr std::span<const WorldObjectField> kWorldObjectFields = kFields;

void resetWorldObjects() {
    worldObjects.assign(kInitialWorldObjects, WorldObject{});
    objectAnimations.assign(kInitialWorldObjects, DirectionSets{});
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
    return CHECKED_AT(objectAnimations, i);
}

AnimationSet* animationSetFor(std::int32_t i, std::int32_t directionCode) {
    for (const AnimationDirection& direction : kAnimationDirections) {
        if (direction.code == directionCode) return &(directionSets(i).*direction.set);
    }
    return nullptr;
}

namespace engine {

void writeWorldObject(base::JsonWriter& json, std::int32_t i) {
    writeFields(json, CHECKED_AT(worldObjects, i), kWorldObjectFields);
    json.key("animationSets").beginObject();
    const DirectionSets& sets = directionSets(i);
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
