// Fitting map positions and sizes to the opened screen.
//
// Maps from the maps directory hold design pixels (SOURCEWIDTH x SOURCEHEIGHT); the screen
// fit scales them by SCRW / SRC_SCRW and SCRH / SRC_SCRH. When the screen's aspect differs
// from the design's, the vertical factor comes from a 16:10 band of the screen's width
// instead. Maps from the level cache already hold screen pixels: the cached fit keeps them.
//
// Every value is a 32-bit float and each product is stored as one before the ceiling is
// taken, so 100 x 1.6 gives 160, not the 161 that double arithmetic would give.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace world {

// The design aspects whose text picks the plain band factor.
inline constexpr std::string_view kBandAspectTexts[] = {"1.25", "1.33", "1.66", "1.67", "1.60",
                                                        "1.77", "1.70", "1.78", "1.80"};

struct FitFactors {
    float scalerX = 1.0f;
    float scalerY = 1.0f;
    std::string aspectText;  // "" when the two aspects are equal
};

// The aspect as text with exactly two decimals ("1.33" for 800 / 600).
std::string formatAspect(float aspect);

// The factors of the screen fit for a screen and a design size.
FitFactors screenFitFactors(float screenWidth, float screenHeight, float designWidth,
                            float designHeight);

// ceiling(value x factor), the product stored as a 32-bit float first.
float fitUp(float value, float factor);

// Screen fit of object i: the factors into engineSettings, then posX/homeX, posY/homeY,
// width and height scaled up to whole pixels; maxWidth/maxHeight and displayWidth/
// displayHeight take the fitted size.
void screenFit(std::int32_t i);

// Cached fit of object i: the plain factors into engineSettings; positions and sizes stay;
// maxWidth/maxHeight and displayWidth/displayHeight take the size.
void cachedFit(std::int32_t i);

}  // namespace world
