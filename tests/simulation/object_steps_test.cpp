#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "simulation/after_draw.h"
#include "simulation/object_steps.h"
#include "simulation/object_update.h"
#include "simulation_fixture.h"

namespace {

using simulation::rotatedCorners;

class ObjectStepsTest : public SimulationTest {
  protected:
    void SetUp() override {
        SimulationTest::SetUp();
        makeObjects(2);
        object(0).onScreen = 1;
    }
};

void expectCorner(const media::Point& corner, float x, float y) {
    EXPECT_NEAR(corner.x, x, 1e-4f);
    EXPECT_NEAR(corner.y, y, 1e-4f);
}

TEST(RotatedCorners, ASquareStandsUprightAtZeroAndTurnsClockwise) {
    const auto upright = rotatedCorners(10.0f, 10.0f, 0.0f);
    expectCorner(upright[0], 0.0f, 0.0f);  // upper left
    expectCorner(upright[1], 10.0f, 0.0f);
    expectCorner(upright[2], 10.0f, 10.0f);
    expectCorner(upright[3], 0.0f, 10.0f);

    // A quarter turn (y grows downwards): the upper left corner goes to the upper right.
    const auto quarter = rotatedCorners(10.0f, 10.0f, std::numbers::pi_v<float> / 2.0f);
    expectCorner(quarter[0], 10.0f, 0.0f);
    expectCorner(quarter[1], 10.0f, 10.0f);
    expectCorner(quarter[2], 0.0f, 10.0f);
    expectCorner(quarter[3], 0.0f, 0.0f);
}

TEST(RotatedCorners, AWideObjectKeepsItsShape) {
    const auto upright = rotatedCorners(20.0f, 10.0f, 0.0f);
    expectCorner(upright[0], 0.0f, 0.0f);
    expectCorner(upright[2], 20.0f, 10.0f);
    const auto none = rotatedCorners(0.0f, 0.0f, 1.0f);
    for (const media::Point& corner : none)
        expectCorner(corner, 0.0f, 0.0f);
}

TEST_F(ObjectStepsTest, ARotatedSpriteIsDrawnUpright) {
    // Red upper half, blue lower half: after a rotation step at angle 0 the picture must
    // not be mirrored or turned; after a quarter turn red lies on the right.
    const media::SpriteHandle sprite = twoToneSprite(16, 16);
    object(0).sprite3D = sprite;
    object(0).hasSprite = 1;
    object(0).width = 16.0f;
    object(0).height = 16.0f;
    object(0).worldFTileRotate = std::numbers::pi_v<float> / 2.0f;
    simulation::rotationStep(0);  // corners at angle 0
    media::beginSpritePass();
    media::clearScreen(0, 0, 0);
    media::drawSprite(sprite, 10.0f, 10.0f, 255);
    EXPECT_EQ(pixel(18, 12), media::rgb(255, 0, 0));
    EXPECT_EQ(pixel(18, 23), media::rgb(0, 0, 255));
    simulation::rotationStep(0);  // corners at a quarter turn
    media::clearScreen(0, 0, 0);
    media::drawSprite(sprite, 10.0f, 10.0f, 255);
    media::endSpritePass();
    EXPECT_EQ(pixel(23, 18), media::rgb(255, 0, 0));
    EXPECT_EQ(pixel(12, 18), media::rgb(0, 0, 255));
}

TEST_F(ObjectStepsTest, RandomRotateDecidesHowOftenTheObjectTurns) {
    object(0).hasSprite = 1;
    object(0).worldFTileRotate = 0.5f;
    object(0).worldFTileRandomRotate = 0;
    for (int frame = 0; frame < 100; ++frame) {
        simulation::objectStep(0);
        EXPECT_EQ(object(0).rotating, 1);
    }
    EXPECT_FLOAT_EQ(object(0).rotationAngle, 50.0f);

    object(0).rotationAngle = 0.0f;
    object(0).worldFTileRandomRotate = 9;
    int turns = 0;
    for (int frame = 0; frame < 2000; ++frame) {
        simulation::objectStep(0);
        turns += object(0).rotating;
    }
    EXPECT_GT(turns, 140);  // about one frame in ten
    EXPECT_LT(turns, 260);

    // Off screen the rotation block does not run; without a sprite nothing turns.
    object(0).onScreen = 0;
    const float angle = object(0).rotationAngle;
    simulation::objectStep(0);
    EXPECT_EQ(object(0).rotationAngle, angle);
    object(0).onScreen = 1;
    object(0).hasSprite = 0;
    simulation::objectStep(0);
    EXPECT_EQ(object(0).rotationAngle, angle);
}

TEST_F(ObjectStepsTest, FlickerRevivesASwitchedOffObjectButNeverAGoneOne) {
    object(0).worldFTileFlire = 1.0f;
    object(0).worldFTileIsActive = kObjectSwitchedOff;  // switched off by some action
    int revived = 0;
    int off = 0;
    for (int frame = 0; frame < 200; ++frame) {
        simulation::objectStep(0);
        revived += object(0).worldFTileIsActive == kObjectActive ? 1 : 0;
        off += object(0).worldFTileIsActive == kObjectSwitchedOff ? 1 : 0;
    }
    EXPECT_GT(revived, 50);
    EXPECT_GT(off, 50);

    object(1).worldFTileFlire = 1.0f;
    object(1).worldFTileIsActive = kObjectGone;
    for (int frame = 0; frame < 200; ++frame)
        simulation::objectStep(1);
    EXPECT_EQ(object(1).worldFTileIsActive, kObjectGone);

    object(1).worldFTileFlire = 0.0f;
    object(1).worldFTileIsActive = kObjectSwitchedOff;
    for (int frame = 0; frame < 200; ++frame)
        simulation::objectStep(1);
    EXPECT_EQ(object(1).worldFTileIsActive, kObjectSwitchedOff);
}

TEST_F(ObjectStepsTest, ExpansionRestartsAtFullSize) {
    object(0).worldFTileExpansionValueH = -4.0f;
    object(0).worldFTileExpansionValueV = 1.0f;
    simulation::objectStep(0);
    EXPECT_EQ(object(0).width, 6.0f);
    EXPECT_EQ(object(0).height, 11.0f);
    simulation::objectStep(0);
    simulation::objectStep(0);  // 2 - 4 <= 0: back to maxWidth
    EXPECT_EQ(object(0).width, 10.0f);
}

TEST_F(ObjectStepsTest, FrameStepsWrapAndKeepTheTimer) {
    WorldObject& walker = object(0);
    DirectionSets& walkerSets = directionSets(0);
    walker.hasAnimContainer = 1;
    walker.animDirection = kDirectionDefault;
    walker.animTimer = 100;
    walkerSets.defaultSet.frameCount = 3;
    walkerSets.defaultSet.currentFrame = 1;
    for (int f = 1; f <= 3; ++f) {
        walkerSets.defaultSet.frameWidths[static_cast<std::size_t>(f)] = 10 * f;
        walkerSets.defaultSet.frameHeights[static_cast<std::size_t>(f)] = 5 * f;
    }
    std::int32_t frames[4] = {};
    for (int& shown : frames) {
        advanceClock(101);
        simulation::objectStep(0);
        shown = walkerSets.defaultSet.currentFrame;
    }
    EXPECT_EQ(frames[0], 2);
    EXPECT_EQ(frames[1], 3);
    EXPECT_EQ(frames[2], 1);
    EXPECT_EQ(frames[3], 2);
    EXPECT_EQ(walker.width, 20.0f);
    EXPECT_EQ(walker.height, 10.0f);
    simulation::objectStep(0);  // no time has passed: no step
    EXPECT_EQ(walkerSets.defaultSet.currentFrame, 2);
    walker.animTimer = 0;
    advanceClock(1000);
    simulation::objectStep(0);
    EXPECT_EQ(walkerSets.defaultSet.currentFrame, 2);
}

TEST_F(ObjectStepsTest, DirectionFrameStepsChooseTheSetAndWidenTheMaximum) {
    WorldObject& walker = object(0);
    DirectionSets& walkerSets = directionSets(0);
    walker.hasAnimContainer = 1;
    walker.animTimer = 10;
    walkerSets.rightSet.frameCount = 1;
    walkerSets.rightSet.frameWidths[1] = 14;
    walkerSets.rightSet.frameHeights[1] = 12;
    walker.worldFTileMoveH = 1.0f;
    advanceClock(11);
    simulation::horizontalFrameStep(0);
    EXPECT_EQ(walker.animDirection, kDirectionRight);
    EXPECT_EQ(walkerSets.rightSet.currentFrame, 1);
    EXPECT_EQ(walker.width, 14.0f);
    EXPECT_EQ(walker.maxWidth, 14.0f);
    EXPECT_EQ(walker.maxHeight, 12.0f);

    // No UP frames: the set shows frame 1 and the object keeps its size.
    walker.worldFTileMoveV = -1.0f;
    advanceClock(11);
    simulation::verticalFrameStep(0);
    EXPECT_EQ(walker.animDirection, kDirectionUp);
    EXPECT_EQ(walkerSets.upSet.currentFrame, 1);
    EXPECT_EQ(walker.width, 14.0f);

    // A still object has no frames to take its size from.
    WorldObject& still = object(1);
    still.animTimer = 10;
    still.worldFTileMoveH = -1.0f;
    advanceClock(11);
    simulation::horizontalFrameStep(1);
    EXPECT_EQ(still.width, 10.0f);
}

TEST_F(ObjectStepsTest, TouchRotationDecaysToASpeedBelowTheStep) {
    object(0).worldFTileTouchRotate = 1;
    object(0).worldFTileRotate = 0.07f;
    for (int frame = 0; frame < 5; ++frame)
        simulation::afterDrawStep(0);
    EXPECT_NEAR(object(0).worldFTileRotate, 0.02f, 1e-6f);
    object(0).worldFTileRotate = 0.03f;
    for (int frame = 0; frame < 100; ++frame)
        simulation::afterDrawStep(0);
    EXPECT_EQ(object(0).worldFTileRotate, 0.03f);

    object(1).worldFTileTouchTransparency = 40;
    object(1).baseTransparency = 200;
    object(1).worldFTileTransparency = 40.0f;
    object(1).onScreen = 1;
    simulation::afterDrawStep(1);
    EXPECT_EQ(object(1).worldFTileTransparency, 200.0f);
}

}  // namespace
