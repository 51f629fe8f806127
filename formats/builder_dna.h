// The builder's DNA record of a tile type: the fifty-five keys it reads, each a field named
// like the key with the builder's own stored type, and the valid flag.
//
// Valid flag: reading only ever sets it to 1, which happens when the DNA file cannot be
// opened or when it holds a pair whose key is not a builder key (the trailer every
// builder-written file ends with is such a pair). A type whose flag stays 0 (an empty DNA
// file, or only builder keys) has elements that are neither drawn nor saved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "formats/dna_key_table.h"

namespace formats {

struct BuilderDna {
    std::int8_t validFlag = 0;

    float worldFTileRotate = 0.0f;
    std::int8_t worldFTileCollision = 0;
    std::int32_t worldFTileFollow = 0;
    std::int8_t worldFTileEmitter = 0;
    std::int32_t worldFTileTransparency = 0;
    std::int8_t worldFTileTouchMove = 0;
    std::int8_t worldFTileGOBACK = 0;
    std::int32_t worldFTileTouchTransparency = 0;
    std::int32_t worldFTilePlayerID = 0;
    float worldFTileExpansionValue = 0.0f;
    std::int32_t worldFTileCollisionEmitter = 0;
    float worldFStretch = 0.0f;
    std::int32_t worldFTileMove = 0;
    float worldFTileVELO = 0.0f;
    std::int32_t worldFTilePlayerMOVE = 0;
    std::int8_t worldFTilePLINKI = 0;
    float worldFTileGravity = 0.0f;
    float worldFTileScrollH = 0.0f;
    std::int32_t worldFTileDynamicScrollH = 0;
    std::int8_t worldFTileCollisionDestroy = 0;
    float worldFTileLaunch = 0.0f;
    float worldFTileGlobalGravity = 0.0f;
    std::int32_t worldFTileFollowObject = 0;
    float worldFTileMoveV = 0.0f;
    float worldFTileMoveH = 0.0f;
    std::int32_t worldFTileIsEMUMousePointer = 0;
    std::int32_t worldFTileIsHWMousePointer = 0;
    std::int32_t worldFTileTouchRotate = 0;
    std::int8_t useLayerScroll = 0;
    float worldGlobalScrollH = 0.0f;
    float worldGlobalScrollV = 0.0f;
    float worldFTileShadow = 0.0f;
    std::int8_t worldFTileTransport = 0;
    std::int8_t worldFTileReflection = 0;
    std::int32_t worldFTileFlire = 0;
    std::string worldFTileID;
    std::int32_t hp = 0;
    std::string useWeapon;
    float worldFTileShadowOffsetX = 0.0f;
    float worldFTileShadowOffsetY = 0.0f;
    float worldFTileShadowZoom = 0.0f;
    std::int8_t worldFTileNoStopOnCollision = 0;
    std::string postEFFECT;
    std::int8_t worldFTileLoopH = 0;
    std::int8_t worldFTileLoopV = 0;
    float worldFTileParableV = 0.0f;
    float worldFTileParableH = 0.0f;
    float worldFTileBounceTopDown = 0.0f;
    std::int8_t worldFTileDoCrushH = 0;
    float worldFTileCollisionSize = 0.0f;
    float worldFTileSuperRotate = 0.0f;
    float worldFTileLook = 0.0f;
    float worldFTileLookAngle = 0.0f;
    std::int8_t worldFTilePattern = 0;
    std::string geneseID;
};

inline constexpr std::size_t kBuilderDnaKeyCount = 55;
// The transparency a type takes when its DNA file cannot be opened.
inline constexpr std::int32_t kMissingDnaTransparency = 255;

std::span<const DnaKeyRule<BuilderDna>> builderDnaKeys();
const DnaKeyRule<BuilderDna>* findBuilderDnaKey(std::string_view key);

// Applies every pair of a DNA file held in memory; a key that is not a builder key sets
// the valid flag.
void applyBuilderDnaText(std::string_view bytes, BuilderDna& dna);
// Reads the DNA file at path into dna. When it cannot be opened: transparency 255, valid
// flag 1, and false.
bool readBuilderDnaFile(std::string_view path, BuilderDna& dna);

}  // namespace formats
