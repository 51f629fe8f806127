#include "engine/frame_cycle.h"

#include <gtest/gtest.h>

#include <climits>

#include "engine/engine_settings.h"

namespace {

class FrameCycleTest : public ::testing::Test {
  protected:
    void SetUp() override { engine::resetEngineState("CORE\\"); }
};

TEST_F(FrameCycleTest, DefaultBaseGivesCyclesOfFiftyOneFrames) {
    ASSERT_EQ(engineSettings.timerBase, 50);
    for (int frame = 1; frame <= 50; ++frame) {
        engine::stepFrameCycle(1);
        ASSERT_EQ(engineSettings.frameCycle, frame);
    }
    EXPECT_EQ(engineSettings.cycleTicks, 0u);
    engine::stepFrameCycle(1);
    EXPECT_EQ(engineSettings.frameCycle, 0);
    EXPECT_EQ(engineSettings.cycleTicks, 1u);
    for (int frame = 0; frame < 51 * 3; ++frame)
        engine::stepFrameCycle(1);
    EXPECT_EQ(engineSettings.frameCycle, 0);
    EXPECT_EQ(engineSettings.cycleTicks, 4u);
}

TEST_F(FrameCycleTest, BaseZeroCountsEveryFrame) {
    engineSettings.timerBase = 0;
    for (unsigned frame = 1; frame <= 5; ++frame) {
        engine::stepFrameCycle(1);
        EXPECT_EQ(engineSettings.frameCycle, 0);
        EXPECT_EQ(engineSettings.cycleTicks, frame);
    }
}

TEST_F(FrameCycleTest, BackwardsRunsDownToMinusBase) {
    engineSettings.timerBase = 2;
    engine::stepFrameCycle(-1);
    EXPECT_EQ(engineSettings.frameCycle, -1);
    engine::stepFrameCycle(-1);
    EXPECT_EQ(engineSettings.frameCycle, -2);
    engine::stepFrameCycle(-1);
    EXPECT_EQ(engineSettings.frameCycle, 0);
    EXPECT_EQ(engineSettings.cycleTicks, 1u);
}

TEST_F(FrameCycleTest, ExtremeBasesDoNotOverflow) {
    engineSettings.timerBase = INT_MAX;
    engineSettings.frameCycle = INT_MAX;
    engine::stepFrameCycle(1);
    EXPECT_EQ(engineSettings.frameCycle, 0);
    engineSettings.timerBase = INT_MIN;  // no cycle fits: always 0
    engine::stepFrameCycle(-1);
    EXPECT_EQ(engineSettings.frameCycle, 0);
    engine::stepFrameCycle(1);
    EXPECT_EQ(engineSettings.frameCycle, 0);
}

}  // namespace
