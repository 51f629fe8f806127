#include "builder/editing.h"

#include <algorithm>
#include <cstdint>

#include "builder/frame.h"
#include "builder/source_units.h"
#include "builder/undo.h"
#include "engine/base/text_values.h"

namespace builder {

namespace {
constexpr BuilderUnit kBuilderUnit = BuilderUnit::BUILDERMOUSE;
}

void moveBuildCursor(Builder& builder, int windowX, int windowY) {
    BuilderState& state = builder.builderState;
    if (state.rasterMode != kRasterMatrixSize) {
        state.buildCursorX = windowX;
        state.buildCursorY = windowY;
        return;
    }
    // 64-bit sums: a huge MATRIXRASTER must not overflow; the cursor stays inside the desktop.
    const std::int64_t raster = state.matrixRaster;
    const std::int64_t x = state.buildCursorX;
    const std::int64_t y = state.buildCursorY;
    const int dx = builder.mouse.deltaX();
    const int dy = builder.mouse.deltaY();
    if (dx > 0 && x + raster < state.desktopWidth)
        state.buildCursorX = static_cast<int>(x + raster);
    if (dx < 0 && x - raster > -1) state.buildCursorX = static_cast<int>(x - raster);
    if (dy > 0 && y + raster < state.desktopHeight)
        state.buildCursorY = static_cast<int>(y + raster);
    if (dy < 0 && y - raster > -1) state.buildCursorY = static_cast<int>(y - raster);
}

void resizeSelectedTile(Builder& builder, int wheelDelta) {
    TileType* tile = selectedTileType(builder.builderState);
    if (tile == nullptr || !spriteExists(builder, tile->sprite)) return;
    const float delta = static_cast<float>(wheelDelta);
    const float h = tile->height;
    const float w = tile->width;
    if (h + delta > 1.0f && w + delta > 1.0f) {
        tile->height = h + delta * (h / w);
        tile->width = w + delta * (w / h);
    }
}

bool placeElement(Builder& builder) {
    BuilderState& state = builder.builderState;
    TileType* tile = selectedTileType(state);
    if (tile == nullptr || !spriteExists(builder, tile->sprite)) return false;
    if (state.lastElement >= state.maxElements) return false;
    MapElement& element = elementSlot(state, state.lastElement + 1);
    state.lastElement += 1;
    element.alive = tile->dna.validFlag;
    element.pictureName = tile->pictureName;
    element.sprite = tile->sprite;
    element.tileIndex = state.selectedTile;
    element.x = static_cast<float>(state.buildCursorX);
    element.y = static_cast<float>(state.buildCursorY);
    element.startX = element.x;
    element.startY = element.y;
    element.width = tile->width;
    element.height = tile->height;
    element.layer = state.actualLayer;
    element.dna = tile->dna;
    state.highestElement = std::max(state.highestElement, state.lastElement);
    // Every layer that holds an element is drawn and saved.
    state.maxUsedLayer = std::max(state.maxUsedLayer, state.actualLayer);
    return true;
}

bool deleteElement(Builder& builder) {
    BuilderState& state = builder.builderState;
    const int cx = state.buildCursorX;
    const int cy = state.buildCursorY;
    for (int i = state.lastElement; i >= 0; --i) {
        MapElement& element = BUILDER_AT(state.elements, i);
        if (element.layer != state.actualLayer || element.alive == 0) continue;
        const int left = base::roundToInt(element.x);
        const int top = base::roundToInt(element.y);
        const int right = left + base::roundToInt(element.width);
        const int bottom = top + base::roundToInt(element.height);
        if (left <= cx && cx <= right && top <= cy && cy <= bottom) {
            element.alive = 0;
            return true;
        }
    }
    return false;
}

void scrollMap(Builder& builder, std::int64_t dx, std::int64_t dy) {
    BuilderState& state = builder.builderState;
    for (int i = 0; i <= state.lastElement; ++i) {
        MapElement& element = BUILDER_AT(state.elements, i);
        if (element.dna.worldFStretch != 0.0f) continue;
        element.x += static_cast<float>(dx);
        element.startX = element.x;
        element.y += static_cast<float>(dy);
        element.startY = element.y;
    }
    auto wrapAdd = [](std::int32_t a, std::int64_t b) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) +
                                         static_cast<std::uint32_t>(b));
    };
    state.mapScrollX = wrapAdd(state.mapScrollX, dx);
    state.mapScrollY = wrapAdd(state.mapScrollY, dy);
}

void handleMainWindowMouse(Builder& builder, int windowX, int windowY) {
    BuilderState& state = builder.builderState;
    builder.mouse.examine();
    state.wheelDelta = builder.mouse.wheel();
    moveBuildCursor(builder, windowX, windowY);
    resizeSelectedTile(builder, state.wheelDelta);
    if (builder.mouse.leftDown() && state.buttonLatch == 0) {
        placeElement(builder);
        recordPlacement(builder);
        state.buttonLatch = 1;
    }
    if (builder.mouse.rightDown() && state.buttonLatch == 0) {
        deleteElement(builder);
        state.buttonLatch = 1;
    }
    if (!builder.mouse.leftDown() && !builder.mouse.rightDown()) state.buttonLatch = 0;
    drawFrame(builder);
}

}  // namespace builder
