#include "builder/keyboard_actions.h"

#include <algorithm>
#include <cstdint>

#include "builder/editing.h"
#include "builder/source_units.h"
#include "builder/tile_palette.h"
#include "builder/undo.h"
#include "engine/base/text_values.h"
#include "engine/media/scancodes.h"

namespace builder {

namespace {
// The unit this file's faults are reported under; no checked access here uses it.
[[maybe_unused]] constexpr BuilderUnit kBuilderUnit = BuilderUnit::BUILDERKEYBOARD;

namespace dik = media::dik;

// The selected tile's size as a scroll step (0 when there is no such tile type).
int selectedTileStep(BuilderState& state, bool horizontal) {
    const TileType* tile = selectedTileType(state);
    if (tile == nullptr) return 0;
    return base::roundToInt(horizontal ? tile->width : tile->height);
}
}  // namespace

void examineKeyboard(Builder& builder) {
    BuilderState& state = builder.builderState;
    KeyboardTracker& keys = builder.keyboard;
    keys.examine();

    if (keys.released(dik::LMENU)) state.rasterMode = kRasterObjectSize;
    if (keys.released(dik::C)) state.rasterMode = kRasterOff;
    if (keys.released(dik::G)) {
        state.rasterMode = kRasterMatrixSize;
        state.buildCursorX = 0;
        state.buildCursorY = 0;
    }
    if (state.rasterMode == kRasterOff) {
        if (keys.held(dik::LEFT)) scrollMap(builder, -1, 0);
        if (keys.held(dik::UP)) scrollMap(builder, 0, -1);
        if (keys.held(dik::DOWN)) scrollMap(builder, 0, 1);
        if (keys.held(dik::RIGHT)) scrollMap(builder, 1, 0);
    }
    if (state.rasterMode == kRasterObjectSize) {
        if (keys.released(dik::UP)) scrollMap(builder, 0, -selectedTileStep(state, false));
        if (keys.released(dik::DOWN)) scrollMap(builder, 0, selectedTileStep(state, false));
        if (keys.released(dik::LEFT)) scrollMap(builder, -selectedTileStep(state, true), 0);
        if (keys.released(dik::RIGHT)) scrollMap(builder, selectedTileStep(state, true), 0);
    }
    if (keys.released(dik::TAB)) {
        drawTilePalette(builder);
        state.windowsHidden = state.windowsHidden == 0 ? 1 : 0;
    }
    if (state.rasterMode == kRasterMatrixSize) {
        const std::int64_t raster = state.matrixRaster;
        if (keys.released(dik::UP)) scrollMap(builder, 0, -raster);
        if (keys.released(dik::DOWN)) scrollMap(builder, 0, raster);
        if (keys.released(dik::LEFT)) scrollMap(builder, -raster, 0);
        if (keys.released(dik::RIGHT)) scrollMap(builder, raster, 0);
    }
    if (keys.released(dik::U)) undo(builder);
    if (keys.released(dik::R)) redo(builder);
    if (keys.released(dik::H)) state.helpShown = state.helpShown == 0 ? 1 : 0;
    if (keys.released(dik::PRIOR) && state.actualLayer < kHighestLayer) {
        state.actualLayer += 1;
        state.maxUsedLayer = std::max(state.maxUsedLayer, state.actualLayer);
    }
    if (keys.released(dik::NEXT) && state.actualLayer - 1 >= kLowestLayer) state.actualLayer -= 1;
}

}  // namespace builder
