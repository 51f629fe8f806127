#include "engine/world_screen.h"

#include <cstdint>
#include <string>

#include "engine/base/text_values.h"
#include "engine/core_error.h"
#include "engine/engine_settings.h"
#include "engine/media/services.h"

namespace engine {
namespace {

std::string titleWithVersion() {
    return std::string(kBannerLine) + std::string(kVersionLabel) + engineSettings.version;
}

// The start of a window of the given size centred on the desktop. Worked in 64 bits: a
// window size from the configuration may lie anywhere in the 32-bit range.
int centredOn(int desktopSize, int windowSize) {
    const std::int64_t start =
        (static_cast<std::int64_t>(desktopSize) - static_cast<std::int64_t>(windowSize)) / 2;
    return static_cast<int>(start);  // half of a 33-bit difference fits in 32 bits
}

// Opens a window one pixel larger than the display size and a display-sized screen in it;
// screenOpen takes the result.
void openWindowAndScreen(const std::string& title, media::WindowStyle style) {
    EngineSettings& s = engineSettings;
    // Sizes in floats first, as the display size is kept; the conversion saturates, so a
    // huge WINDOWW fails to open instead of overflowing.
    const int windowWidth = base::roundToInt(static_cast<double>(s.displayWidth + 1.0f));
    const int windowHeight = base::roundToInt(static_cast<double>(s.displayHeight + 1.0f));
    int x = base::roundToInt(static_cast<double>(s.windowX));
    int y = base::roundToInt(static_cast<double>(s.windowY));
    if (style == media::WindowStyle::Borderless) {
        x = centredOn(media::desktopWidth(0), windowWidth);
        y = centredOn(media::desktopHeight(0), windowHeight);
    }
    const media::WindowHandle window =
        media::openWindow(x, y, windowWidth, windowHeight, title, style);
    if (window != 0) {
        s.mainWindow = static_cast<std::int32_t>(window);
        s.windowWidth = windowWidth;
        s.windowHeight = windowHeight;
        s.screenOpen = media::openScreen(window, 0, 0, base::roundToInt(s.displayWidth),
                                         base::roundToInt(s.displayHeight));
    }
    if (s.screenOpen == 0) coreError(kErrorOpenWorldScreen);
}

}  // namespace

void openWorldScreen() {
    EngineSettings& s = engineSettings;
    s.displayWidth = static_cast<float>(media::desktopWidth(0));
    s.displayHeight = static_cast<float>(media::desktopHeight(0));
    if (s.fullscreen > 0.0f && s.fullscreen < 1.0f) {
        s.displayWidth *= s.fullscreen;
        s.displayHeight *= s.fullscreen;
        s.fullscreen = 0.0f;
    }
    if (s.useWindowHd == 1) {
        s.displayWidth = static_cast<float>(s.windowW);
        s.displayHeight = static_cast<float>(s.windowH);
        openWindowAndScreen(titleWithVersion(), media::WindowStyle::Borderless);
    } else if (s.fullscreen >= 1.0f) {
        openWindowAndScreen(std::string(kBannerLine), media::WindowStyle::Borderless);
    } else if (s.fullscreen == 0.0f) {
        openWindowAndScreen(titleWithVersion(), media::WindowStyle::Captioned);
    }
    // Below 0 (or not a number) no mode applies: nothing opens and screenOpen stays 0.
    s.SCRW = s.displayWidth;
    s.SCRH = s.displayHeight;
    if (s.screenOpen != 0) {
        media::beginSpritePass();
        media::clearScreen(0, 0, 0);
        media::endSpritePass();
        media::flip();
    }
}

}  // namespace engine
