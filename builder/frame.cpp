#include "builder/frame.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "builder/screen_log.h"
#include "builder/source_units.h"
#include "engine/base/text_values.h"

namespace builder {

namespace {
constexpr BuilderUnit kBuilderUnit = BuilderUnit::BUILDERFWORLD;

constexpr media::Argb kGridColour = media::makeArgb(255, 0, 255, 0);

void applyPostEffect(media::Compositor& screen, std::string_view text) {
    const PostEffect effect = parsePostEffect(text);
    if (effect.applies()) screen.setBlend(effect.source, effect.destination);
}

bool touchesScreen(const BuilderState& state, const MapElement& element) {
    return element.x + element.width >= 0.0f &&
           element.x <= static_cast<float>(state.desktopWidth) &&
           element.y + element.height >= 0.0f &&
           element.y <= static_cast<float>(state.desktopHeight);
}

// What drawing an element needs, copied while the table is walked in order: the draw loop
// then reads one small record per element instead of a large element in layer order.
struct DrawnElement {
    int layer = 0;
    media::SpriteHandle sprite = 0;
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    int alpha = 0;
    PostEffect effect;
};

// The elements drawn this frame, in drawing order: by layer (0 to max used layer), in
// table order within a layer. Stretched elements are fitted to the desktop on the way (a
// lasting change). Returns the index of the last element that qualified, -1 for none.
int collectDrawnElements(Builder& builder, std::vector<DrawnElement>& drawn) {
    BuilderState& state = builder.builderState;
    int lastQualified = -1;
    for (int i = 0; i <= state.lastElement; ++i) {
        MapElement& element = BUILDER_AT(state.elements, i);
        if (element.alive == 0 || !touchesScreen(state, element) ||
            !spriteExists(builder, element.sprite)) {
            continue;
        }
        if (element.dna.worldFStretch != 0.0f) {
            element.x = 0.0f;
            element.y = 0.0f;
            element.width = static_cast<float>(state.desktopWidth);
            element.height = static_cast<float>(state.desktopHeight);
        }
        lastQualified = i;
        if (element.layer >= 0 && element.layer <= state.maxUsedLayer) {
            drawn.push_back({element.layer, element.sprite, element.x, element.y, element.width,
                             element.height, element.dna.worldFTileTransparency,
                             parsePostEffect(element.dna.postEFFECT)});
        }
    }
    std::stable_sort(drawn.begin(), drawn.end(), [](const DrawnElement& a, const DrawnElement& b) {
        return a.layer < b.layer;
    });
    return lastQualified;
}

void drawElements(Builder& builder) {
    BuilderState& state = builder.builderState;
    media::Compositor& screen = builder.screen;
    // Kept between frames, so a redraw allocates only when the map grew.
    static std::vector<DrawnElement> drawn;
    drawn.clear();
    const int lastQualified = collectDrawnElements(builder, drawn);
    for (const DrawnElement& element : drawn) {
        screen.setBlend(media::kBlendSrcAlpha, media::kBlendInvSrcAlpha);
        if (element.effect.applies())
            screen.setBlend(element.effect.source, element.effect.destination);
        const float width = element.width * state.mapZoomX;
        const float height = element.height * state.mapZoomY;
        screen.zoomSprite(element.sprite, static_cast<float>(base::roundToInt(width)),
                          static_cast<float>(base::roundToInt(height)));
        const float x = element.x * state.mapZoomX;
        const float y = element.y * state.mapZoomY;
        screen.drawSprite(element.sprite, static_cast<float>(base::roundToInt(x)),
                          static_cast<float>(base::roundToInt(y)), element.alpha);
    }
    // The blending stays as the last element handled left it, as the preview expects.
    if (lastQualified >= 0) {
        screen.setBlend(media::kBlendSrcAlpha, media::kBlendInvSrcAlpha);
        applyPostEffect(screen, BUILDER_AT(state.elements, lastQualified).dna.postEFFECT);
    }
}

void drawCursorPreview(Builder& builder) {
    BuilderState& state = builder.builderState;
    TileType* tile = selectedTileType(state);
    if (tile == nullptr || !spriteExists(builder, tile->sprite)) return;
    applyPostEffect(builder.screen, tile->dna.postEFFECT);
    if (builder.mouse.rightDown()) return;
    if (state.rasterMode == kRasterMatrixSize) builder.host.wait(kPreviewWaitMilliseconds);
    builder.screen.zoomSprite(tile->sprite, static_cast<float>(base::roundToInt(tile->width)),
                              static_cast<float>(base::roundToInt(tile->height)));
    builder.screen.drawSprite(tile->sprite, static_cast<float>(state.buildCursorX),
                              static_cast<float>(state.buildCursorY), 255);
}

// The last grid point index as far as the screen size, and no further than the frame:
// points past it would not show, and a screen size from the configuration may be any
// float. With a negative raster every point but the first lies left of or above the frame.
int gridPoints(float screenSize, int raster, int frameSize) {
    const int points = base::roundToInt(screenSize / static_cast<float>(raster));
    return std::min(points, raster > 0 ? frameSize / raster : 0);
}

void drawGrid(Builder& builder) {
    const BuilderState& state = builder.builderState;
    const int raster = state.matrixRaster;
    if (raster == 0) return;
    const media::Framebuffer& frame = builder.screen.frame();
    const int columns = gridPoints(state.screenWidth, raster, frame.width);
    const int rows = gridPoints(state.screenHeight, raster, frame.height);
    for (int i = 0; i <= columns; ++i) {
        for (int j = 0; j <= rows; ++j) {
            builder.screen.plot(i * raster, j * raster, kGridColour);
        }
    }
}
}  // namespace

PostEffect parsePostEffect(std::string_view text) {
    PostEffect effect;
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        effect.source = base::parseInteger(text);
        return effect;
    }
    effect.source = base::parseInteger(text.substr(0, comma));
    effect.destination = base::parseInteger(text.substr(comma + 1));
    return effect;
}

void drawFrame(Builder& builder) {
    const BuilderState& state = builder.builderState;
    media::Compositor& screen = builder.screen;
    screen.clear(10, 10, 10);
    screen.setFilter(state.spriteFiltering == 0 ? media::Filter::Nearest : media::Filter::Bilinear);
    screen.beginPass();
    drawElements(builder);
    drawCursorPreview(builder);
    screen.endPass();
    drawScreenLog(builder);
    drawGrid(builder);
    if (state.helpShown == 1) drawHelpPanel(builder);
    builder.host.present(screen.frame());
}

}  // namespace builder
