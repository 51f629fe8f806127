#include <gtest/gtest.h>

#include <cstdint>

#include "simulation/object_update.h"
#include "simulation_fixture.h"

namespace {

using simulation::lifeTimeStep;
using simulation::markVisibility;
using simulation::updateObject;

class UpdateStepTest : public SimulationTest {};

// The update pass of one frame: the update and the timer step per object, then the flip
// that moves the virtual clock to the next 60 Hz frame.
void frame() {
    for (std::int32_t i = 0; i <= engineSettings.objectLast; ++i) {
        updateObject(i);
        lifeTimeStep(i);
    }
    engineSettings.drawLast = -1;
    media::flip();
}

TEST_F(UpdateStepTest, LifeTicksLieTwiceTheTimerApart) {
    makeObjects(1);
    object(0).worldFTileTimerMS = 500;
    object(0).worldFTileLifeTime = 3;
    object(0).lifetimeActive = 1;
    object(0).lifetimeStart = static_cast<std::int32_t>(media::milliseconds());
    const std::uint32_t start = media::milliseconds();
    std::uint32_t vanished = 0;
    for (int n = 0; n < 400 && vanished == 0; ++n) {
        const std::uint32_t updateTime = media::milliseconds();
        frame();
        if (object(0).worldFTileIsActive == kObjectSwitchedOff) vanished = updateTime;
    }
    // Each tick waits for the next 60 Hz frame, so the three ticks may each come up to a
    // frame late: about 2.5 s, far from 1.5 s.
    ASSERT_NE(vanished, 0u);
    EXPECT_GT(vanished - start, 2500u);
    EXPECT_LT(vanished - start, 2560u);
    EXPECT_EQ(object(0).worldFTileLifeTime, 0);
}

TEST_F(UpdateStepTest, VisibilityIsStrictAtEveryEdge) {
    struct Case {
        float x, y, w, h;
        bool visible;
    };
    const Case cases[] = {
        {-10.0f, 5.0f, 10.0f, 10.0f, false},  // right edge exactly at 0
        {-9.5f, 5.0f, 10.0f, 10.0f, true},
        {64.0f, 5.0f, 10.0f, 10.0f, false},  // left edge exactly at SCRW
        {63.9f, 5.0f, 10.0f, 10.0f, true},
        {5.0f, -10.0f, 10.0f, 10.0f, false},  // bottom edge exactly at 0
        {5.0f, 48.0f, 10.0f, 10.0f, false},   // top edge exactly at SCRH
        {5.0f, 47.5f, 10.0f, 10.0f, true},
        {-100.0f, -100.0f, 300.0f, 300.0f, true},  // larger than the screen
    };
    makeObjects(1);
    for (const Case& c : cases) {
        object(0).posX = c.x;
        object(0).posY = c.y;
        object(0).width = c.w;
        object(0).height = c.h;
        engineSettings.drawLast = -1;
        markVisibility(0);
        EXPECT_EQ(object(0).onScreen, c.visible ? 1 : 0) << c.x << "," << c.y;
        EXPECT_EQ(object(0).visibleThisFrame, c.visible ? 1 : 0);
        EXPECT_EQ(engineSettings.drawLast, c.visible ? 0 : -1);
    }
}

TEST_F(UpdateStepTest, TheDrawListNeverOverflows) {
    constexpr std::int32_t kObjects = 1100;
    makeObjects(kObjects);
    advanceClock(1234);
    engineSettings.drawLast = -1;
    for (std::int32_t i = 0; i < kObjects; ++i)
        updateObject(i);
    ASSERT_EQ(engineSettings.drawList.size(), kDrawListEntries);
    EXPECT_EQ(engineSettings.drawLast, 1025);
    EXPECT_EQ(engineSettings.drawnObjects, 1025);
    EXPECT_EQ(engineSettings.drawList[0], 0);
    EXPECT_EQ(engineSettings.drawList[1025], 1025);
    // Left out of this frame's list, yet on screen (so streaming keeps it) and seen now.
    EXPECT_EQ(object(1026).onScreen, 1);
    EXPECT_EQ(object(1026).visibleThisFrame, 0);
    EXPECT_EQ(object(kObjects - 1).lastSeenTick, 1234);
    EXPECT_EQ(object(1025).visibleThisFrame, 1);
}

TEST_F(UpdateStepTest, KillOutOfScreenUsesThePreviousFrame) {
    makeObjects(2);
    object(1).worldFTileKillOutOfScreen = 1;
    object(1).posX = 200.0f;  // off screen, but it was on screen in the previous frame
    object(1).onScreen = 1;
    object(1).linkedObject = 1;
    updateObject(1);
    EXPECT_EQ(object(1).worldFTileIsActive, kObjectActive);
    EXPECT_EQ(object(1).onScreen, 0);
    updateObject(1);
    EXPECT_EQ(object(1).worldFTileIsActive, kObjectSwitchedOff);
    EXPECT_EQ(object(1).linkedObject, 0);

    object(0).worldFTileKillOutOfScreen = 1;
    object(0).worldFTileIsActive = kObjectGone;
    object(0).posX = 200.0f;
    updateObject(0);
    EXPECT_EQ(object(0).worldFTileIsActive, kObjectGone);
}

TEST_F(UpdateStepTest, EveryObjectIsMarkedButAPlayerDeathFreezesTheWorld) {
    makeObjects(3);
    object(1).worldFTileIsActive = kObjectSwitchedOff;
    object(2).worldFTileIsActive = kObjectGone;
    engineSettings.drawLast = -1;
    for (std::int32_t i = 0; i < 3; ++i)
        updateObject(i);
    EXPECT_EQ(engineSettings.drawLast, 2);  // active or not, on screen is listed

    engineSettings.drawLast = -1;
    engineSettings.playerDead = 1;
    object(0).posX = 30.0f;
    object(0).worldFTileRotate = 1.0f;
    updateObject(0);
    EXPECT_EQ(engineSettings.drawLast, -1);
    EXPECT_EQ(object(0).centerX, 10.0f);  // the centre of the last frame before the death
}

}  // namespace
