// Drawing one object of the draw list: its blend mode, a stretched background copy at the
// screen origin, its shadow, then its still picture or the current frame of its direction
// set. Everything goes through the 3D sprite service, which zooms; positions and alphas are
// rounded to whole numbers when they are handed over. A still mirror object is drawn only
// by the mirror pass (mirror_surfaces.h).
#pragma once

#include <cstdint>
#include <string_view>

namespace simulation {

// The blend codes last read from a postEFFECT text (Direct3D blend factor numbers); 0 when
// the text had no usable pair.
extern std::int32_t blendSource;
extern std::int32_t blendDestination;

// Draws an active object that has its sprite.
void drawObject(std::int32_t objectIndex);

// Draws the current frame of the direction set animDirection names (and the shadow under
// it, whatever GLOBAL_GFX_FX says), when the frames are resident. The fade-out does not
// apply to animated objects.
void drawAnimatedObject(std::int32_t objectIndex);

// "SxD": the text before the first "x" and the text after it, as integers; both 0 unless
// both parts are there ("5", "x6" and "5x" give 0 and 0).
void parseBlendCodes(std::string_view text);

}  // namespace simulation
