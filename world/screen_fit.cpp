#include "world/screen_fit.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/world_object.h"

namespace world {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::IO;

// The band a 16:10 picture of the screen's width takes: (SCRW / 16) x 10.
constexpr float kBandColumns = 16.0f;
constexpr float kBandRows = 10.0f;

void keepFittedSize(WorldObject& object) {
    object.maxWidth = object.width;
    object.maxHeight = object.height;
    object.displayWidth = object.width;
    object.displayHeight = object.height;
}

void storeFactors(const FitFactors& factors) {
    EngineSettings& s = engineSettings;
    s.scalerX = factors.scalerX;
    s.scalerY = factors.scalerY;
    s.aspectText = factors.aspectText;
    s.sourceAspect = s.SRC_SCRW / s.SRC_SCRH;
    s.screenAspect = s.SCRW / s.SCRH;
}

// The factors for the current screen and design sizes. The loader fits thousands of objects
// with the same sizes, so the last result is kept and reused while the sizes stay.
const FitFactors& currentScreenFitFactors() {
    static FitFactors factors;
    static float inputs[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    static bool known = false;
    const EngineSettings& s = engineSettings;
    const float now[4] = {s.SCRW, s.SCRH, s.SRC_SCRW, s.SRC_SCRH};
    if (!known || !std::equal(std::begin(now), std::end(now), std::begin(inputs))) {
        factors = screenFitFactors(s.SCRW, s.SCRH, s.SRC_SCRW, s.SRC_SCRH);
        std::copy(std::begin(now), std::end(now), std::begin(inputs));
        known = true;
    }
    return factors;
}

}  // namespace

std::string formatAspect(float aspect) {
    char text[64];
    const auto result =
        std::to_chars(std::begin(text), std::end(text), aspect, std::chars_format::fixed, 2);
    if (result.ec != std::errc()) return {};
    return std::string(text, result.ptr);
}

FitFactors screenFitFactors(float screenWidth, float screenHeight, float designWidth,
                            float designHeight) {
    FitFactors factors;
    factors.scalerX = screenWidth / designWidth;
    factors.scalerY = screenHeight / designHeight;
    const float designAspect = designWidth / designHeight;
    const float screenAspect = screenWidth / screenHeight;
    if (designAspect == screenAspect) return factors;
    factors.aspectText = formatAspect(designAspect);
    const float bandHeight = (screenWidth / kBandColumns) * kBandRows;
    const bool known = std::find(std::begin(kBandAspectTexts), std::end(kBandAspectTexts),
                                 factors.aspectText) != std::end(kBandAspectTexts);
    const float bandFactor = bandHeight / designHeight;
    factors.scalerY = known ? bandFactor : bandFactor - (screenAspect - designAspect);
    return factors;
}

float fitUp(float value, float factor) {
    const float product = value * factor;
    return std::ceil(product);
}

void screenFit(std::int32_t i) {
    const FitFactors& factors = currentScreenFitFactors();
    storeFactors(factors);
    WorldObject& object = CHECKED_AT(worldObjects, i);
    object.posX = fitUp(object.posX, factors.scalerX);
    object.homeX = object.posX;
    object.posY = fitUp(object.posY, factors.scalerY);
    object.homeY = object.posY;
    object.width = fitUp(object.width, factors.scalerX);
    object.height = fitUp(object.height, factors.scalerY);
    keepFittedSize(object);
}

void cachedFit(std::int32_t i) {
    const EngineSettings& s = engineSettings;
    FitFactors factors;
    factors.scalerX = s.SCRW / s.SRC_SCRW;
    factors.scalerY = s.SCRH / s.SRC_SCRH;
    storeFactors(factors);
    keepFittedSize(CHECKED_AT(worldObjects, i));
}

}  // namespace world
