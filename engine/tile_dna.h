// TileDna: every DNA key the game reads, as a field named exactly like the key and stored
// with the key's type, plus the companion fields that reading a key also sets. The world
// object record (world_object.h) derives from it, so its DNA fields bear the key names and
// the DNA readers of formats/ fill a WorldObject directly.
#pragma once

#include <cstdint>
#include <string>

struct TileDna {
    std::int8_t worldFTileIsActive = 0;
    float worldFTileTransparency = 0.0f;
    float worldFTileRotate = 0.0f;
    std::string postEFFECT;
    std::int8_t worldFTileNoScroll = 0;
    std::int8_t worldFTileCollision = 0;
    std::int32_t worldFTileTouchTransparency = 0;
    std::int32_t worldFTileTouchMove = 0;
    std::int32_t worldFTileGoBack = 0;
    std::int32_t worldFTileRandomFollow = 0;
    std::int32_t worldFTileTouchRotate = 0;
    std::int32_t worldFTileLifeTime = 0;
    std::int32_t worldFTileTimerMS = 0;
    float worldFTileFadeIn = 0.0f;
    float worldFTileFadeOut = 0.0f;
    std::int32_t worldFTileIsMirror = 0;
    float worldFTileFadeOutStep = 0.0f;
    std::int32_t worldFTileWeaponPower = 0;
    std::int8_t worldFTileAILevel = 0;
    std::int8_t noStream = 0;
    std::string worldFTileMirrorAt;
    float worldFTileFlire = 0.0f;
    std::int32_t worldFTileRandomMove = 0;
    float worldFTileFadeInStep = 0.0f;
    std::int8_t worldFTileIsGUI = 0;
    std::int32_t worldFTileRandomActivateWeapon = 0;
    std::int32_t hp = 0;
    std::int8_t worldFTileShowHP = 0;
    std::int8_t worldFStretch = 0;
    std::int8_t worldFTileKillOutOfScreen = 0;
    std::int8_t worldFTileHideOnStart = 0;
    std::int32_t worldFTilePlayerID = 0;
    std::int8_t worldFTileUseKeyboard = 0;
    std::int8_t worldFTileUseJoyStick = 0;
    float worldFTileMoveH = 0.0f;
    float worldFTileMoveV = 0.0f;
    float worldFTilePlayerMOVE = 0.0f;
    float worldFTileMove = 0.0f;
    float worldFTileExpansionValueH = 0.0f;
    float worldFTileExpansionValueV = 0.0f;
    float worldFTileVELO = 0.0f;
    std::int8_t worldFTileTransport = 0;
    std::string worldFTileFollow;
    std::int32_t worldFTileFollowObject = 0;
    std::string worldFTileIDString;
    std::string useWeapon;
    std::int32_t worldFTileRandomRotate = 0;
    std::string worldFTileSoundFile;
    std::int8_t worldFTileSoundPlayOnAction = 0;
    std::int32_t worldFTileSoundDuration = 0;
    std::int8_t worldFTileSoundVolume = 0;
    std::string worldFTileSoundType;
    std::int32_t worldFTileRandomSound = 0;
    std::int32_t worldFTileWeight = 0;
    std::string worldFTile_EFFECT_GFX;
    std::string worldFTileUseShadow;
    std::int32_t worldFTileMaxWeaponUseage = 0;
    std::string animContainer;
    std::int32_t animTimer = 0;
    std::int8_t animAutoPlay = 0;
    std::int32_t worldFTileUseMoveLogic = 0;
    std::int8_t worldFTileIsEMUMousePointer = 0;
    std::int8_t worldFTileIsHWMousePointer = 0;
    std::int8_t worldFTileIsWeapon = 0;
    std::int32_t worldFTileinGameLiveTime = 0;
    std::int32_t worldFTileinGameLiveTimeCounter = 0;

    // Companion fields set while the keys above are read.
    std::int32_t baseTransparency = 0;  // whole-number copy of worldFTileTransparency
    std::int32_t hpMax = 0;             // takes every hp value read
    float speedX = 0.0f;                // copies of worldFTileVELO, scaled per axis
    float speedY = 0.0f;
    std::int8_t lifetimeActive = 0;  // worldFTileLifeTime above 0
    std::int8_t rotating = 0;        // set by worldFTileRandomRotate
};
