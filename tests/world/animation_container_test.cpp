#include <gtest/gtest.h>

#include <string>

#include "world/animation_container.h"
#include "world/level_loader.h"
#include "world/object_streaming.h"
#include "world_fixture.h"

namespace world_test {
namespace {

class AnimationContainerTest : public WorldTest {
  protected:
    void writeFrames(const std::string& container, const std::string& direction,
                     std::initializer_list<int> frames, int width = 32, int height = 32) const {
        for (const int frame : frames) {
            writePicture(dir.file("ANIM/" + container + "/" + direction + "/" +
                                  std::to_string(frame) + ".png"),
                         width, height);
        }
    }
    void loadHero(float width, float height) {
        writeTile("HERO", {{"worldFTileIsActive", "1"}, {"animContainer", "HERO"}}, 32, 32);
        writeLayer(1, 0, {tile("HERO", 0, 0, width, height)});
        engineSettings.nextMapId = 1;
        world::loadLevel();
    }
    void streamIn() {
        object(0).onScreen = 1;
        world::streamStep(0);
    }
};

TEST_F(AnimationContainerTest, SetsEndAtTheirFirstMissingFrame) {
    writeFrames("HERO", "DEFAULT", {1, 2, 3, 4, 6});
    writeFrames("HERO", "LEFT", {1, 2});
    writeFrames("HERO", "RIGHT", {1});
    writeFrames("HERO", "DOWN", {2});  // no frame 1: the set stays empty
    loadHero(64, 32);
    WorldObject& hero = object(0);
    DirectionSets& heroSets = directionSets(0);
    ASSERT_EQ(hero.hasAnimContainer, 1);
    EXPECT_EQ(hero.animDirection, kDirectionUp);
    EXPECT_EQ(hero.animFrameCount, 31);
    EXPECT_EQ(hero.zoomX, 2.0f);
    EXPECT_EQ(hero.zoomY, 1.0f);
    EXPECT_EQ(hero.framesResident, 0);

    streamIn();
    EXPECT_EQ(hero.framesResident, 1);
    EXPECT_EQ(hero.hasSprite, 1);
    EXPECT_EQ(hero.streamState, kStreamedIn);
    EXPECT_EQ(heroSets.defaultSet.frameCount, 4);
    EXPECT_EQ(heroSets.defaultSet.frameSprites[6], 0u);
    EXPECT_EQ(heroSets.defaultSet.frameSprites[5], 0u);
    EXPECT_TRUE(media::spriteExists(heroSets.defaultSet.frameSprites3D[4]));
    EXPECT_EQ(heroSets.defaultSet.frameWidths[1], 64);  // 32 x 1 x zoom 2
    EXPECT_EQ(heroSets.defaultSet.frameHeights[1], 32);
    EXPECT_EQ(heroSets.leftSet.frameCount, 2);
    EXPECT_EQ(heroSets.rightSet.frameCount, 1);
    EXPECT_EQ(heroSets.upSet.frameCount, 0);
    EXPECT_EQ(heroSets.upSet.currentFrame, 1);
    EXPECT_EQ(heroSets.downSet.frameCount, 0);
    EXPECT_EQ(heroSets.downSet.currentFrame, 1);

    // Off screen for any time the frames stay.
    const media::SpriteHandle frame = heroSets.leftSet.frameSprites3D[2];
    hero.onScreen = 0;
    media::sleepMilliseconds(100000);
    world::streamStep(0);
    EXPECT_EQ(hero.framesResident, 1);
    EXPECT_TRUE(media::spriteExists(frame));

    // The unload frees them.
    engineSettings.nextMapId = 2;
    world::loadLevel();
    EXPECT_FALSE(media::spriteExists(frame));
}

TEST_F(AnimationContainerTest, FramesAreSizedByTheScreenFactorAndTheZoom) {
    setScreen(1600, 1200, 800, 600);
    writeFrames("HERO", "DEFAULT", {1}, 16, 8);
    loadHero(64, 32);
    EXPECT_EQ(object(0).zoomX, 2.0f);  // the map size over the picture, before the fit
    EXPECT_EQ(object(0).width, 128.0f);
    streamIn();
    EXPECT_EQ(readDirectionSets(0).defaultSet.frameWidths[1], 16 * 2 * 2);
    EXPECT_EQ(readDirectionSets(0).defaultSet.frameHeights[1], 8 * 2 * 1);
}

TEST_F(AnimationContainerTest, TheFrameCountIsCappedAt31) {
    engineSettings.maxAnimFrames = 40;
    std::initializer_list<int> frames = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                         12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
                                         23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33};
    writeFrames("HERO", "UP", frames, 2, 2);
    loadHero(2, 2);
    EXPECT_EQ(object(0).animFrameCount, 31);
    streamIn();
    EXPECT_EQ(readDirectionSets(0).upSet.frameCount, 31);
    EXPECT_EQ(readDirectionSets(0).upSet.currentFrame, 1);  // a full set shows frame 1

    engineSettings.maxAnimFrames = 1;
    engineSettings.nextMapId = 1;
    world::loadLevel();
    streamIn();
    EXPECT_EQ(readDirectionSets(0).upSet.frameCount, 1);
    EXPECT_EQ(readDirectionSets(0).upSet.frameSprites[2], 0u);
}

TEST_F(AnimationContainerTest, AMissingContainerLeavesTheObjectStill) {
    loadHero(64, 32);
    EXPECT_EQ(object(0).hasAnimContainer, 0);
    EXPECT_EQ(object(0).animFrameCount, 31);
    EXPECT_EQ(object(0).zoomX, 0.0f);
    streamIn();
    EXPECT_EQ(object(0).framesResident, 0);
    EXPECT_TRUE(media::spriteExists(object(0).sprite3D));  // drawn from its still picture
}

}  // namespace
}  // namespace world_test
