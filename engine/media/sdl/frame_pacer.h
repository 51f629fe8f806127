// Keeps frames one display refresh apart when the renderer does not. The game advances one
// step per frame, so its speed depends on it. A renderer that promises to wait for the
// display is watched over its first frames: drivers and desktop settings can switch the
// wait off, and then frames come much faster than the display refreshes.
#pragma once

#include <cstdint>

namespace media {

class FramePacer {
  public:
    static constexpr int kProbeFrames = 60;

    // period: clock ticks per display refresh; waitsForDisplay: the renderer promises to.
    void reset(std::uint64_t period, bool waitsForDisplay);
    // Clock ticks to wait before presenting the frame at 'now' (0: present at once).
    std::uint64_t waitBefore(std::uint64_t now);
    // Tells the pacer that a frame was presented at 'now'.
    void presented(std::uint64_t now);
    bool pacing() const { return pacing_; }

  private:
    std::uint64_t period_ = 0;
    std::uint64_t nextDue_ = 0;    // when the next frame may be presented (0: at once)
    std::uint64_t lastShown_ = 0;  // when the previous frame was presented
    bool pacing_ = true;
    int probed_ = 0;  // intervals watched so far
    int fast_ = 0;    // of those, clearly shorter than a refresh
};

}  // namespace media
