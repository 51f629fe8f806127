// builderState: the builder's one state record, with the tile catalogue and the element
// table (the work map), and the Builder that bundles it with the input trackers, the sprite
// screen and the window system.
#pragma once

#include <array>
#include <cstdint>
#include <set>
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

// Every field is a row of builder_state_fields.h, which also holds its configuration key
// and how the state dump shows it; add fields there, never here.
struct BuilderState {
#define RZ_DECLARE(type, name, start, ...) type name = start;
#define FIELD RZ_DECLARE
#define HIDDEN RZ_DECLARE
#define TABLE RZ_DECLARE
#define CONFIG RZ_DECLARE
#define DERIVED(...)
#include "builder/builder_state_fields.h"
#undef RZ_DECLARE
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
    // Undo snapshots of this session that could not be written: the file of such a number
    // holds older work (of an earlier session), which undo must not load over the map.
    std::set<int> unwrittenSnapshots;
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
