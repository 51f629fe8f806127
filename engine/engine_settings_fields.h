// The fields of EngineSettings, one row each, in record order. This list declares the record
// (engine_settings.h) and is everything the configuration key table (config_keys.cpp) and
// the state dump (state_dump.cpp) know of its fields, so a field added here is read, dumped
// and tested with no second list to keep in step. Included once per use, with these
// row macros defined (the list undefines them at its end):
//
//   FIELD(type, name, start)       dumped under its name in "engine"
//   TABLE(type, name, start)       a table dumped by its own writer under its name
//   UNDUMPED(type, name, start)    not in the dump
//   KEYED(type, name, start, KEY, files, read, rule)
//                                  a configuration key: the files that accept it (I ini.crc,
//                                  U user.crc, B both), how its line is read (ValueType), the
//                                  side rule applied after storing (or nullptr); dumped under
//                                  its name in "engine" and under KEY in "settings"
//   CODEC(type, name, start, KEY)  a line of the codec file: dumped like a key
//
// Types with a comma are named in engine_settings.h first. No include guard: the list is
// included several times.

// --- Start-up and program flow -----------------------------------------------------------
FIELD(std::string, engineBase, {})  // working directory + "\CORE\"
FIELD(float, displayWidth, 0.0f)    // size used to open the window and the screen
FIELD(float, displayHeight, 0.0f)
FIELD(float, SCRW, 1.0f)  // size of the opened world screen
FIELD(float, SCRH, 1.0f)
FIELD(float, scalerX, 1.0f)       // SCRW / SRC_SCRW
FIELD(float, scalerY, 1.0f)       // SCRH / SRC_SCRH
FIELD(float, sourceAspect, 1.0f)  // SRC_SCRW / SRC_SCRH
FIELD(float, screenAspect, 1.0f)  // SCRW / SCRH
FIELD(std::int32_t, actualMapId, engine::kNoMap)
FIELD(std::int32_t, nextMapId, 0)
FIELD(std::int32_t, screenOpen, 0)
FIELD(std::int32_t, mainWindow, 0)  // nonzero once the window holding the screen is open
FIELD(float, windowX, 0.0f)         // top-left corner of the captioned window
FIELD(float, windowY, 0.0f)
FIELD(std::int32_t, windowWidth, 0)  // size of the opened window in pixels; 0 = none
FIELD(std::int32_t, windowHeight, 0)
FIELD(std::int8_t, joystickPresent, 0)
FIELD(std::int32_t, quitFlag, 0)
FIELD(std::int32_t, lastWindowEvent, 0)
FIELD(std::uint32_t, frameTick, 0)    // millisecond clock, refreshed every frame
FIELD(std::int8_t, errorDetected, 0)  // set by the fault report, cleared by the world update
TABLE(CoreErrorTexts, coreErrorTexts, {})

// --- Configuration ---------------------------------------------------------------------------
KEYED(std::string, systemTextPath, {}, "SYSTEMTEXT", B, Text, nullptr)
KEYED(std::string, atomSystem, {}, "ATOMSYSTEM", B, Text, nullptr)
KEYED(float, areaHeight, 0.0f, "GRIDSIZE", B, IntegerAsFloat, copyGridSize)
FIELD(float, areaWidth, 0.0f)  // GRIDSIZE (second copy)
KEYED(std::int32_t, matrixSize, 0, "MATRIXSIZE", B, Integer, clampMatrixSize)  // at most 128
// The live view offset.
KEYED(float, viewOffsetX, 0.0f, "MATRIX_OFFSET_X", B, IntegerAsFloat, nullptr)
KEYED(float, viewOffsetY, 0.0f, "MATRIX_OFFSET_Y", B, IntegerAsFloat, nullptr)
KEYED(std::int8_t, useDebugLog, 0, "USEDEBUGLOG", B, Byte, nullptr)
KEYED(std::int32_t, screenSwitchMs, 0, "SCRSWITCHMS", B, Integer, nullptr)
KEYED(std::int8_t, bloom, 0, "BLOOM", B, Byte, nullptr)
KEYED(std::int8_t, frameCollision, 0, "FRAMECOLLISION", B, Byte, nullptr)
KEYED(std::string, codecsPath, {}, "CODECS", B, Text, nullptr)
KEYED(std::string, gfxPath, {}, "GFX", B, Text, copyGfxPath)
FIELD(std::string, mapGfxPath, {})  // GFX (second copy)
KEYED(std::string, effectGfxPath, {}, "EFFECT_GFX", B, Text, nullptr)
KEYED(std::int8_t, areaCollision, 0, "AREACOLLISION", B, Byte, nullptr)
KEYED(std::int32_t, maxObjects, 0, "MAXOBJECTS", B, Integer, nullptr)
KEYED(std::string, coreBrain, {}, "COREBRAIN", B, Text, nullptr)
KEYED(std::string, debugLog, {}, "DEBUGLOG", B, Text, nullptr)
KEYED(std::string, simCorePath, {}, "SIMCORE", B, Text, nullptr)
KEYED(std::int8_t, globalGfxFx, 0, "GLOBAL_GFX_FX", B, Byte, nullptr)
KEYED(std::string, fontFundamentPath, {}, "FONTFUNDAMENT", B, Text, nullptr)
KEYED(std::string, fontPath, {}, "FONT", B, Text, nullptr)
KEYED(float, SRC_SCRW, 1.0f, "SOURCEWIDTH", B, Float, nullptr)
KEYED(std::string, animSystemPath, {}, "ANIMSYSTEM", B, Text, nullptr)
KEYED(std::int32_t, maxAnimFrames, 1, "MAXANIMFRAMES", B, Integer, nullptr)
KEYED(float, SRC_SCRH, 1.0f, "SOURCEHEIGHT", B, Float, nullptr)
KEYED(std::string, soundPath, {}, "SOUNDPATH", B, Text, nullptr)
KEYED(std::string, fileLoadMusic, {}, "FILELOADMUSIC", B, Text, nullptr)
KEYED(std::int8_t, loadPic, 0, "LOADPIC", B, Byte, nullptr)
KEYED(std::string, gui, {}, "GUI", B, Text, nullptr)
KEYED(std::int8_t, ioPrefetch, 0, "IOPREFETCH", B, Byte, nullptr)
// The two report paths default to the engine base directory.
KEYED(std::string, errorReportPath, {}, "ERRORPATH", B, Text, nullptr)
KEYED(std::string, warningReportPath, {}, "WARNINGS", B, Text, nullptr)
KEYED(std::int8_t, userScroll, 0, "USRSCROLL", B, Byte, nullptr)
KEYED(std::string, version, "VERSION INFO MISSING", "VERSION", B, Text, nullptr)
KEYED(std::int8_t, dynamicScroll, 0, "DYNAMICSCROLL", B, Byte, nullptr)
KEYED(std::int8_t, pip, 0, "PIP", B, Byte, nullptr)
KEYED(std::int32_t, appEntry, 0, "APPENTRY", B, Integer, enterFirstMap)
KEYED(std::string, appMode, "REGION", "APPMODE", B, Text, nullptr)
KEYED(std::int8_t, appSmooth, 0, "APPSMOOTH", B, Byte, nullptr)
FIELD(std::int8_t, multitask, 0)  // the live delay after every frame, 0..127 ms
// MULTITASK as configured (clamped); restored by loads.
KEYED(std::int8_t, multitaskCopy, 0, "MULTITASK", B, Byte, clampMultitask)
KEYED(std::string, settingsLogPath, {}, "PATH", B, Text, nullptr)
KEYED(std::int32_t, vsync, 1, "VSYNC", B, Integer, nullptr)
KEYED(std::int32_t, maxPlayers, 0, "MAXPLAYERS", B, Integer, nullptr)
KEYED(float, fullscreen, 0.0f, "FULLSCREEN", B, Float, nullptr)
KEYED(std::int32_t, windowW, 0, "WINDOWW", U, Integer, nullptr)
KEYED(std::int32_t, windowH, 0, "WINDOWH", U, Integer, nullptr)
KEYED(std::int8_t, useWindowHd, 0, "USEWINDOWHD", U, Byte, nullptr)
KEYED(std::int8_t, textSmooth, 0, "TEXTSMOOTH", B, Byte, nullptr)
KEYED(std::int8_t, clearScreen, 1, "CLEARSCREEN", U, Byte, normaliseClearScreen)  // 1 or 0
KEYED(std::int32_t, fuelStart, 0, "FUEL", I, Integer, startFuel)
KEYED(std::int8_t, maxFuel, 0, "MAXFUEL", I, Byte, nullptr)
KEYED(std::string, cachePath, {}, "CACHE", I, Text, nullptr)
KEYED(std::int8_t, useCache, 0, "USECACHE", I, Byte, nullptr)
KEYED(std::string, useLoadScreen, {}, "USELOADSCREEN", I, Text, nullptr)
KEYED(std::int32_t, timerBase, 50, "TIMERBASE", I, Integer, nullptr)
// File extensions from the codec file, each with its own dot.
CODEC(std::string, gfxExtension, {}, "GFXCODEC")
CODEC(std::string, soundExtension, {}, "SOUNDCODEC")
CODEC(std::string, musicExtension, {}, "MUSICCODEC")

// --- Reports ---------------------------------------------------------------------------------
FIELD(std::string, lastWarning, {})  // situation text of the most recent warning block

// --- Frame schedule --------------------------------------------------------------------------
FIELD(std::int32_t, paused, 0)       // nonzero skips the world update and the overlay
FIELD(std::int32_t, frameCycle, 0)   // cycles 0..TIMERBASE, one step per active frame
FIELD(std::uint32_t, cycleTicks, 0)  // completed frame cycles
FIELD(std::int32_t, blitStart, 0)
FIELD(std::int32_t, blitEnd, 0)
FIELD(std::int32_t, drawnObjects, 0)  // drawLast as the visibility step left it (overlay)

// --- World tables and loader state -----------------------------------------------------------
FIELD(std::int32_t, objectLast, 0)  // last index of the world object table
TABLE(ObjectIndexList, drawList, ObjectIndexList(kDrawListEntries))
FIELD(std::int32_t, drawLast, -1)
TABLE(ObjectIndexList, collisionList, ObjectIndexList(kInitialObjectListEntries))
FIELD(std::int32_t, collisionLast, 0)
TABLE(ObjectIndexList, weaponList, ObjectIndexList(kInitialObjectListEntries))
FIELD(std::int32_t, weaponLast, 0)
FIELD(std::int32_t, lastWeapon, 0)  // index of the last weapon object
TABLE(ObjectIndexList, mirrorList, ObjectIndexList(kInitialObjectListEntries))
FIELD(std::int32_t, mirrorCount, 0)
FIELD(std::int32_t, playerObject, 0)  // index of the player's object; 0 = none
FIELD(std::int8_t, playerDead, 0)
FIELD(std::int32_t, inputMode, -1)  // 0 keyboard, 1 joystick
FIELD(std::int32_t, loading, 0)
FIELD(std::int8_t, loadedFromCache, 0)
FIELD(std::int8_t, mapMissing, 0)
FIELD(std::int32_t, levelMusic, -1)  // sound handle of the level's music; -1 = none
FIELD(std::uint32_t, levelStartTick, 0)
FIELD(std::int32_t, mapLayer, 0)        // layer file being read by the map load
FIELD(std::int32_t, mapLineCounter, 0)  // record lines read during the current map load
FIELD(std::int32_t, tileCounter, 0)     // printed by the fault report; nothing sets it
FIELD(std::string, loadFileName, {})    // printed by the fault report; nothing sets it
FIELD(std::int32_t, carriedTotal, 0)
TABLE(PictureCache, pictureCache, PictureCache(kPictureCacheEntries))
FIELD(std::int32_t, pictureCacheCount, 0)  // entries in use
FIELD(std::int32_t, loadingTotal, 0)       // the map's tile count, total of the loading bar
FIELD(float, loadingProgress, 0.0f)        // width of the loading bar's red part
FIELD(float, loadingStep, 0.0f)            // width added per object
FIELD(std::string, aspectText, {})      // design aspect as the screen fit compared it ("" = equal)
FIELD(std::int8_t, streamIndicator, 0)  // 1 after a still object streamed in, 0 after one left
TABLE(PlayerStatus, playerStatus, PlayerStatus(kPlayerStatusEntries))

// --- Screens and overlay ---------------------------------------------------------------------
FIELD(std::int32_t, blinkCounter, 0)    // game over blink
FIELD(std::int32_t, overlay, 0)         // debug overlay switch
FIELD(std::int8_t, mirrorsDisabled, 0)  // 1 skips the mirror pass (F10)
FIELD(std::int8_t, musicSwitch, 1)      // 0 after the music was switched off (Alt+Ctrl+S)
FIELD(std::int32_t, scanCounter, 0)
FIELD(std::uint32_t, overlayTick, 0)
FIELD(float, areaX, 0.0f)  // printed by the overlay; nothing sets them
FIELD(float, areaY, 0.0f)
FIELD(std::string, scopeText, {})  // printed by the overlay; nothing sets it
FIELD(std::int32_t, effectSoundCounter, 0)
UNDUMPED(EffectSoundNames, effectSoundNames, {})

#undef FIELD
#undef TABLE
#undef UNDUMPED
#undef KEYED
#undef CODEC
