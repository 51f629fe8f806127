#include <gtest/gtest.h>

#include "engine/world_frame.h"
#include "simulation/simulation_slots.h"
#include "simulation_fixture.h"

namespace {

class SimulationSlotsTest : public SimulationTest {};

TEST_F(SimulationSlotsTest, AFrameUpdatesAndDrawsTheStillSprites) {
    simulation::installSimulationSlots(engine::frameSlots);
    makeObjects(3);
    object(0).sprite3D = twoToneSprite(8, 8);
    object(0).hasSprite = 1;
    object(0).worldFTileTransparency = 255.0f;
    object(0).posX = 4.0f;
    object(0).posY = 4.0f;
    object(1).sprite3D = twoToneSprite(8, 8);  // switched off: listed, but not drawn
    object(1).hasSprite = 1;
    object(1).worldFTileTransparency = 255.0f;
    object(1).worldFTileIsActive = kObjectSwitchedOff;
    object(1).posX = 30.0f;
    object(2).posX = 500.0f;  // off screen
    object(0).lifetimeActive = 1;
    object(0).worldFTileLifeTime = 1000;

    advanceClock(1);
    engine::worldFrame();
    EXPECT_EQ(engineSettings.drawnObjects, 1);
    EXPECT_EQ(engineSettings.drawLast, -1);  // emptied after the draw pass
    EXPECT_EQ(object(0).onScreen, 1);
    EXPECT_EQ(object(2).onScreen, 0);
    EXPECT_EQ(object(0).centerX, 9.0f);
    EXPECT_EQ(pixel(6, 5), media::rgb(255, 0, 0));
    EXPECT_EQ(pixel(6, 10), media::rgb(0, 0, 255));
    EXPECT_EQ(pixel(33, 7), media::rgb(0, 0, 0));
    // Two life-time steps in the frame; only the first found its mark passed.
    EXPECT_EQ(object(0).worldFTileLifeTime, 999);
}

}  // namespace
