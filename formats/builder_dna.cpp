#include "formats/builder_dna.h"

#include "engine/media/files.h"
#include "formats/dna_file.h"

namespace formats {

namespace {

using V = DnaValue;
using B = BuilderDna;

// Key, how its value line is read, and the field it is stored in.
constexpr std::array<DnaKeyRule<BuilderDna>, kBuilderDnaKeyCount> kBuilderDnaKeys = {{
    {"worldFTileRotate", V::Float, &B::worldFTileRotate},
    {"worldFTileCollision", V::Integer, &B::worldFTileCollision},
    {"worldFTileFollow", V::Integer, &B::worldFTileFollow},
    {"worldFTileEmitter", V::Integer, &B::worldFTileEmitter},
    {"worldFTileTransparency", V::Integer, &B::worldFTileTransparency},
    {"worldFTileTouchMove", V::Integer, &B::worldFTileTouchMove},
    {"worldFTileGOBACK", V::Integer, &B::worldFTileGOBACK},
    {"worldFTileTouchTransparency", V::Integer, &B::worldFTileTouchTransparency},
    {"worldFTilePlayerID", V::Integer, &B::worldFTilePlayerID},
    {"worldFTileExpansionValue", V::Float, &B::worldFTileExpansionValue},
    {"worldFTileCollisionEmitter", V::Integer, &B::worldFTileCollisionEmitter},
    {"worldFStretch", V::Integer, &B::worldFStretch},
    {"worldFTileMove", V::Integer, &B::worldFTileMove},
    {"worldFTileVELO", V::Float, &B::worldFTileVELO},
    {"worldFTilePlayerMOVE", V::Integer, &B::worldFTilePlayerMOVE},
    {"worldFTilePLINKI", V::Integer, &B::worldFTilePLINKI},
    {"worldFTileGravity", V::Float, &B::worldFTileGravity},
    {"worldFTileScrollH", V::Float, &B::worldFTileScrollH},
    {"worldFTileDynamicScrollH", V::Float, &B::worldFTileDynamicScrollH},
    {"worldFTileCollisionDestroy", V::Integer, &B::worldFTileCollisionDestroy},
    {"worldFTileLaunch", V::Integer, &B::worldFTileLaunch},
    {"worldFTileGlobalGravity", V::Integer, &B::worldFTileGlobalGravity},
    {"worldFTileFollowObject", V::Integer, &B::worldFTileFollowObject},
    {"worldFTileMoveV", V::Float, &B::worldFTileMoveV},
    {"worldFTileMoveH", V::Float, &B::worldFTileMoveH},
    {"worldFTileIsEMUMousePointer", V::Integer, &B::worldFTileIsEMUMousePointer},
    {"worldFTileIsHWMousePointer", V::Integer, &B::worldFTileIsHWMousePointer},
    {"worldFTileTouchRotate", V::Integer, &B::worldFTileTouchRotate},
    {"useLayerScroll", V::Integer, &B::useLayerScroll},
    {"worldGlobalScrollH", V::Float, &B::worldGlobalScrollH},
    {"worldGlobalScrollV", V::Float, &B::worldGlobalScrollV},
    {"worldFTileShadow", V::Integer, &B::worldFTileShadow},
    {"worldFTileTransport", V::Integer, &B::worldFTileTransport},
    {"worldFTileReflection", V::Integer, &B::worldFTileReflection},
    {"worldFTileFlire", V::Integer, &B::worldFTileFlire},
    {"worldFTileID", V::Text, &B::worldFTileID},
    {"hp", V::Integer, &B::hp},
    {"useWeapon", V::Text, &B::useWeapon},
    {"worldFTileShadowOffsetX", V::Integer, &B::worldFTileShadowOffsetX},
    {"worldFTileShadowOffsetY", V::Integer, &B::worldFTileShadowOffsetY},
    {"worldFTileShadowZoom", V::Integer, &B::worldFTileShadowZoom},
    {"worldFTileNoStopOnCollision", V::Integer, &B::worldFTileNoStopOnCollision},
    {"postEFFECT", V::Text, &B::postEFFECT},
    {"worldFTileLoopH", V::Integer, &B::worldFTileLoopH},
    {"worldFTileLoopV", V::Integer, &B::worldFTileLoopV},
    {"worldFTileParableV", V::Float, &B::worldFTileParableV},
    {"worldFTileParableH", V::Float, &B::worldFTileParableH},
    {"worldFTileBounceTopDown", V::Float, &B::worldFTileBounceTopDown},
    {"worldFTileDoCrushH", V::Float, &B::worldFTileDoCrushH},
    {"worldFTileCollisionSize", V::Float, &B::worldFTileCollisionSize},
    {"worldFTileSuperRotate", V::Float, &B::worldFTileSuperRotate},
    {"worldFTileLook", V::Float, &B::worldFTileLook},
    {"worldFTileLookAngle", V::Float, &B::worldFTileLookAngle},
    {"worldFTilePattern", V::Integer, &B::worldFTilePattern},
    {"geneseID", V::Text, &B::geneseID},
}};

constexpr DnaKeyIndex<BuilderDna, kBuilderDnaKeyCount> kBuilderDnaIndex(kBuilderDnaKeys);
static_assert(kBuilderDnaIndex.keysUnique(), "every builder DNA key has one row");

}  // namespace

std::span<const DnaKeyRule<BuilderDna>> builderDnaKeys() {
    return kBuilderDnaKeys;
}

const DnaKeyRule<BuilderDna>* findBuilderDnaKey(std::string_view key) {
    return kBuilderDnaIndex.find(key);
}

void applyBuilderDnaText(std::string_view bytes, BuilderDna& dna) {
    forEachDnaPair(bytes, [&](std::string_view key, std::string_view value) {
        const DnaKeyRule<BuilderDna>* rule = kBuilderDnaIndex.find(key);
        if (rule == nullptr) {
            dna.validFlag = 1;
            return;
        }
        storeDnaValue(dna, *rule, value);
    });
}

bool readBuilderDnaFile(std::string_view path, BuilderDna& dna) {
    const auto bytes = media::readWholeFile(path);
    if (!bytes) {
        dna.worldFTileTransparency = kMissingDnaTransparency;
        dna.validFlag = 1;
        return false;
    }
    applyBuilderDnaText(*bytes, dna);
    return true;
}

}  // namespace formats
