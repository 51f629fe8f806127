// The loading bar: a 12-pixel strip across the screen at 80 % of its height, dark red as the
// objects of a large map are created. The loader starts it with the map's tile count and
// steps it once per object (only for counts above 500).
//
// The bar goes onto the screen's back buffer and is shown with a flip. Presenting after
// every object would tie loading to the display's refresh rate, so the bar is shown each
// time it has grown by another sixteenth of the screen's width.
#pragma once

#include <cstdint>

namespace world {

inline constexpr std::int32_t kLoadingBarHeight = 12;
inline constexpr float kLoadingBarTop = 0.8f;  // fraction of SCRH
inline constexpr std::int32_t kLoadingBarPresentations = 16;

// Mode 33: progress 1, step SCRW / total (a total of 0 counts as 1). Draws nothing.
void startLoadingBar(std::int32_t total);
// Mode 34: progress += step; a box of width SCRW in (1, 1, 1), then one of width progress in
// (200, 1, 1).
void stepLoadingBar();

}  // namespace world
