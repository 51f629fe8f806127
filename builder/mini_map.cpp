#include "builder/mini_map.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "builder/frame.h"
#include "builder/source_units.h"
#include "engine/base/text_values.h"
#include "engine/media/pictures.h"

namespace builder {

namespace {
constexpr BuilderUnit kBuilderUnit = BuilderUnit::BUILDERio;
// Keeps a map with far-flung elements from asking for a giant picture.
constexpr int kLargestSide = 8192;
}  // namespace

std::string miniMapPath(const BuilderState& state) {
    return state.workMapFile + "_MiniMap.png";
}

bool saveMiniMap(Builder& builder) {
    BuilderState& state = builder.builderState;
    // The map's extent: the screen, grown to every alive element.
    float left = 0.0f, top = 0.0f;
    float right = static_cast<float>(state.desktopWidth);
    float bottom = static_cast<float>(state.desktopHeight);
    std::vector<std::pair<int, int>> drawn;  // layer, element
    for (int i = 0; i <= state.lastElement; ++i) {
        const MapElement& element = BUILDER_AT(state.elements, i);
        if (element.alive == 0 || element.sprite == 0) continue;
        left = std::min(left, element.x);
        top = std::min(top, element.y);
        right = std::max(right, element.x + element.width);
        bottom = std::max(bottom, element.y + element.height);
        drawn.emplace_back(element.layer, i);
    }
    std::stable_sort(drawn.begin(), drawn.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    auto side = [](float extent) {
        return std::clamp(static_cast<int>(std::ceil(extent * kMiniMapScale)), 1, kLargestSide);
    };
    media::Compositor mini;
    mini.resize(side(right - left), side(bottom - top));
    mini.clear(10, 10, 10);
    mini.setFilter(media::Filter::Bilinear);
    // The catalogue's pictures, copied into the mini map's own compositor once each.
    std::map<int, media::SpriteHandle> sprites;
    mini.beginPass();
    for (const auto& [layer, index] : drawn) {
        const MapElement& element = BUILDER_AT(state.elements, index);
        auto found = sprites.find(element.tileIndex);
        if (found == sprites.end()) {
            media::SpriteHandle sprite = 0;
            if (element.tileIndex >= 0 &&
                static_cast<std::size_t>(element.tileIndex) < state.tiles.size()) {
                const TileType& tile = state.tiles[static_cast<std::size_t>(element.tileIndex)];
                if (const media::Image* image = builder.screen.picture(tile.paletteImage))
                    sprite = mini.makeSprite(mini.addPicture(*image));
            }
            found = sprites.emplace(element.tileIndex, sprite).first;
        }
        if (found->second == 0) continue;
        mini.setBlend(media::kBlendSrcAlpha, media::kBlendInvSrcAlpha);
        const PostEffect effect = parsePostEffect(element.dna.postEFFECT);
        if (effect.applies()) mini.setBlend(effect.source, effect.destination);
        mini.zoomSprite(found->second,
                        static_cast<float>(base::roundToInt(element.width * kMiniMapScale)),
                        static_cast<float>(base::roundToInt(element.height * kMiniMapScale)));
        mini.drawSprite(found->second,
                        static_cast<float>(base::roundToInt((element.x - left) * kMiniMapScale)),
                        static_cast<float>(base::roundToInt((element.y - top) * kMiniMapScale)),
                        element.dna.worldFTileTransparency);
    }
    mini.endPass();
    const media::Framebuffer& frame = mini.frame();
    media::Image image;
    image.width = frame.width;
    image.height = frame.height;
    image.pixels = frame.pixels;
    return media::writePng(miniMapPath(state), image, false);
}

}  // namespace builder
