// The game's one global settings-and-state record. Every part of the game reads and writes
// its fields directly; the member initialisers are the start values. The configuration
// files fill the fields named in the key table (config_keys.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct PlayerStatusEntry {
    std::string text;
    std::int32_t value = 0;
};

inline constexpr std::size_t kCoreErrorTextCount = 12;
inline constexpr std::size_t kPlayerStatusEntries = 128;
inline constexpr std::size_t kDrawListEntries = 1026;
inline constexpr std::size_t kInitialObjectListEntries = 3;  // collision, weapon, mirror list
inline constexpr std::int32_t kNoMap = -1000;

// One tile picture of the level loader's picture cache, shared by every object of that name.
struct PictureCacheEntry {
    std::string name;
    std::uint32_t sprite = 0;  // the decoded picture; 0 = none
    std::int8_t loaded = 0;    // 1 when the picture loaded (a failed one keeps its entry)
};
inline constexpr std::size_t kPictureCacheEntries = 514;  // grows past this when needed

struct EngineSettings {
    // --- Start-up and program flow -----------------------------------------------------
    std::string engineBase;     // working directory + "\CORE\"
    float displayWidth = 0.0f;  // size used to open the window and the screen
    float displayHeight = 0.0f;
    float SCRW = 1.0f;  // size of the opened world screen
    float SCRH = 1.0f;
    float scalerX = 1.0f;       // SCRW / SRC_SCRW
    float scalerY = 1.0f;       // SCRH / SRC_SCRH
    float sourceAspect = 1.0f;  // SRC_SCRW / SRC_SCRH
    float screenAspect = 1.0f;  // SCRW / SCRH
    std::int32_t actualMapId = kNoMap;
    std::int32_t nextMapId = 0;
    std::int32_t screenOpen = 0;
    std::int32_t mainWindow = 0;  // nonzero once the window holding the screen is open
    float windowX = 0.0f;         // top-left corner of the captioned window
    float windowY = 0.0f;
    std::int32_t windowWidth = 0;  // size of the opened window in pixels; 0 = none
    std::int32_t windowHeight = 0;
    std::int8_t joystickPresent = 0;
    std::int32_t quitFlag = 0;
    std::int32_t lastWindowEvent = 0;
    std::uint32_t frameTick = 0;    // millisecond clock, refreshed every frame
    std::int8_t errorDetected = 0;  // set by the fault report, cleared by the world update
    std::array<std::string, kCoreErrorTextCount> coreErrorTexts;

    // --- Configuration (key in capitals; see config_keys.cpp) --------------------------
    std::string systemTextPath;       // SYSTEMTEXT
    std::string atomSystem;           // ATOMSYSTEM
    float areaHeight = 0.0f;          // GRIDSIZE
    float areaWidth = 0.0f;           // GRIDSIZE (second copy)
    std::int32_t matrixSize = 0;      // MATRIXSIZE, at most 128
    float viewOffsetX = 0.0f;         // MATRIX_OFFSET_X; the live horizontal view offset
    float viewOffsetY = 0.0f;         // MATRIX_OFFSET_Y
    std::int8_t useDebugLog = 0;      // USEDEBUGLOG
    std::int32_t screenSwitchMs = 0;  // SCRSWITCHMS
    std::int8_t bloom = 0;            // BLOOM
    std::int8_t frameCollision = 0;   // FRAMECOLLISION
    std::string codecsPath;           // CODECS
    std::string gfxPath;              // GFX
    std::string mapGfxPath;           // GFX (second copy)
    std::string effectGfxPath;        // EFFECT_GFX
    std::int8_t areaCollision = 0;    // AREACOLLISION
    std::int32_t maxObjects = 0;      // MAXOBJECTS
    std::string coreBrain;            // COREBRAIN
    std::string debugLog;             // DEBUGLOG
    std::string simCorePath;          // SIMCORE
    std::int8_t globalGfxFx = 0;      // GLOBAL_GFX_FX
    std::string fontFundamentPath;    // FONTFUNDAMENT
    std::string fontPath;             // FONT
    float SRC_SCRW = 1.0f;            // SOURCEWIDTH
    std::string animSystemPath;       // ANIMSYSTEM
    std::int32_t maxAnimFrames = 1;   // MAXANIMFRAMES
    float SRC_SCRH = 1.0f;            // SOURCEHEIGHT
    std::string soundPath;            // SOUNDPATH
    std::string fileLoadMusic;        // FILELOADMUSIC
    std::int8_t loadPic = 0;          // LOADPIC
    std::string gui;                  // GUI
    std::int8_t ioPrefetch = 0;       // IOPREFETCH
    std::string errorReportPath;      // ERRORPATH; default: the engine base directory
    std::string warningReportPath;    // WARNINGS; default: the engine base directory
    std::int8_t userScroll = 0;       // USRSCROLL
    std::string version = "VERSION INFO MISSING";  // VERSION
    std::int8_t dynamicScroll = 0;                 // DYNAMICSCROLL
    std::int8_t pip = 0;                           // PIP
    std::int32_t appEntry = 0;                     // APPENTRY
    std::string appMode = "REGION";                // APPMODE
    std::int8_t appSmooth = 0;                     // APPSMOOTH
    std::int8_t multitask = 0;                     // the live delay after every frame, 0..127 ms
    std::int8_t multitaskCopy = 0;  // MULTITASK as configured (clamped); restored by loads
    std::string settingsLogPath;    // PATH
    std::int32_t vsync = 1;         // VSYNC
    std::int32_t maxPlayers = 0;    // MAXPLAYERS
    float fullscreen = 0.0f;        // FULLSCREEN
    std::int32_t windowW = 0;       // WINDOWW
    std::int32_t windowH = 0;       // WINDOWH
    std::int8_t useWindowHd = 0;    // USEWINDOWHD
    std::int8_t textSmooth = 0;     // TEXTSMOOTH
    std::int8_t clearScreen = 1;    // CLEARSCREEN, 1 or 0
    std::int32_t fuelStart = 0;     // FUEL
    std::int8_t maxFuel = 0;        // MAXFUEL
    std::string cachePath;          // CACHE
    std::int8_t useCache = 0;       // USECACHE
    std::string useLoadScreen;      // USELOADSCREEN
    std::int32_t timerBase = 50;    // TIMERBASE
    // File extensions from the codec file, each with its own dot.
    std::string gfxExtension;    // GFXCODEC
    std::string soundExtension;  // SOUNDCODEC
    std::string musicExtension;  // MUSICCODEC

    // --- Reports --------------------------------------------------------------------------
    std::string lastWarning;  // situation text of the most recent warning block

    // --- Frame schedule -------------------------------------------------------------------
    std::int32_t paused = 0;       // nonzero skips the world update and the overlay
    std::int32_t frameCycle = 0;   // cycles 0..TIMERBASE, one step per active frame
    std::uint32_t cycleTicks = 0;  // completed frame cycles
    std::int32_t blitStart = 0;
    std::int32_t blitEnd = 0;
    std::int32_t drawnObjects = 0;  // drawLast as the visibility step left it (overlay)

    // --- World tables and loader state ----------------------------------------------------
    std::int32_t objectLast = 0;  // last index of the world object table
    std::vector<std::int32_t> drawList = std::vector<std::int32_t>(kDrawListEntries);
    std::int32_t drawLast = -1;
    std::vector<std::int32_t> collisionList = std::vector<std::int32_t>(kInitialObjectListEntries);
    std::int32_t collisionLast = 0;
    std::vector<std::int32_t> weaponList = std::vector<std::int32_t>(kInitialObjectListEntries);
    std::int32_t weaponLast = 0;
    std::int32_t lastWeapon = 0;  // index of the last weapon object
    std::vector<std::int32_t> mirrorList = std::vector<std::int32_t>(kInitialObjectListEntries);
    std::int32_t mirrorCount = 0;
    std::int32_t playerObject = 0;  // index of the player's object; 0 = none
    std::int8_t playerDead = 0;
    std::int32_t inputMode = -1;  // 0 keyboard, 1 joystick
    std::int32_t loading = 0;
    std::int8_t loadedFromCache = 0;
    std::int8_t mapMissing = 0;
    std::int32_t levelMusic = -1;  // sound handle of the level's music; -1 = none
    std::uint32_t levelStartTick = 0;
    std::int32_t mapLayer = 0;        // layer file being read by the map load
    std::int32_t mapLineCounter = 0;  // record lines read during the current map load
    std::int32_t tileCounter = 0;     // printed by the fault report; nothing sets it
    std::string loadFileName;         // printed by the fault report; nothing sets it
    std::int32_t carriedTotal = 0;
    std::vector<PictureCacheEntry> pictureCache =
        std::vector<PictureCacheEntry>(kPictureCacheEntries);
    std::int32_t pictureCacheCount = 0;  // entries in use
    std::int32_t loadingTotal = 0;       // the map's tile count, total of the loading bar
    float loadingProgress = 0.0f;        // width of the loading bar's red part
    float loadingStep = 0.0f;            // width added per object
    std::string aspectText;  // design aspect as the screen fit compared it ("" = aspects equal)
    std::int8_t streamIndicator = 0;  // 1 after a still object streamed in, 0 after one left
    std::vector<PlayerStatusEntry> playerStatus =
        std::vector<PlayerStatusEntry>(kPlayerStatusEntries);

    // --- Screens and overlay --------------------------------------------------------------
    std::int32_t blinkCounter = 0;    // game over blink
    std::int32_t overlay = 0;         // debug overlay switch
    std::int8_t mirrorsDisabled = 0;  // 1 skips the mirror pass (F10)
    std::int8_t musicSwitch = 1;      // 0 after the music was switched off (Alt+Ctrl+S)
    std::int32_t scanCounter = 0;
    std::uint32_t overlayTick = 0;
    float areaX = 0.0f;  // printed by the overlay; nothing sets them
    float areaY = 0.0f;
    std::string scopeText;  // printed by the overlay; nothing sets it
    std::int32_t effectSoundCounter = 0;
    std::array<std::string, 3> effectSoundNames;
};

extern EngineSettings engineSettings;

namespace engine {

// Working directory (host form, no trailing separator) + "\CORE\".
std::string engineBaseDirectory(std::string_view workingDirectory);

// Sets every field of engineSettings to its start value, with the given engine base
// directory (also the default of the two report paths), and creates the world object
// table at its initial size.
void resetEngineState(std::string_view engineBase);

}  // namespace engine
