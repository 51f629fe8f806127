#include "engine/media/sdl/frame_pacer.h"

namespace media {

void FramePacer::reset(std::uint64_t period, bool waitsForDisplay) {
    period_ = period;
    nextDue_ = 0;
    lastShown_ = 0;
    pacing_ = !waitsForDisplay;
    probed_ = waitsForDisplay ? 0 : kProbeFrames;
    fast_ = 0;
}

std::uint64_t FramePacer::waitBefore(std::uint64_t now) {
    if (!pacing_ || period_ == 0) return 0;
    // After a stall (loading, a window drag) the schedule starts again instead of letting
    // the following frames catch up at full speed.
    if (nextDue_ == 0 || now > nextDue_ + period_) nextDue_ = now;
    const std::uint64_t wait = nextDue_ > now ? nextDue_ - now : 0;
    nextDue_ += period_;
    return wait;
}

void FramePacer::presented(std::uint64_t now) {
    if (probed_ < kProbeFrames && lastShown_ != 0) {
        ++probed_;
        // A frame shown within four fifths of a refresh after the previous one was not
        // held back by the display.
        if (now - lastShown_ < period_ / 5 * 4) ++fast_;
        if (probed_ == kProbeFrames && fast_ > kProbeFrames / 2) pacing_ = true;
    }
    lastShown_ = now;
}

}  // namespace media
