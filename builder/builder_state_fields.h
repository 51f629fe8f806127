// The fields of BuilderState, one row each, in record order. This list declares the record
// (builder_state.h) and is everything the configuration readers (configuration.cpp) and the
// state dump (state_dump.cpp) know of its fields, so a field added here is read, dumped and
// tested with no second list to keep in step. Included once per use, with these row macros
// defined (the list undefines them at its end):
//
//   FIELD(type, name, start)     dumped under its name in "state"
//   HIDDEN(type, name, start)    not in the dump
//   TABLE(type, name, start)     a table dumped by its own writer
//   CONFIG(type, name, start, file, KEY, read, rule)
//                                a configuration key: the file that holds it (ConfigSource),
//                                how its value is stored (ConfigRead: Text, Path = base
//                                directory + value, Integer, Float), the side rule applied
//                                after storing (or nullptr); dumped under its name
//   DERIVED(name, value)         no field: a value worked out from the fields (of `s`),
//                                dumped under name at this place
//
// No include guard: the list is included several times.

// --- Paths and the configuration chain -------------------------------------------------------
FIELD(std::string, workingDirectory, {})  // as the builder started in, without a separator
FIELD(std::string, baseDirectory, {})     // working directory + "\"
CONFIG(std::string, dnaFile, {}, DefaultIni, "DNA", Text, nullptr)
FIELD(std::string, startIni, {})
CONFIG(std::string, defaultIniScript, {}, StartIni, "DEFAULTINISCRIPT", Text, nullptr)
CONFIG(std::string, applicationIni, {}, DefaultIni, "APPINIFILE", Text, nullptr)
CONFIG(std::string, guiIni, {}, ApplicationIni, "GUIINI", Path, nullptr)
CONFIG(std::string, codecFile, {}, ApplicationIni, "CODECS", Path, nullptr)
CONFIG(std::string, gfxPath, {}, ApplicationIni, "GFXPATH", Path, nullptr)
CONFIG(std::string, logPath, {}, ApplicationIni, "LOGFILE", Path, nullptr)
CONFIG(std::string, gfxCodec, {}, Codec, "GFXCODEC", Text, nullptr)
// Read and kept, without further use in the builder.
CONFIG(std::string, soundPath, {}, ApplicationIni, "SNDPATH", Path, nullptr)
CONFIG(std::string, savePath, {}, ApplicationIni, "SAVEPATH", Path, nullptr)
CONFIG(std::string, loadPath, {}, ApplicationIni, "LOADPATH", Path, nullptr)
CONFIG(std::string, scriptPath, {}, ApplicationIni, "GFXSCRIPTS", Path, nullptr)
CONFIG(std::string, mapPath, {}, ApplicationIni, "MAPENV", Path, nullptr)
CONFIG(std::string, universePath, {}, ApplicationIni, "UNIVERSE", Path, nullptr)
CONFIG(std::string, developPath, {}, ApplicationIni, "DEVELOPEPATH", Path, nullptr)
CONFIG(std::string, descriptorPath, {}, ApplicationIni, "DESCRIPTOR", Path, nullptr)
CONFIG(std::int32_t, promo, 0, ApplicationIni, "PROMO", Integer, nullptr)
CONFIG(std::string, soundCodec, {}, Codec, "SOUNDCODEC", Text, nullptr)
CONFIG(std::string, musicCodec, {}, Codec, "MUSICCODEC", Text, nullptr)
CONFIG(float, designWidth, 0.0f, DefaultIni, "RESBASEW", Float, nullptr)
CONFIG(float, designHeight, 0.0f, DefaultIni, "RESBASEH", Float, nullptr)
CONFIG(std::int32_t, windowFlags, 0, DefaultIni, "WINDOWFLAGS", Integer, nullptr)
CONFIG(std::int32_t, colourDepth, 8, DefaultIni, "DEPTH", Integer, nullptr)
CONFIG(std::int32_t, windowTop, 0, DefaultIni, "TOP", Integer, nullptr)
CONFIG(std::int32_t, windowLeft, 0, DefaultIni, "LEFT", Integer, nullptr)
CONFIG(std::string, windowName, {}, DefaultIni, "NAME", Text, nullptr)
CONFIG(std::int32_t, maxGuiItems, 0, Gui, "MAXGUIITEMS", Integer, nullptr)
CONFIG(std::int32_t, useBgBox, 0, Gui, "USEBGBOX", Integer, nullptr)
CONFIG(std::int32_t, guiTop, 0, Gui, "GUITOP", Integer, nullptr)
CONFIG(std::int32_t, guiH, 0, Gui, "GUIH", Integer, copyGuiHeight)
HIDDEN(std::int32_t, guiHCopy, 0)  // GUIH (second copy)
CONFIG(std::int32_t, guiObjectSize, 0, Gui, "GUIOBJECTSIZE", Integer, nullptr)

// --- Screen ----------------------------------------------------------------------------------
CONFIG(std::int32_t, transparentRed, 0, DefaultIni, "R", Integer, nullptr)
CONFIG(std::int32_t, transparentGreen, 0, DefaultIni, "G", Integer, nullptr)
CONFIG(std::int32_t, transparentBlue, 0, DefaultIni, "B", Integer, nullptr)
CONFIG(std::int32_t, spriteFiltering, 0, DefaultIni, "GFXDETAIL", Integer, nullptr)
CONFIG(std::int32_t, windowMode, 0, DefaultIni, "WINDOWMODE", Integer, nullptr)
CONFIG(float, screenWidth, 0.0f, DefaultIni, "WIDTH", Float, nullptr)
CONFIG(float, screenHeight, 0.0f, DefaultIni, "HEIGHT", Float, nullptr)
FIELD(std::int32_t, desktopWidth, 1)
FIELD(std::int32_t, desktopHeight, 1)
HIDDEN(std::int32_t, helpScreenWidth, 0)  // the desktop size the help panel is laid out for
HIDDEN(std::int32_t, helpScreenHeight, 0)

// --- Editing ---------------------------------------------------------------------------------
CONFIG(std::int32_t, maxElements, 0, DefaultIni, "MAXTILES", Integer, nullptr)
DERIVED(elementTableSize, static_cast<std::int64_t>(elementCapacity(s)))
CONFIG(std::int32_t, matrixRaster, 0, DefaultIni, "MATRIXRASTER", Integer, nullptr)
FIELD(std::int8_t, rasterMode, kRasterMatrixSize)
DERIVED(rasterModeName, rasterModeName(s.rasterMode))
FIELD(std::int32_t, actualLayer, 1)
FIELD(std::int32_t, maxUsedLayer, 0)
FIELD(std::int32_t, lastElement, -1)
FIELD(std::int32_t, highestElement, 0)
FIELD(std::int32_t, mapScrollX, 0)
FIELD(std::int32_t, mapScrollY, 0)
FIELD(std::int32_t, selectedTile, 0)
FIELD(std::int32_t, buildCursorX, 0)
FIELD(std::int32_t, buildCursorY, 0)
FIELD(std::int32_t, undoCounter, 0)
FIELD(std::int32_t, undoPosition, 0)
FIELD(std::int32_t, highestUndo, 0)
FIELD(std::int32_t, windowsHidden, 0)
FIELD(std::int32_t, helpShown, 0)
FIELD(std::int8_t, quit, 0)
FIELD(std::int32_t, mapId, 1)
FIELD(std::string, mapIdText, {})
FIELD(std::string, workMapFile, {})
FIELD(std::int32_t, buttonLatch, 0)
FIELD(std::int32_t, wheelDelta, 0)
FIELD(float, mapZoomX, 1.0f)
FIELD(float, mapZoomY, 1.0f)
FIELD(std::int32_t, dnaGadgetBase, 500)

TABLE(std::vector<TileType>, tiles, {})       // the tile catalogue ("tiles")
TABLE(std::vector<MapElement>, elements, {})  // the element table ("elements"), maxElements + 1

#undef FIELD
#undef HIDDEN
#undef TABLE
#undef CONFIG
#undef DERIVED
