#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <vector>

#include "engine/base/date_text.h"
#include "engine/base/random.h"
#include "engine/media/headless/headless_platform.h"

namespace media {
namespace {

TEST(Random, SameSeedSameDraws) {
    base::Pcg32 a(42), b(42), c(43);
    std::vector<int> drawsA, drawsB, drawsC;
    for (int i = 0; i < 100; ++i) {
        drawsA.push_back(a.upTo(1000));
        drawsB.push_back(b.upTo(1000));
        drawsC.push_back(c.upTo(1000));
    }
    EXPECT_EQ(drawsA, drawsB);
    EXPECT_NE(drawsA, drawsC);
    a.seed(42);  // reseeding starts the sequence again
    EXPECT_EQ(a.upTo(1000), drawsA[0]);
}

TEST(Random, RangeIsZeroToNInclusive) {
    base::Pcg32 random(7);
    for (int n : {-5, -1, 0}) {
        for (int i = 0; i < 50; ++i)
            EXPECT_EQ(random.upTo(n), 0) << n;
    }
    // Every value of 0..4 turns up, nothing outside, and roughly evenly (expected 2000 each).
    std::array<int, 5> counts{};
    for (int i = 0; i < 10000; ++i) {
        const int r = random.upTo(4);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 4);
        ++counts[static_cast<std::size_t>(r)];
    }
    for (int count : counts) {
        EXPECT_GT(count, 1700);
        EXPECT_LT(count, 2300);
    }
    int ones = 0;
    for (int i = 0; i < 1000; ++i)
        ones += random.upTo(1);
    EXPECT_GT(ones, 400);
    EXPECT_LT(ones, 600);
    for (int i = 0; i < 100; ++i)
        EXPECT_GE(random.upTo(INT_MAX), 0);
}

TEST(DateText, MasksAndPlainText) {
    const LocalTime time{2024, 3, 7, 9, 5, 1};
    EXPECT_EQ(formatDate("%yyyy,%mm,%dd  TIME:%hh:%ii:%ss", time), "2024,03,07  TIME:09:05:01");
    EXPECT_EQ(formatDate("%dd.%mm.%yy", time), "07.03.24");
    EXPECT_EQ(formatDate("%yyyyy", time), "2024y");
    EXPECT_EQ(formatDate("100% %x %", time), "100% %x %");
    EXPECT_EQ(formatDate("", time), "");
    EXPECT_EQ(formatDate("%yy", LocalTime{2005, 1, 1, 0, 0, 0}), "05");
}

TEST(VirtualClock, FlipsMoveToSixtyHertzBoundaries) {
    VirtualClock clock;
    EXPECT_EQ(clock.now(), 0u);
    std::vector<std::uint64_t> times;
    for (int i = 0; i < 6; ++i) {
        clock.toNextFrame();
        times.push_back(clock.now());
    }
    EXPECT_EQ(times, (std::vector<std::uint64_t>{16, 33, 50, 66, 83, 100}));
    for (int i = 0; i < 54; ++i)
        clock.toNextFrame();
    EXPECT_EQ(clock.now(), 1000u);  // 60 flips are one second

    // Sleeps move the clock by their length; a flip then waits for the next boundary.
    VirtualClock sleeper;
    sleeper.sleep(10);
    EXPECT_EQ(sleeper.now(), 10u);
    sleeper.toNextFrame();
    EXPECT_EQ(sleeper.now(), 16u);
    sleeper.sleep(17);  // exactly onto the boundary at 33: the flip still waits a frame
    sleeper.toNextFrame();
    EXPECT_EQ(sleeper.now(), 50u);
    sleeper.sleep(100);
    sleeper.toNextFrame();
    EXPECT_EQ(sleeper.now(), 166u);
}

TEST(HeadlessPlatform, ClockLocalTimeAndReplayByTurn) {
    Replay replay;
    replay.joystickPresent = true;
    replay.events = {{1, {InputEventType::KeyDown, 2, 0, 0}},
                     {2, {InputEventType::Focus, 0, 0, 0}},
                     {3, {InputEventType::Focus, 0, 1, 0}}};
    HeadlessPlatform platform(800, 600, replay);
    EXPECT_EQ(platform.desktopCount(), 1);
    EXPECT_EQ(platform.desktop(0).width, 800);
    EXPECT_EQ(platform.desktop(0).height, 600);
    EXPECT_EQ(platform.desktop(1).width, 0);
    EXPECT_TRUE(platform.joystickPresent());
    EXPECT_FALSE(platform.isForeground());  // no window yet
    ASSERT_TRUE(platform.openWindow(WindowRequest{0, 0, 801, 601, "t", WindowStyle::Captioned}));
    EXPECT_TRUE(platform.isForeground());

    std::vector<InputEvent> events;
    platform.pollEvents(events);  // turn 0: start-up
    EXPECT_TRUE(events.empty());
    platform.setTurn(1);
    platform.pollEvents(events);
    ASSERT_EQ(events.size(), 1u);
    platform.setTurn(2);
    platform.pollEvents(events);
    EXPECT_FALSE(platform.isForeground());
    platform.setTurn(3);
    platform.pollEvents(events);
    EXPECT_TRUE(platform.isForeground());

    Framebuffer frame;
    for (int i = 0; i < 3; ++i)
        platform.present(frame);
    EXPECT_EQ(platform.milliseconds(), 50u);
    EXPECT_EQ(platform.presentedFrames(), 3);
    platform.sleep(61'000 - 50);
    const LocalTime t = platform.localTime();
    EXPECT_EQ(formatDate("%yyyy,%mm,%dd  TIME:%hh:%ii:%ss", t), "2000,01,01  TIME:00:01:01");
    EXPECT_EQ(platform.messageBox("c", "t", {"Yes", "No"}), 0);
    EXPECT_NE(platform.createVoice(PcmSound{}), 0u);
}

}  // namespace
}  // namespace media
