#include "world/loading_bar.h"

#include <algorithm>

#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/media/services.h"

namespace world {
namespace {

constexpr media::Argb kBarBackground = media::rgb(1, 1, 1);
constexpr media::Argb kBarProgress = media::rgb(200, 1, 1);

// What the back buffer holds of the current bar: the width in whole pixels drawn red so
// far (-1 = the bar is not drawn yet) and the width when it was last presented. Steps that
// do not change a pixel draw nothing.
struct BarPixels {
    std::int32_t drawnWidth = -1;
    std::int32_t presentedWidth = 0;
};

BarPixels& barPixels() {
    static BarPixels pixels;
    return pixels;
}

}  // namespace

void startLoadingBar(std::int32_t total) {
    EngineSettings& s = engineSettings;
    s.loadingProgress = 1.0f;
    s.loadingStep = s.SCRW / static_cast<float>(total == 0 ? 1 : total);
    barPixels() = BarPixels{};
}

void stepLoadingBar() {
    EngineSettings& s = engineSettings;
    s.loadingProgress += s.loadingStep;
    const std::int32_t screenWidth = base::roundToInt(s.SCRW);
    const std::int32_t top = base::roundToInt(s.SCRH * kLoadingBarTop);
    const std::int32_t width = std::clamp(base::roundToInt(s.loadingProgress), 0, screenWidth);
    BarPixels& bar = barPixels();
    if (bar.drawnWidth < 0) {
        media::rectangle(0, top, screenWidth, kLoadingBarHeight, kBarBackground, true);
        media::rectangle(0, top, width, kLoadingBarHeight, kBarProgress, true);
    } else if (width > bar.drawnWidth) {
        media::rectangle(bar.drawnWidth, top, width - bar.drawnWidth, kLoadingBarHeight,
                         kBarProgress, true);
    } else if (width < bar.drawnWidth) {
        media::rectangle(width, top, bar.drawnWidth - width, kLoadingBarHeight, kBarBackground,
                         true);
    }
    const bool firstDraw = bar.drawnWidth < 0;
    bar.drawnWidth = width;
    const std::int32_t presentStep = std::max(1, screenWidth / kLoadingBarPresentations);
    if (firstDraw || width - bar.presentedWidth >= presentStep) {
        media::flip();
        bar.presentedWidth = width;
    }
}

}  // namespace world
