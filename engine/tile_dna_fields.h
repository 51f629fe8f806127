// The fields of TileDna, one row each, in record order: every DNA key the game reads, as a
// field named exactly like the key, then the companion fields that reading a key also sets.
// This list declares the record (tile_dna.h), the game's DNA key table (formats/dna_apply.cpp)
// and, through world_object_fields.h, the fields' places in the state dump. Included once per
// use, with these row macros defined (the list undefines them at its end):
//
//   KEY(type, name, read, effect)  a DNA key: how its value line is read (formats::DnaValue:
//                                  Integer, Float, Text), stored with the field's type, and
//                                  its load-time effect (formats::DnaEffect)
//   COMPANION(type, name)          set as an effect of reading a key
//
// Every field starts at zero or empty. No include guard: the list is included several times.

KEY(std::int8_t, worldFTileIsActive, Integer, None)
KEY(float, worldFTileTransparency, Integer, BaseTransparencyCopy)
KEY(float, worldFTileRotate, Float, None)
KEY(std::string, postEFFECT, Text, None)
KEY(std::int8_t, worldFTileNoScroll, Integer, None)
KEY(std::int8_t, worldFTileCollision, Integer, None)
KEY(std::int32_t, worldFTileTouchTransparency, Integer, None)
KEY(std::int32_t, worldFTileTouchMove, Integer, None)
KEY(std::int32_t, worldFTileGoBack, Integer, None)
KEY(std::int32_t, worldFTileRandomFollow, Integer, None)
KEY(std::int32_t, worldFTileTouchRotate, Float, None)
KEY(std::int32_t, worldFTileLifeTime, Integer, LifetimeSwitch)
KEY(std::int32_t, worldFTileTimerMS, Integer, None)
KEY(float, worldFTileFadeIn, Float, None)
KEY(float, worldFTileFadeOut, Float, None)
KEY(std::int32_t, worldFTileIsMirror, Integer, None)
KEY(float, worldFTileFadeOutStep, Float, None)
KEY(std::int32_t, worldFTileWeaponPower, Integer, None)
KEY(std::int8_t, worldFTileAILevel, Integer, None)
KEY(std::int8_t, noStream, Integer, None)
KEY(std::string, worldFTileMirrorAt, Text, None)
KEY(float, worldFTileFlire, Integer, None)
KEY(std::int32_t, worldFTileRandomMove, Integer, None)
KEY(float, worldFTileFadeInStep, Float, None)
KEY(std::int8_t, worldFTileIsGUI, Integer, None)
KEY(std::int32_t, worldFTileRandomActivateWeapon, Integer, None)
KEY(std::int32_t, hp, Integer, HpMaxCopy)
KEY(std::int8_t, worldFTileShowHP, Integer, None)
KEY(std::int8_t, worldFStretch, Integer, None)
KEY(std::int8_t, worldFTileKillOutOfScreen, Integer, None)
KEY(std::int8_t, worldFTileHideOnStart, Integer, HideOnStart)
KEY(std::int32_t, worldFTilePlayerID, Integer, PlayerLife)
KEY(std::int8_t, worldFTileUseKeyboard, Integer, None)
KEY(std::int8_t, worldFTileUseJoyStick, Integer, None)
KEY(float, worldFTileMoveH, Float, None)
KEY(float, worldFTileMoveV, Float, None)
KEY(float, worldFTilePlayerMOVE, Integer, None)
KEY(float, worldFTileMove, Integer, None)
KEY(float, worldFTileExpansionValueH, Float, None)
KEY(float, worldFTileExpansionValueV, Float, None)
KEY(float, worldFTileVELO, Float, SpeedCopies)
KEY(std::int8_t, worldFTileTransport, Integer, None)
KEY(std::string, worldFTileFollow, Text, None)
KEY(std::int32_t, worldFTileFollowObject, Integer, None)
KEY(std::string, worldFTileIDString, Text, None)
KEY(std::string, useWeapon, Text, None)
KEY(std::int32_t, worldFTileRandomRotate, Integer, RotatingSwitch)
KEY(std::string, worldFTileSoundFile, Text, None)
KEY(std::int8_t, worldFTileSoundPlayOnAction, Integer, None)
KEY(std::int32_t, worldFTileSoundDuration, Integer, None)
KEY(std::int8_t, worldFTileSoundVolume, Integer, None)
KEY(std::string, worldFTileSoundType, Text, None)
KEY(std::int32_t, worldFTileRandomSound, Integer, None)
KEY(std::int32_t, worldFTileWeight, Float, None)
KEY(std::string, worldFTile_EFFECT_GFX, Text, None)
KEY(std::string, worldFTileUseShadow, Text, ShadowPicture)
KEY(std::int32_t, worldFTileMaxWeaponUseage, Integer, None)
KEY(std::string, animContainer, Text, AnimationContainer)
KEY(std::int32_t, animTimer, Integer, None)
KEY(std::int8_t, animAutoPlay, Integer, None)
KEY(std::int32_t, worldFTileUseMoveLogic, Integer, None)
KEY(std::int8_t, worldFTileIsEMUMousePointer, Integer, None)
KEY(std::int8_t, worldFTileIsHWMousePointer, Integer, None)
KEY(std::int8_t, worldFTileIsWeapon, Integer, None)
KEY(std::int32_t, worldFTileinGameLiveTime, Integer, None)
KEY(std::int32_t, worldFTileinGameLiveTimeCounter, Integer, None)

// Companion fields set while the keys above are read.
COMPANION(std::int32_t, baseTransparency)  // whole-number copy of worldFTileTransparency
COMPANION(std::int32_t, hpMax)             // takes every hp value read
COMPANION(float, speedX)                   // copies of worldFTileVELO, scaled per axis
COMPANION(float, speedY)
COMPANION(std::int8_t, lifetimeActive)  // worldFTileLifeTime above 0
COMPANION(std::int8_t, rotating)        // set by worldFTileRandomRotate

#undef KEY
#undef COMPANION
