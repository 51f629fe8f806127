// One frame with tracing steps in its slots: the order of the steps, what a paused, an
// empty or a background frame leaves out, the frame's timing, and the fault guard per step.
#include "engine/world_frame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/frame_slots.h"
#include "engine/media/services.h"
#include "engine_fixture.h"
#include "test_platform.h"

namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::SGFXCORE;

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// What the steps did, in order; a step whose entry is in faults raises a fault after
// tracing itself.
std::vector<std::string> trace;
std::set<std::string> faults;
// Objects the update step enters into the draw list.
std::set<std::int32_t> visible;

void record(const std::string& entry) {
    trace.push_back(entry);
    if (faults.count(entry) != 0) RAISE_FAULT(base::FaultKind::DivisionByZero);
}

engine::FrameSlots tracingSlots() {
    engine::FrameSlots slots;
    slots.loadMap = [](std::int32_t id) { record("load " + std::to_string(id)); };
    slots.viewFollow = [](std::int32_t i) { record("follow " + std::to_string(i)); };
    slots.objectUpdate = [](std::int32_t i) {
        if (visible.count(i) != 0) {
            EngineSettings& s = engineSettings;
            s.drawList[static_cast<std::size_t>(++s.drawLast)] = i;
        }
        record("update " + std::to_string(i));
    };
    slots.objectTimer = [](std::int32_t i) { record("timer " + std::to_string(i)); };
    slots.objectStreaming = [](std::int32_t i) { record("stream " + std::to_string(i)); };
    slots.objectDraw = [](std::int32_t i) { record("draw " + std::to_string(i)); };
    slots.afterDraw = [](std::int32_t i) { record("after " + std::to_string(i)); };
    slots.drawMirrors = [] { record("mirrors"); };
    slots.screenTexts = [](std::int32_t id) { record("texts " + std::to_string(id)); };
    slots.postPasses = [] { record("post"); };
    slots.debugOverlay = [] { record("overlay"); };
    slots.worldInput = [] { record("input"); };
    return slots;
}

class WorldFrameTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        platform = startTestPlatform(64, 48);
        EngineSettings& s = engineSettings;
        s.mainWindow = static_cast<std::int32_t>(
            media::openWindow(0, 0, 65, 49, "frame", media::WindowStyle::Captioned));
        s.screenOpen =
            media::openScreen(static_cast<media::WindowHandle>(s.mainWindow), 0, 0, 64, 48);
        s.displayWidth = 64.0f;
        s.displayHeight = 48.0f;
        s.errorReportPath = dir.file("errors.log");
        s.actualMapId = 0;  // a level
        trace.clear();
        faults.clear();
        visible.clear();
        engine::frameSlots = tracingSlots();
        base::armFaultGuard(engine::fatalReport);
    }
    void TearDown() override {
        engine::frameSlots = engine::FrameSlots{};
        media::shutdownServices();
        EngineTest::TearDown();
    }

    int reportBlocks() const {
        const std::string text = testing_support::readFile(dir.file("errors.log"));
        int count = 0;
        for (auto at = text.find("ERROR HANDLER"); at != std::string::npos;
             at = text.find("ERROR HANDLER", at + 1)) {
            ++count;
        }
        return count;
    }

    TestPlatform* platform = nullptr;
};

TEST_F(WorldFrameTest, ActiveFrameRunsEveryStepInItsOrder) {
    EngineSettings& s = engineSettings;
    s.objectLast = 3;
    s.dynamicScroll = 1;
    s.playerObject = 2;
    s.appSmooth = 1;
    s.actualMapId = 7;
    s.errorDetected = 1;
    visible = {2, 0};
    engine::worldFrame();
    EXPECT_THAT(trace, ElementsAreArray<std::string>(
                           {"follow 2", "update 0", "timer 0", "stream 0", "update 1", "timer 1",
                            "stream 1", "update 2", "timer 2", "stream 2", "update 3", "timer 3",
                            "stream 3", "draw 0",   "after 0", "draw 2",   "after 2",  "mirrors",
                            "texts 7",  "post",     "texts 7", "overlay",  "input"}));
    EXPECT_EQ(s.drawLast, -1);
    EXPECT_EQ(s.errorDetected, 0);
    EXPECT_EQ(s.blitStart, 3);
    EXPECT_EQ(s.blitEnd, 0);
    EXPECT_EQ(s.frameCycle, 1);
    EXPECT_EQ(platform->presentedFrames(), 1);
    EXPECT_EQ(s.frameTick, platform->clock().now());

    // Without DYNAMICSCROLL no view follow; with TEXTSMOOTH the texts run once; BLOOM alone
    // runs the post pass too.
    s.dynamicScroll = 0;
    s.textSmooth = 1;
    s.appSmooth = 0;
    s.bloom = 1;
    s.objectLast = 0;
    trace.clear();
    engine::worldFrame();
    EXPECT_THAT(trace, ElementsAre("update 0", "timer 0", "stream 0", "draw 0", "after 0",
                                   "mirrors", "texts 7", "post", "overlay", "input"));
}

TEST_F(WorldFrameTest, EmptyDrawListDrawsOnlyTheTextsAndKeepsTheBackBuffer) {
    engineSettings.actualMapId = 999;
    media::plot(5, 5, media::rgb(200, 10, 10));
    engine::worldFrame();
    EXPECT_THAT(trace,
                ElementsAre("update 0", "timer 0", "stream 0", "texts 999", "overlay", "input"));
    const media::Framebuffer& frame = media::compositor().frame();
    EXPECT_EQ(frame.pixels[5 * 64 + 5], media::rgb(200, 10, 10));

    // With something to draw, the pass clears the screen first.
    visible = {0};
    engine::worldFrame();
    EXPECT_EQ(frame.pixels[5 * 64 + 5], media::rgb(0, 0, 0));
}

TEST_F(WorldFrameTest, PausedFrameSkipsTheUpdateAndTheOverlayButPresents) {
    EngineSettings& s = engineSettings;
    s.paused = 1;
    s.dynamicScroll = 1;
    s.objectLast = 2;
    s.errorDetected = 1;
    engine::worldFrame();
    EXPECT_THAT(trace, ElementsAre("texts 0", "input"));
    EXPECT_EQ(s.errorDetected, 0);
    EXPECT_EQ(s.blitStart, 2);
    EXPECT_EQ(s.frameCycle, 1);
    EXPECT_EQ(platform->presentedFrames(), 1);
}

TEST_F(WorldFrameTest, BackgroundFrameOnlySleepsAndReadsTheInput) {
    EngineSettings& s = engineSettings;
    engine::worldFrame();  // one active frame first
    const std::uint64_t before = platform->clock().now();
    const std::uint32_t tick = s.frameTick;
    media::inputState().apply({media::InputEventType::Focus, 0, 0, 0});
    s.errorDetected = 1;
    visible = {0};
    trace.clear();
    engine::worldFrame();
    engine::worldFrame();
    EXPECT_THAT(trace, ElementsAre("input", "input"));
    EXPECT_EQ(platform->clock().now(), before + 2 * engine::kBackgroundFrameMs);
    EXPECT_EQ(platform->presentedFrames(), 1);
    EXPECT_EQ(s.frameCycle, 1);
    EXPECT_EQ(s.frameTick, tick);
    EXPECT_EQ(s.errorDetected, 1);
}

TEST_F(WorldFrameTest, MultitaskSleepsAfterTheFlip) {
    engineSettings.multitask = 40;
    engine::worldFrame();
    const std::uint32_t flipped = engineSettings.frameTick;
    EXPECT_EQ(platform->clock().now(), flipped + 40u);
    engine::worldFrame();
    EXPECT_GE(engineSettings.frameTick - flipped, 40u);
}

TEST_F(WorldFrameTest, FaultsAreReportedOncePerTurnAndEveryOtherStepStillRuns) {
    EngineSettings& s = engineSettings;
    s.objectLast = 2;
    visible = {0, 1};
    faults = {"update 1", "timer 2", "draw 0", "mirrors"};
    engine::worldFrame();
    EXPECT_THAT(trace, ElementsAreArray<std::string>(
                           {"update 0", "timer 0", "stream 0", "update 1", "timer 1", "stream 1",
                            "update 2", "timer 2", "stream 2", "draw 0", "after 0", "draw 1",
                            "after 1", "mirrors", "texts 0", "texts 0", "overlay", "input"}));
    EXPECT_EQ(s.errorDetected, 1);
    EXPECT_EQ(reportBlocks(), 1);
    const std::string report = testing_support::readFile(dir.file("errors.log"));
    EXPECT_NE(report.find("Attempted division by zero\r\nModule:SGFXCORE AT LINE:"),
              std::string::npos)
        << report;

    // The guard stays disarmed for the rest of the turn; the next turn re-arms it.
    engine::worldFrame();
    EXPECT_EQ(reportBlocks(), 1);
    EXPECT_EQ(s.errorDetected, 0);
    base::armFaultGuard(engine::fatalReport);
    engine::worldFrame();
    EXPECT_EQ(reportBlocks(), 2);
}

TEST_F(WorldFrameTest, DrawListFilledBeyondItsSizeIsOneFaultAndTheListIsDrawn) {
    EngineSettings& s = engineSettings;
    s.drawList.assign(2, 0);
    s.drawList[1] = 1;
    s.drawLast = 5;  // entries 2 to 5 do not exist
    s.paused = 1;
    engine::worldFrame();
    EXPECT_THAT(trace, ElementsAre("draw 0", "after 0", "draw 1", "after 1", "mirrors", "texts 0",
                                   "texts 0", "input"));
    EXPECT_EQ(reportBlocks(), 1);
    EXPECT_EQ(s.drawLast, -1);
}

TEST_F(WorldFrameTest, EmptySlotsAreSkipped) {
    engine::frameSlots = engine::FrameSlots{};
    engine::frameSlots.worldInput = nullptr;
    engineSettings.objectLast = 4;
    engineSettings.drawLast = 1;
    engine::worldFrame();
    EXPECT_EQ(engineSettings.drawLast, -1);
    EXPECT_EQ(platform->presentedFrames(), 1);
    EXPECT_EQ(reportBlocks(), 0);
}

}  // namespace
