#include "engine/media/sdl/frame_pacer.h"

#include <gtest/gtest.h>

namespace {

using media::FramePacer;

TEST(FramePacer, SpacesFramesWhenTheRendererDoesNot) {
    FramePacer pacer;
    pacer.reset(100, false);
    EXPECT_TRUE(pacer.pacing());
    EXPECT_EQ(pacer.waitBefore(1000), 0u);  // the first frame at once
    pacer.presented(1000);
    EXPECT_EQ(pacer.waitBefore(1030), 70u);  // drawn in 30 ticks: wait for the rest
    pacer.presented(1100);
    EXPECT_EQ(pacer.waitBefore(1250), 0u);  // late, but within a refresh: no wait
    pacer.presented(1250);
    EXPECT_EQ(pacer.waitBefore(1260), 40u);  // the schedule holds: due at 1300
    pacer.presented(1300);
    // A stall of several refreshes: the schedule starts again, no rush of frames after it.
    EXPECT_EQ(pacer.waitBefore(5000), 0u);
    pacer.presented(5000);
    EXPECT_EQ(pacer.waitBefore(5010), 90u);
}

TEST(FramePacer, WatchesWhetherTheDisplayWaitIsReal) {
    FramePacer honest;
    honest.reset(100, true);
    std::uint64_t now = 1000;
    for (int i = 0; i <= FramePacer::kProbeFrames + 5; ++i) {
        EXPECT_EQ(honest.waitBefore(now), 0u);
        honest.presented(now);
        now += (i % 7 == 0) ? 200 : 99;  // occasionally a missed refresh
    }
    EXPECT_FALSE(honest.pacing());

    FramePacer ignored;  // vsync switched off by the driver: frames come every 10 ticks
    ignored.reset(100, true);
    now = 1000;
    for (int i = 0; i < FramePacer::kProbeFrames; ++i) {
        ignored.waitBefore(now);
        ignored.presented(now);
        now += 10;
    }
    EXPECT_FALSE(ignored.pacing());  // one interval short of a full probe
    ignored.presented(now);
    EXPECT_TRUE(ignored.pacing());
    EXPECT_EQ(ignored.waitBefore(now + 10), 0u);
    EXPECT_EQ(ignored.waitBefore(now + 20), 90u);
}

}  // namespace
