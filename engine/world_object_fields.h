// The fields of WorldObject, one row each, in the order the state dump writes them. The
// record's own fields are declared from this list (world_object.h), in its order; the DNA
// fields are declared by TileDna (tile_dna_fields.h) and appear here only to take their
// place in the dump. Included once per use, with these row macros defined (the list
// undefines them at its end):
//
//   FIELD(type, name, start)  a field of the record itself
//   DNA(name)                 a field of TileDna; each one appears exactly once (checked
//                             where the dump table is built)
//
// No include guard: the list is included several times.

FIELD(std::string, picturePath, {})  // graphics directory + tile name + picture extension
FIELD(std::string, tileName, {})     // the tile's name as placed in the map
FIELD(float, savePointX, 0.0f)       // position saved by touching a "SAVESTART"; -1 = none
FIELD(float, savePointY, 0.0f)
FIELD(std::uint32_t, sprite3D, 0)  // 3D sprite of the still picture (zoomed, turned, drawn)
FIELD(std::string, dnaName, {})    // base name of the DNA descriptor applied
FIELD(std::int8_t, hasSprite, 0)   // 1 when sprite and sprite3D exist
FIELD(std::uint32_t, sprite, 0)    // the still picture
DNA(worldFTile_EFFECT_GFX)
DNA(worldFTileUseShadow)
FIELD(std::uint32_t, shadowSprite, 0)
FIELD(std::uint32_t, shadowSprite3D, 0)
FIELD(std::int8_t, hasShadow, 0)
DNA(worldFTileRandomRotate)
FIELD(std::int8_t, streamState, 0)  // kStreamedIn after a stream-in, kStreamedOut after unload
DNA(worldFTileNoScroll)
DNA(rotating)
FIELD(float, pictureWidth, 0.0f)  // size of the still picture
FIELD(float, pictureHeight, 0.0f)
FIELD(float, zoomX, 0.0f)  // animated objects: width / pictureWidth at load
FIELD(float, zoomY, 0.0f)
// Size fitted at load, then the largest size met by the direction frame steps; restored
// by the expansion step and at the end of the life time.
FIELD(float, maxWidth, 0.0f)
FIELD(float, maxHeight, 0.0f)
FIELD(std::int8_t, visibleThisFrame, 0)  // entered the draw list in this frame (mirrors)
FIELD(std::int32_t, animDirection, 0)    // set shown: kDirectionUp .. kDirectionDefault
FIELD(std::int8_t, hasAnimContainer, 0)  // drawn from frames of the container animContainer
FIELD(std::int32_t, animFrameCount, 0)   // frame slots the loader tries per direction
FIELD(std::int32_t, lastFrameTick, 0)    // time of the last frame step
DNA(animContainer)
DNA(animTimer)
DNA(animAutoPlay)
FIELD(float, posX, 0.0f)  // top-left corner on screen, the live position
FIELD(float, posY, 0.0f)
DNA(worldFTileCollision)
FIELD(float, width, 0.0f)  // current size
FIELD(float, height, 0.0f)
FIELD(float, centerX, 0.0f)  // posX + width / 2, refreshed every frame
FIELD(float, centerY, 0.0f)
DNA(worldFTileRotate)
DNA(worldFTileFollow)
DNA(worldFTileRandomFollow)
FIELD(std::int32_t, followTarget, 0)  // index of the object being followed
DNA(worldFTileTransparency)
DNA(baseTransparency)
FIELD(float, homeX, 0.0f)  // home position, the target of going back
FIELD(float, homeY, 0.0f)
DNA(worldFTileGoBack)
DNA(worldFTileTouchMove)
DNA(worldFTileTouchTransparency)
DNA(worldFTilePlayerID)
DNA(worldFTileExpansionValueH)
DNA(worldFTileExpansionValueV)
DNA(worldFTileIsGUI)
DNA(worldFStretch)
FIELD(float, rotationAngle, 0.0f)  // current angle of the corner transform, radians
DNA(worldFTileMove)
DNA(worldFTileVELO)
DNA(worldFTileFadeOutStep)
DNA(speedY)
DNA(speedX)
DNA(worldFTilePlayerMOVE)
DNA(worldFTileIsActive)
FIELD(std::int8_t, removed, 0)  // used up by an action; the level state save skips it
DNA(worldFTileFollowObject)
DNA(worldFTileMoveH)
DNA(worldFTileMoveV)
DNA(worldFTileUseMoveLogic)
DNA(worldFTileUseKeyboard)
DNA(worldFTileUseJoyStick)
DNA(worldFTileIsHWMousePointer)
DNA(worldFTileIsEMUMousePointer)
DNA(worldFTileTouchRotate)
FIELD(std::int32_t, layer, 0)  // draw layer from the map record
DNA(worldFTileWeight)
DNA(worldFTileTransport)
DNA(worldFTileFadeOut)
DNA(worldFTileFadeIn)
DNA(worldFTileFadeInStep)
DNA(worldFTileFlire)
DNA(worldFTileIDString)
FIELD(float, displayWidth, 0.0f)  // size fitted at load; restored when spawned
FIELD(float, displayHeight, 0.0f)
DNA(hp)
DNA(hpMax)
DNA(worldFTileShowHP)
DNA(useWeapon)
DNA(postEFFECT)
DNA(worldFTileRandomActivateWeapon)
FIELD(std::int8_t, canMoveH, 0)  // 1/0 factor on horizontal movement (collision blocks)
FIELD(std::int8_t, canMoveV, 0)  // 1/0 factor on vertical movement
DNA(worldFTileRandomMove)
DNA(worldFTileLifeTime)
DNA(worldFTileTimerMS)
FIELD(std::int32_t, lifetimeStart, 0)  // time mark of the life-time countdown
DNA(lifetimeActive)
DNA(worldFTileHideOnStart)
FIELD(std::int32_t, carriedTotal, 0)   // player: hpMax total of everything its side destroyed
FIELD(std::int8_t, framesResident, 0)  // animation frames are in memory
FIELD(std::int32_t, linkedObject, 0)   // object that spawned or fired this one; 0 after it dies
DNA(worldFTileIsMirror)
DNA(worldFTileMirrorAt)
FIELD(std::int8_t, soundLoaded, 0)  // objectSound is usable
DNA(worldFTileSoundPlayOnAction)
DNA(worldFTileSoundFile)
FIELD(std::uint32_t, objectSound, 0)  // the object's sound
DNA(worldFTileSoundDuration)
FIELD(std::int32_t, soundStartTick, 0)
DNA(worldFTileSoundVolume)
FIELD(std::int8_t, onScreen, 0)  // lies in the visible rectangle in this frame
DNA(worldFTileSoundType)
FIELD(std::int8_t, fireState, 0)  // button state of a player object
FIELD(std::int8_t, soundPlaying, 0)
DNA(worldFTileRandomSound)
DNA(worldFTileKillOutOfScreen)
DNA(worldFTileWeaponPower)
DNA(worldFTileAILevel)
FIELD(std::int8_t, movesBothWays, 0)  // worldFTileMoveH and worldFTileMoveV both not 0
DNA(noStream)
FIELD(std::int32_t, area, 0)          // width x height rounded: stream-out delay in ms
FIELD(std::int32_t, lastSeenTick, 0)  // load time, then the last frame on screen
DNA(worldFTileIsWeapon)
FIELD(std::int32_t, shotsFired, 0)  // shots since the last fuel deduction
DNA(worldFTileMaxWeaponUseage)
FIELD(std::int8_t, hasVelocity, 0)  // worldFTileVELO is not 0
DNA(worldFTileinGameLiveTime)
DNA(worldFTileinGameLiveTimeCounter)
FIELD(std::int32_t, liveTimeAccumulator, 0)  // sum of the live-time counter steps

#undef FIELD
#undef DNA
