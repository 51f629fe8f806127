#include <gtest/gtest.h>

#include <string>

#include "support/ogg_tone.h"
#include "world/level_loader.h"
#include "world/object_streaming.h"
#include "world_fixture.h"

namespace world_test {
namespace {

using world::streamStep;

class StreamingTest : public WorldTest {
  protected:
    // Loads map 1 holding the given records.
    void loadMap(const std::vector<formats::TileRecord>& records) {
        writeLayer(1, 0, records);
        engineSettings.nextMapId = 1;
        world::loadLevel();
    }
    // What the object update leaves for the streaming step.
    static void seen(WorldObject& object, bool onScreen) {
        object.onScreen = onScreen ? 1 : 0;
        if (onScreen) object.lastSeenTick = static_cast<std::int32_t>(media::milliseconds());
    }
};

TEST_F(StreamingTest, AStillObjectLeavesAfterItsAreaInMillisecondsOffScreen) {
    writeTile("DOT", {{"worldFTileIsActive", "1"}}, 4, 4);
    loadMap({tile("DOT", 0, 0, 10, 10), tile("DOT", 20, 0, 10, 10)});
    seen(object(0), true);
    streamStep(0);
    WorldObject& dot = object(0);
    ASSERT_EQ(dot.hasSprite, 1);
    EXPECT_TRUE(media::spriteExists(dot.sprite3D));
    EXPECT_EQ(dot.streamState, kStreamedIn);
    EXPECT_EQ(dot.pictureWidth, 4.0f);
    EXPECT_EQ(engineSettings.streamIndicator, 1);
    const media::SpriteHandle sprite = dot.sprite3D;

    seen(dot, false);
    media::sleepMilliseconds(100);
    streamStep(0);
    EXPECT_EQ(dot.hasSprite, 1);  // 100 ms is not more than the area of 100
    media::sleepMilliseconds(1);
    streamStep(0);
    EXPECT_EQ(dot.hasSprite, 0);
    EXPECT_EQ(dot.sprite3D, 0u);
    EXPECT_FALSE(media::spriteExists(sprite));
    EXPECT_EQ(dot.streamState, kStreamedOut);
    EXPECT_EQ(engineSettings.streamIndicator, 0);

    seen(dot, true);
    streamStep(0);
    EXPECT_EQ(dot.hasSprite, 1);

    // Objects of one tile share the cached picture and have sprites of their own.
    seen(object(1), true);
    streamStep(1);
    EXPECT_NE(object(1).sprite3D, object(0).sprite3D);
    EXPECT_EQ(engineSettings.pictureCacheCount, 1);
}

TEST_F(StreamingTest, InactiveAndNoStreamObjectsGetNothing) {
    writeTile("OFF", {{"worldFTileIsActive", "0"}, {"worldFTileSoundFile", "HUM"}});
    writeTile("FIXED",
              {{"worldFTileIsActive", "1"}, {"noStream", "1"}, {"worldFTileSoundFile", "HUM"}});
    loadMap({tile("OFF", 0, 0, 8, 8), tile("FIXED", 0, 0, 8, 8)});
    const int warningsBefore = warningCount();  // the level has no music
    for (std::int32_t i = 0; i <= 1; ++i) {
        seen(object(i), true);
        streamStep(i);
        EXPECT_EQ(object(i).hasSprite, 0) << i;
        EXPECT_EQ(object(i).sprite3D, 0u) << i;
        EXPECT_EQ(object(i).objectSound, 0u) << i;
    }
    EXPECT_EQ(warningCount(), warningsBefore);  // no sound was even tried
}

TEST_F(StreamingTest, AMissingSoundWarnsOncePerStreamIn) {
    writeTile("BEE", {{"worldFTileIsActive", "1"}, {"worldFTileSoundFile", "BUZZ"}});
    loadMap({tile("BEE", 0, 0, 2, 2)});
    const int warningsBefore = warningCount();
    WorldObject& bee = object(0);
    seen(bee, true);
    streamStep(0);
    streamStep(0);
    EXPECT_EQ(warningCount(), warningsBefore + 1);
    EXPECT_EQ(engineSettings.lastWarning,
              "SoundFile BUZZ not found\nObject: " + engineSettings.gfxPath + "BEE.png");
    EXPECT_EQ(bee.soundLoaded, 0);
    seen(bee, false);
    media::sleepMilliseconds(10);
    streamStep(0);
    ASSERT_EQ(bee.hasSprite, 0);
    seen(bee, true);
    streamStep(0);
    EXPECT_EQ(warningCount(), warningsBefore + 2);
}

TEST_F(StreamingTest, AStreamInFindingItsSoundStillLoadedUsesIt) {
    testing_support::writeFile(dir.file("SOUND/HUM.ogg"),
                               testing_support::encodeOggTone(1, 8000, 400));
    writeTile("FAN", {{"worldFTileIsActive", "1"},
                      {"worldFTileSoundFile", "HUM"},
                      {"worldFTileSoundVolume", "200"}});
    loadMap({tile("FAN", 0, 0, 2, 2)});
    WorldObject& fan = object(0);
    seen(fan, true);
    streamStep(0);
    ASSERT_EQ(fan.soundLoaded, 1);
    const media::SoundHandle sound = fan.objectSound;
    ASSERT_TRUE(media::soundExists(sound));
    seen(fan, false);
    media::sleepMilliseconds(5);
    streamStep(0);
    ASSERT_EQ(fan.hasSprite, 0);
    EXPECT_TRUE(media::soundExists(sound));  // the stream-out keeps the sound
    seen(fan, true);
    streamStep(0);
    EXPECT_EQ(fan.objectSound, sound);

    world::freeObjectSound(0);
    EXPECT_FALSE(media::soundExists(sound));
    EXPECT_EQ(fan.soundLoaded, 0);
    EXPECT_EQ(fan.objectSound, 0u);
}

TEST(StreamingClock, TheDelayHoldsAcrossTheTickWrap) {
    const auto lastSeen = static_cast<std::int32_t>(0xFFFFFFF0u);
    EXPECT_TRUE(world::offScreenLongEnough(5, lastSeen, 20));  // 21 ms later
    EXPECT_FALSE(world::offScreenLongEnough(5, lastSeen, 21));
    EXPECT_FALSE(world::offScreenLongEnough(1000, 900, 100));
    EXPECT_TRUE(world::offScreenLongEnough(1001, 900, 100));
}

}  // namespace
}  // namespace world_test
