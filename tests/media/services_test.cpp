#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/base/date_text.h"
#include "engine/media/headless/headless_platform.h"
#include "engine/media/pictures.h"
#include "engine/media/services.h"
#include "support/ogg_tone.h"
#include "support/test_support.h"

namespace media {
namespace {

class ServicesTest : public ::testing::Test {
  protected:
    void SetUp() override { start({}); }
    void TearDown() override {
        setInputObserver(nullptr);
        setMessageObserver(nullptr);
        shutdownServices();
    }
    void start(Replay replay, std::uint64_t seed = 1) {
        auto platform = std::make_unique<HeadlessPlatform>(640, 480, std::move(replay));
        headless = platform.get();
        initServices(std::move(platform), seed);
    }
    WindowHandle openTestScreen(int width = 64, int height = 48) {
        const WindowHandle window =
            openWindow(0, 0, width + 1, height + 1, "test", WindowStyle::Captioned);
        EXPECT_NE(window, 0u);
        EXPECT_NE(openScreen(window, 0, 0, width, height), 0);
        return window;
    }
    HeadlessPlatform* headless = nullptr;
    testing_support::TempDir dir;
};

TEST(ServicesStopped, EveryOperationFailsSafely) {
    ASSERT_FALSE(servicesRunning());
    EXPECT_EQ(desktopCount(), 0);
    EXPECT_EQ(desktopWidth(0), 0);
    EXPECT_EQ(openWindow(0, 0, 10, 10, "x", WindowStyle::Captioned), 0u);
    EXPECT_EQ(openScreen(1, 0, 0, 10, 10), 0);
    EXPECT_EQ(pollEvents(), kEventNone);
    EXPECT_EQ(milliseconds(), 0u);
    EXPECT_EQ(loadSound("nothing.ogg"), 0u);
    EXPECT_FALSE(joystickPresent());
    EXPECT_FALSE(pollMouse());
    EXPECT_EQ(messageBox("c", "t"), 0);
    flip();
    shutdownServices();
}

TEST_F(ServicesTest, DesktopWindowScreenAndClock) {
    EXPECT_EQ(desktopCount(), 1);
    EXPECT_EQ(desktopWidth(0), 640);
    EXPECT_EQ(desktopHeight(0), 480);
    EXPECT_EQ(desktopDepth(0), 32);
    EXPECT_EQ(desktopRefreshRate(0), 60);
    EXPECT_EQ(desktopWidth(1), 0);
    EXPECT_EQ(desktopWidth(-1), 0);

    EXPECT_EQ(openWindow(0, 0, 0, 10, "x", WindowStyle::Borderless), 0u);
    const WindowHandle window = openTestScreen(32, 24);
    EXPECT_EQ(openScreen(window + 1, 0, 0, 32, 24), 0);  // not our window
    EXPECT_EQ(openScreen(window, 0, 0, 0, 24), 0);
    EXPECT_EQ(openScreen(window, 0, 0, 100000, 100000), 0);
    EXPECT_EQ(screenWidth(), 32);
    EXPECT_EQ(screenHeight(), 24);
    EXPECT_TRUE(isForegroundWindow(window));
    EXPECT_FALSE(isForegroundWindow(0));

    const std::uint32_t start = milliseconds();
    for (int i = 0; i < 3; ++i)
        flip();
    EXPECT_EQ(milliseconds() - start, 50u);
    sleepMilliseconds(25);
    EXPECT_EQ(milliseconds() - start, 75u);
    EXPECT_EQ(base::formatDate("%yyyy,%mm,%dd  TIME:%hh:%ii:%ss", localTime()),
              "2000,01,01  TIME:00:00:00");
}

TEST_F(ServicesTest, EventPollFeedsInputAndObserver) {
    Replay replay;
    replay.events = {{1, {InputEventType::KeyDown, 0xCB, 0, 0}},
                     {1, {InputEventType::MouseMove, 0, 5, -5}},
                     {2, {InputEventType::Focus, 0, 0, 0}},
                     {3, {InputEventType::Quit, 0, 0, 0}}};
    shutdownServices();
    start(replay);
    const WindowHandle window = openTestScreen();
    std::vector<InputEvent> seen;
    setInputObserver([&seen](const InputEvent& event) { seen.push_back(event); });

    EXPECT_EQ(pollEvents(), kEventNone);  // start-up: nothing due
    headless->setTurn(1);
    EXPECT_EQ(pollEvents(), kEventInput);
    EXPECT_EQ(seen.size(), 2u);
    pollKeyboard();
    EXPECT_TRUE(keyHeld(0xCB));
    EXPECT_TRUE(keyPressed(0xCB));
    EXPECT_TRUE(pollMouse());
    EXPECT_EQ(mouseDeltaX(), 5);
    EXPECT_EQ(mouseDeltaY(), -5);

    headless->setTurn(2);
    pollEvents();
    EXPECT_FALSE(isForegroundWindow(window));
    headless->setTurn(3);
    EXPECT_EQ(pollEvents(), kEventCloseWindow);
    EXPECT_TRUE(inputState().quitRequested());
}

TEST_F(ServicesTest, PicturesLoadMissingAndKeyed) {
    openTestScreen();
    EXPECT_EQ(loadPicture(dir.file("missing.png")), 0u);
    testing_support::writeFile(dir.file("broken.png"), "not a picture");
    EXPECT_EQ(loadPicture(dir.file("broken.png")), 0u);

    Image image;
    image.width = 3;
    image.height = 2;
    image.pixels = {makeArgb(255, 0, 255, 0), makeArgb(255, 10, 20, 30), makeArgb(255, 0, 255, 0),
                    makeArgb(255, 1, 2, 3),   makeArgb(255, 4, 5, 6),    makeArgb(255, 7, 8, 9)};
    const std::string path = dir.file("tile.png");
    ASSERT_TRUE(writePng(path, image, true));
    const PictureHandle keyed = loadPicture(path, ColourKey{true, 0, 255, 0});
    ASSERT_NE(keyed, 0u);
    EXPECT_TRUE(pictureExists(keyed));
    EXPECT_EQ(pictureWidth(keyed), 3);
    EXPECT_EQ(pictureHeight(keyed), 2);
    ASSERT_NE(compositor().picture(keyed), nullptr);
    EXPECT_EQ(alphaOf(compositor().picture(keyed)->at(0, 0)), 0u);
    EXPECT_EQ(alphaOf(compositor().picture(keyed)->at(1, 0)), 255u);
    const PictureHandle plain = loadPicture(path);
    EXPECT_EQ(alphaOf(compositor().picture(plain)->at(0, 0)), 255u);
    EXPECT_EQ(liveHandleCounts(), (LiveHandles{2, 0, 0}));  // failed loads count nothing
    freePicture(keyed);
    freePicture(keyed);
    EXPECT_FALSE(pictureExists(keyed));
    EXPECT_FALSE(pictureExists(0));
    EXPECT_EQ(liveHandleCounts(), (LiveHandles{1, 0, 0}));
}

TEST_F(ServicesTest, SpritesDrawOnlyInsideAPass) {
    openTestScreen(16, 16);
    clearScreen(0, 0, 0);
    Image red;
    red.width = red.height = 2;
    red.pixels.assign(4, makeArgb(255, 255, 0, 0));
    const PictureHandle picture = compositor().addPicture(red);
    const SpriteHandle sprite = makeSprite(picture);
    ASSERT_NE(sprite, 0u);
    EXPECT_TRUE(spriteExists(sprite));
    EXPECT_EQ(makeSprite(0), 0u);
    zoomSprite(sprite, 8, 8);

    drawSprite(sprite, 4, 4, 255);  // outside a pass: nothing
    EXPECT_EQ(compositor().frame().pixels[6 * 16 + 6] & 0xFFFFFFu, 0u);

    beginSpritePass();
    setSpriteBlend(kBlendSrcAlpha, kBlendInvSrcAlpha);
    setSpriteFilter(false);
    drawSprite(sprite, 4, 4, 255);
    endSpritePass();
    const Framebuffer& frame = compositor().frame();
    EXPECT_EQ(frame.pixels[6 * 16 + 6] & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(frame.pixels[1 * 16 + 1] & 0xFFFFFFu, 0u);

    const PictureHandle grabbed = grabPicture(4, 4, 8, 8);
    ASSERT_NE(grabbed, 0u);
    EXPECT_EQ(pictureWidth(grabbed), 8);
    EXPECT_EQ(grabPicture(-100, -100, 8, 8), 0u);
    EXPECT_EQ(liveHandleCounts(), (LiveHandles{1, 1, 0}));  // the grab and the sprite
    freeSprite(sprite);
    EXPECT_FALSE(spriteExists(sprite));
    EXPECT_EQ(liveHandleCounts(), (LiveHandles{1, 0, 0}));
}

TEST_F(ServicesTest, SoundsByNumberAndHandle) {
    const std::string path = dir.file("pling.ogg");
    testing_support::writeFile(path, testing_support::encodeOggTone(1, 22050, 2205));
    EXPECT_TRUE(loadSoundAs(31, path));
    EXPECT_TRUE(soundExists(31));
    EXPECT_FALSE(loadSoundAs(0, path));
    EXPECT_FALSE(loadSoundAs(kNumberedSounds, path));
    EXPECT_FALSE(loadSoundAs(31, dir.file("missing.ogg")));  // a failed load frees the number
    EXPECT_FALSE(soundExists(31));

    const SoundHandle a = loadSound(path);
    const SoundHandle b = loadSound(path);
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    EXPECT_NE(a, b);
    EXPECT_GE(a, static_cast<SoundHandle>(kNumberedSounds));
    playSound(a, true);
    setSoundVolume(a, 500);
    stopSound(a);
    freeSound(a);
    EXPECT_FALSE(soundExists(a));
    EXPECT_TRUE(soundExists(b));
    EXPECT_EQ(loadSound(dir.file("missing.ogg")), 0u);
    EXPECT_EQ(liveHandleCounts(), (LiveHandles{0, 0, 1}));
    shutdownServices();
    EXPECT_EQ(liveHandleCounts(), (LiveHandles{}));
}

TEST_F(ServicesTest, MessageBoxesAnswerTheFirstButtonAndAreObserved) {
    std::vector<std::string> seen;
    setMessageObserver([&seen](std::string_view caption, std::string_view text,
                               const std::vector<std::string>& buttons) {
        seen.push_back(std::string(caption) + "|" + std::string(text) + "|" +
                       std::to_string(buttons.size()));
    });
    EXPECT_EQ(messageBox("Question", "Quit?", {"Yes", "No"}), 0);
    EXPECT_EQ(messageBox("Info", "Done"), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"Question|Quit?|2", "Info|Done|1"}));
}

TEST_F(ServicesTest, RandomFollowsTheSeed) {
    std::vector<int> first, second;
    shutdownServices();
    start({}, 5);
    for (int i = 0; i < 20; ++i)
        first.push_back(randomInt(100));
    shutdownServices();
    start({}, 5);
    for (int i = 0; i < 20; ++i)
        second.push_back(randomInt(100));
    EXPECT_EQ(first, second);
    EXPECT_EQ(randomInt(0), 0);
}

}  // namespace
}  // namespace media
