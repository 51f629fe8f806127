// Whole screens compared with committed PNGs: a level's head-up texts, the game over and a
// title screen, and the debug overlay over a level. Set RZ_UPDATE_GOLDEN=1 to rewrite the
// pictures after an intended change, then look at each before committing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "engine/debug_overlay.h"
#include "engine/screen_texts.h"
#include "engine/world_object.h"
#include "screens_fixture.h"

namespace {

const std::string kGoldenDirectory = std::string(RZ_SOURCE_DIR) + "/tests/engine/golden/";

class ScreensGoldenTest : public ScreensTest {
  protected:
    // A level as the overlay and the head-up texts see it.
    void fillLevel() {
        EngineSettings& s = engineSettings;
        s.version = "demo 1.0";
        s.actualMapId = 3;
        s.playerStatus[1].text = std::string(3, '"');
        s.playerStatus[2].text = "\xD6\xD6";
        s.playerStatus[4].text = std::string(4, '@');
        s.playerStatus[5].text = std::string(5, '&');
        s.playerStatus[6].text = std::string(4, '&');
        s.areaHeight = s.areaWidth = 32.0f;
        s.matrixSize = 64;
        s.objectLast = 1;
        s.collisionLast = 1;
        s.maxObjects = 4096;
        s.animSystemPath = ".\\DATA\\ANIM\\";
        s.soundPath = ".\\DATA\\SOUND\\";
        s.soundExtension = ".ogg";
        s.cachePath = ".\\CACHE\\";
        worldObjects.assign(3, WorldObject{});
        WorldObject& player = worldObjects[1];
        player.worldFTileVELO = 3.0f;
        player.worldFTileIsActive = 1;
        player.posX = 380.0f;
        player.posY = 150.0f;
        player.worldFTileIDString = "PLAYER";
        player.useWeapon = "FLAME";
        player.animContainer = "NOPE";
        player.picturePath = "GFX\\PLAYER.png";
        player.hp = 60;
        player.hasSprite = 1;
    }
    void texts(std::int32_t mapId) {
        media::beginSpritePass();
        engine::drawScreenTexts(mapId);
        media::endSpritePass();
    }
    void compareWithGolden(const std::string& name) {
        const media::Framebuffer& frame = media::compositor().frame();
        media::Image screen{frame.width, frame.height, frame.pixels};
        for (media::Argb& p : screen.pixels)
            p |= 0xFF000000u;
        const std::string path = kGoldenDirectory + name + ".png";
        if (std::getenv("RZ_UPDATE_GOLDEN") != nullptr) {
            testing_support::writeFile(path, media::encodePng(screen, false).value());
            GTEST_SKIP() << "rewrote " << path;
        }
        const auto golden = media::decodePng(testing_support::readFile(path));
        ASSERT_TRUE(golden.has_value()) << "missing or unreadable " << path;
        ASSERT_EQ(golden->width, screen.width);
        ASSERT_EQ(golden->height, screen.height);
        int differing = 0;
        for (std::size_t i = 0; i < screen.pixels.size(); ++i) {
            differing += (golden->pixels[i] | 0xFF000000u) != screen.pixels[i];
        }
        EXPECT_EQ(differing, 0) << name;
    }
};

TEST_F(ScreensGoldenTest, LevelHeadUpTexts) {
    openScreen(480, 160);
    writeLetterFont(2);
    engine::loadFont();
    fillLevel();
    media::clearScreen(20, 40, 30);
    engineSettings.errorDetected = 1;
    texts(3);
    compareWithGolden("level_texts");
}

TEST_F(ScreensGoldenTest, GameOverAndTitleScreens) {
    openScreen(240, 120);
    writeLetterFont();
    engine::loadFont();
    texts(engine::kGameOverScreen);
    compareWithGolden("game_over");

    openScreen(1000, 200);
    writeLetterFont(10);
    engine::loadFont();
    writeCore("copyright",
              " rerizuva demo\\\r\n (c) the developers\\\r\n all rights reserved|\r\n");
    media::clearScreen(0, 0, 0);
    texts(1001);
    compareWithGolden("title_copyright");
}

TEST_F(ScreensGoldenTest, DebugOverlayOverALevel) {
    openScreen(560, 416);
    writeLetterFont();
    engine::loadFont();
    fillLevel();
    engineSettings.overlay = 1;
    media::clearScreen(20, 40, 30);
    texts(3);
    engine::debugOverlay();
    compareWithGolden("overlay");
}

}  // namespace
