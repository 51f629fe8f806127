// The smoothing and glow pass: the finished screen is grabbed and drawn back over itself,
// through the bilinear filter with normal blending (APPSMOOTH) to soften it, and added onto
// itself (BLOOM), which doubles every colour channel up to its maximum.
#pragma once

namespace engine {

// Frees the previous frame's grab, grabs (1, 1) .. (SCRW - 1) x (SCRH - 1) and redraws it
// at (1, 1) as the settings ask; filtering is off afterwards. A failed grab draws nothing.
// Inside a 3D pass.
void smoothAndGlowPass();

// Frees the grab kept between frames.
void releasePostPassGrab();

}  // namespace engine
