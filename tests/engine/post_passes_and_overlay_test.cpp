// The smoothing and glow pass and the debug overlay with the noise screen.
#include <gtest/gtest.h>

#include <string>

#include "engine/debug_overlay.h"
#include "engine/post_passes.h"
#include "engine/world_object.h"
#include "screens_fixture.h"

namespace {

class PostPassTest : public ScreensTest {
  protected:
    void SetUp() override {
        ScreensTest::SetUp();
        openScreen(16, 12);
        media::clearScreen(100, 30, 200);
        media::plot(5, 5, media::rgb(60, 60, 60));
    }
    void runPass() {
        media::beginSpritePass();
        engine::smoothAndGlowPass();
        media::endSpritePass();
    }
};

TEST_F(PostPassTest, GlowDoublesEveryChannelWithoutFiltering) {
    engineSettings.bloom = 1;
    runPass();
    EXPECT_EQ(pixel(0, 0), media::rgb(100, 30, 200)) << "row 0 and column 0 are not grabbed";
    EXPECT_EQ(pixel(1, 1), media::rgb(200, 60, 255));
    EXPECT_EQ(pixel(15, 11), media::rgb(200, 60, 255));
    EXPECT_EQ(pixel(5, 5), media::rgb(120, 120, 120));
    EXPECT_EQ(pixel(6, 5), media::rgb(200, 60, 255)) << "no filtering";
    runPass();  // the previous grab is freed and replaced
    EXPECT_EQ(pixel(5, 5), media::rgb(240, 240, 240));
}

TEST_F(PostPassTest, SmoothingSoftensAndAFailedGrabDrawsNothing) {
    engineSettings.appSmooth = 1;
    runPass();
    EXPECT_EQ(pixel(1, 1), media::rgb(100, 30, 200));
    EXPECT_NE(pixel(6, 5), media::rgb(100, 30, 200)) << "the filter spreads the dark pixel";

    media::clearScreen(100, 30, 200);
    engineSettings.bloom = 1;
    engineSettings.SCRW = 1.0f;  // nothing to grab
    runPass();
    EXPECT_EQ(countOtherThan(media::rgb(100, 30, 200)), 0);
}

class OverlayTest : public ScreensTest {
  protected:
    void SetUp() override {
        ScreensTest::SetUp();
        openScreen(64, 48);
    }
};

TEST_F(OverlayTest, FiguresAndLabelsOfMovingActiveObjects) {
    EngineSettings& s = engineSettings;
    s.scalerX = 2.5f;
    s.actualMapId = 12;
    const auto figures = engine::overlayFigureLines();
    ASSERT_EQ(figures.size(), 28u);
    EXPECT_EQ(figures.front().y, 10);
    EXPECT_EQ(figures.back().y, 396);
    EXPECT_EQ(figures[3].text, "SCALER X: 2.5 SCALER Y: 1");
    EXPECT_EQ(figures[15].text, "MAPID#:12");

    // No map loaded: objectLast 0, so only object 0 is visited.
    worldObjects.assign(3, WorldObject{});
    worldObjects[1].worldFTileVELO = 2.0f;
    worldObjects[1].worldFTileIsActive = 1;
    EXPECT_TRUE(engine::objectLabelLines().empty());
    s.objectLast = 2;
    worldObjects[2].worldFTileVELO = 1.0f;
    worldObjects[2].worldFTileIsActive = -1;  // gone: no label
    worldObjects[1].posX = 5.4f;
    worldObjects[1].posY = 7.0f;
    s.viewOffsetX = 10.0f;
    s.viewOffsetY = 20.0f;
    const auto labels = engine::objectLabelLines();
    ASSERT_EQ(labels.size(), 13u);
    EXPECT_EQ(labels.front().x, 15);
    EXPECT_EQ(labels.front().y, 27 + 14);
    EXPECT_EQ(labels[3].text, "MapX:15  MapY:27");
    EXPECT_EQ(labels.back().y, 27 + 184);
}

TEST_F(OverlayTest, MissingMapShowsNoiseAndPauseHidesEverything) {
    EngineSettings& s = engineSettings;
    media::clearScreen(50, 50, 50);
    s.paused = 1;
    s.mapMissing = 1;
    s.overlay = 1;
    engine::debugOverlay();
    EXPECT_EQ(countOtherThan(media::rgb(50, 50, 50)), 0);

    s.paused = 0;
    s.overlay = 0;
    engine::debugOverlay();
    const int black = countPixels(media::rgb(0, 0, 0));
    const int green = countPixels(media::rgb(0, 100, 0));
    EXPECT_GT(green, 100);
    EXPECT_EQ(black + green, 64 * 48) << "black plus dark green characters";

    s.mapMissing = 0;
    s.overlay = 1;
    media::clearScreen(50, 50, 50);
    engine::debugOverlay();
    EXPECT_EQ(pixel(9, 10), media::rgb(50, 50, 50));
    EXPECT_EQ(pixel(10, 10), media::rgb(0, 0, 0)) << "lines on black from x = 10";
    EXPECT_GT(countPixels(media::rgb(0, 200, 0)), 100);
}

}  // namespace
