// The developer overlay (engine figures and a label block beside every moving object,
// switched by engineSettings.overlay) and the noise screen shown while the requested map
// does not exist. Both draw with the system font straight onto the back buffer, after the
// 3D pass, so they lie on top of everything and are not smoothed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace engine {

struct OverlayLine {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::string text;
};

inline constexpr std::int32_t kNoiseCharacters = 501;

// The engine figures, one line each at x = 10.
std::vector<OverlayLine> overlayFigureLines();

// The label blocks of every object 0..objectLast with a speed (worldFTileVELO not 0) that
// is active, at its position plus the view offsets.
std::vector<OverlayLine> objectLabelLines();

// The frame's overlay step: nothing while paused; otherwise the noise screen when the map
// is missing and the overlay when it is switched on.
void debugOverlay();

}  // namespace engine
