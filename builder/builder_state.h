// builderState: the builder's one state record, with the tile catalogue and the element
// table (the work map), and the Builder that bundles it with the input trackers, the sprite
// screen and the window system.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "builder/builder_host.h"
#include "builder/input_tracking.h"
#include "engine/media/compositor.h"
#include "formats/builder_dna.h"

namespace builder {

inline constexpr int kLowestLayer = 0;
inline constexpr int kHighestLayer = 64;

enum RasterMode : std::int8_t {
    kRasterOff = 0,
    kRasterObjectSize = 1,
    kRasterMatrixSize = 2,
};
inline constexpr std::array<std::string_view, 3> kRasterModeNames = {"OFF", "OBJECT_SIZE",
                                                                     "MATRIX_SIZE"};
std::string_view rasterModeName(int rasterMode);

// One tile type: a picture of the graphics folder with its DNA.
struct TileType {
    std::string pictureName;  // the picture file's name up to the picture extension
    std::string dnaPath;      // where its DNA was read from
    media::PictureHandle paletteImage = 0;
    int paletteX = 0;
    int paletteY = 0;
    media::SpriteHandle sprite = 0;
    float width = 0.0f;  // start at the picture's size; the mouse wheel changes them
    float height = 0.0f;
    formats::BuilderDna dna;  // its validFlag decides whether elements of the type live
};

// One placed tile of the work map.
struct MapElement {
    std::int8_t alive = 0;  // 0: deleted, or its type's DNA was never valid
    std::string pictureName;
    media::SpriteHandle sprite = 0;  // shared with the catalogue entry
    std::int32_t tileIndex = 0;
    float x = 0.0f;
    float y = 0.0f;
    float startX = 0.0f;
    float startY = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    std::int32_t layer = 0;
    formats::BuilderDna dna;
};

struct BuilderState {
    // Paths and the configuration chain.
    std::string workingDirectory;  // as the builder started in, without a separator
    std::string baseDirectory;     // working directory + "\"
    std::string dnaFile;
    std::string startIni;
    std::string defaultIniScript;
    std::string applicationIni;
    std::string guiIni;
    std::string codecFile;
    std::string gfxPath;
    std::string logPath;
    std::string gfxCodec;
    // Read and kept, without further use in the builder.
    std::string soundPath, savePath, loadPath, scriptPath, mapPath, universePath, developPath,
        descriptorPath;
    std::int32_t promo = 0;
    std::string soundCodec, musicCodec;
    float designWidth = 0.0f;
    float designHeight = 0.0f;
    std::int32_t windowFlags = 0;
    std::int32_t colourDepth = 8;
    std::int32_t windowTop = 0;
    std::int32_t windowLeft = 0;
    std::string windowName;
    std::int32_t maxGuiItems = 0, useBgBox = 0, guiTop = 0, guiH = 0, guiHCopy = 0,
                 guiObjectSize = 0;

    // Screen.
    std::int32_t transparentRed = 0, transparentGreen = 0, transparentBlue = 0;
    std::int32_t spriteFiltering = 0;
    std::int32_t windowMode = 0;
    float screenWidth = 0.0f;
    float screenHeight = 0.0f;
    std::int32_t desktopWidth = 1;
    std::int32_t desktopHeight = 1;
    std::int32_t helpScreenWidth = 0;  // the desktop size the help panel is laid out for
    std::int32_t helpScreenHeight = 0;

    // Editing.
    std::int32_t maxElements = 0;
    std::int32_t matrixRaster = 0;
    std::int8_t rasterMode = kRasterMatrixSize;
    std::int32_t actualLayer = 1;
    std::int32_t maxUsedLayer = 0;
    std::int32_t lastElement = -1;
    std::int32_t highestElement = 0;
    std::int32_t mapScrollX = 0;
    std::int32_t mapScrollY = 0;
    std::int32_t selectedTile = 0;
    std::int32_t buildCursorX = 0;
    std::int32_t buildCursorY = 0;
    std::int32_t undoCounter = 0;
    std::int32_t undoPosition = 0;
    std::int32_t highestUndo = 0;
    std::int32_t windowsHidden = 0;
    std::int32_t helpShown = 0;
    std::int8_t quit = 0;
    std::int32_t mapId = 1;
    std::string mapIdText;
    std::string workMapFile;
    std::int32_t buttonLatch = 0;
    std::int32_t wheelDelta = 0;
    float mapZoomX = 1.0f;
    float mapZoomY = 1.0f;
    std::int32_t dnaGadgetBase = 500;

    std::vector<TileType> tiles;       // the tile catalogue
    std::vector<MapElement> elements;  // the element table, maxElements + 1 entries
};

// The start values, with the base directory taken from the given working directory.
BuilderState startBuilderState(std::string_view workingDirectory);

struct Builder {
    explicit Builder(BuilderHost& windowSystem) : host(windowSystem) {}
    Builder(const Builder&) = delete;
    Builder& operator=(const Builder&) = delete;

    BuilderState builderState;
    KeyboardTracker keyboard;
    MouseTracker mouse;
    media::Compositor screen;
    BuilderHost& host;
    DnaGadgets dnaWindow;  // the fields and buttons of the DNA window as last built
    bool mainWindowOpen = false;
    bool tileWindowOpen = false;
    bool dnaWindowOpen = false;
};

// The element table holds max elements + 1 entries. Up to kEagerElementSlots of them are
// made when the table is sized; a larger table grows to its capacity as it fills, so a
// huge MAXTILES costs memory only for elements really placed.
inline constexpr std::int64_t kEagerElementSlots = 100000;
std::int64_t elementCapacity(const BuilderState& state);
void sizeElementTable(BuilderState& state);
// The slot for element `index` (0 <= index < capacity), made when it does not exist yet.
MapElement& elementSlot(BuilderState& state, std::int32_t index);

// The selected tile type, or nullptr when the catalogue has no such entry.
TileType* selectedTileType(BuilderState& state);
bool spriteExists(const Builder& builder, media::SpriteHandle sprite);

}  // namespace builder
