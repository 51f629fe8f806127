// The SDL back end on SDL's dummy video and audio drivers: runs on machines without a
// display or sound card.
#include "engine/media/sdl/sdl_platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "engine/media/sdl/sdl_joystick.h"
#include "engine/media/sdl/sdl_text.h"

namespace {

using media::InputEvent;
using media::InputEventType;

std::unique_ptr<media::Platform> makeDummyPlatform() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return media::makeSdlPlatform();
}

media::WindowRequest smallWindow() {
    media::WindowRequest request;
    request.x = 10;
    request.y = 20;
    request.width = 64;
    request.height = 48;
    request.title = "test";
    return request;
}

std::vector<InputEvent> drain(media::Platform& platform) {
    std::vector<InputEvent> events;
    platform.pollEvents(events);
    std::erase_if(events, [](const InputEvent& e) { return e.type == InputEventType::Focus; });
    return events;
}

void pushKey(Uint32 type, SDL_Scancode scancode, Uint8 repeat = 0) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.scancode = scancode;
    event.key.repeat = repeat;
    SDL_PushEvent(&event);
}

TEST(SdlPlatform, WindowPresentAndDesktop) {
    auto platform = makeDummyPlatform();
    if (!platform) GTEST_SKIP() << "SDL video unavailable";
    EXPECT_GE(platform->desktopCount(), 1);
    EXPECT_GT(platform->desktop(0).width, 0);
    EXPECT_EQ(platform->desktop(99).width, 0);

    EXPECT_FALSE(platform->windowOpen());
    EXPECT_FALSE(platform->openWindow({0, 0, 0, 48, "empty", media::WindowStyle::Captioned}));
    ASSERT_TRUE(platform->openWindow(smallWindow()));
    EXPECT_TRUE(platform->windowOpen());
    EXPECT_TRUE(platform->isForeground());

    media::Framebuffer frame{32, 24, std::vector<media::Argb>(32 * 24, 0xFF204060u)};
    platform->present(frame);
    frame = {128, 96, std::vector<media::Argb>(128 * 96, 0xFFFFFFFFu)};
    platform->present(frame);         // a new size: the texture is made again
    platform->present({16, 16, {}});  // too few pixels: ignored
    platform->moveWindow(5, 5, 80, 60);

    ASSERT_TRUE(platform->openWindow({0, 0, 100, 50, "again", media::WindowStyle::Borderless}));
    platform->present(frame);
    platform->shutdown();
    EXPECT_FALSE(platform->windowOpen());
    platform->shutdown();  // twice is harmless
    EXPECT_EQ(platform->desktopCount(), 0);
}

// Makes SDL's own allocations of at least a given size fail while it lives, the way a
// renderer refuses a texture when memory runs out.
class LargeAllocationsFail {
  public:
    explicit LargeAllocationsFail(std::size_t limit) {
        SDL_GetMemoryFunctions(&malloc_, &calloc_, &realloc_, &free_);
        limit_ = limit;
        SDL_SetMemoryFunctions(&limitedMalloc, &limitedCalloc, &limitedRealloc, free_);
    }
    ~LargeAllocationsFail() { SDL_SetMemoryFunctions(malloc_, calloc_, realloc_, free_); }
    LargeAllocationsFail(const LargeAllocationsFail&) = delete;
    LargeAllocationsFail& operator=(const LargeAllocationsFail&) = delete;

  private:
    static void* limitedMalloc(size_t size) { return size >= limit_ ? nullptr : malloc_(size); }
    static void* limitedCalloc(size_t count, size_t size) {
        return count >= limit_ / std::max<size_t>(size, 1) ? nullptr : calloc_(count, size);
    }
    static void* limitedRealloc(void* memory, size_t size) {
        return size >= limit_ ? nullptr : realloc_(memory, size);
    }

    static inline SDL_malloc_func malloc_ = nullptr;
    static inline SDL_calloc_func calloc_ = nullptr;
    static inline SDL_realloc_func realloc_ = nullptr;
    static inline SDL_free_func free_ = nullptr;
    static inline std::size_t limit_ = 0;
};

// The colour the window shows at its top left corner (the dummy driver's window surface).
Uint32 windowColour(const char* title) {
    for (Uint32 id = 1; id < 256; ++id) {
        SDL_Window* window = SDL_GetWindowFromID(id);
        if (window == nullptr || std::string_view(SDL_GetWindowTitle(window)) != title) continue;
        SDL_Surface* surface = SDL_GetWindowSurface(window);
        if (surface == nullptr || SDL_LockSurface(surface) != 0) return 0;
        Uint8 red = 0;
        Uint8 green = 0;
        Uint8 blue = 0;
        SDL_GetRGB(*static_cast<const Uint32*>(surface->pixels), surface->format, &red, &green,
                   &blue);
        SDL_UnlockSurface(surface);
        return media::makeArgb(255, red, green, blue);
    }
    return 0;
}

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// A frame whose texture cannot be made is lost, not the game: the window keeps the last
// frame, the failure is reported once, the frames keep their spacing (the game's speed
// depends on it), and a later frame is shown as soon as the renderer takes it again.
TEST(SdlPlatform, FramesTheRendererRefusesAreLostAtTheirUsualPace) {
    auto platform = makeDummyPlatform();
    if (!platform) GTEST_SKIP() << "SDL video unavailable";
    ASSERT_TRUE(platform->openWindow(smallWindow()));
    const media::Argb red = media::makeArgb(255, 200, 0, 0);
    const media::Argb blue = media::makeArgb(255, 0, 0, 200);
    platform->present({32, 24, std::vector<media::Argb>(32 * 24, red)});
    if (windowColour("test") != red) GTEST_SKIP() << "the window's pixels cannot be read";

    // A larger frame needs a new texture, which cannot be made now.
    const media::Framebuffer large{256, 192, std::vector<media::Argb>(256 * 192, blue)};
    testing::internal::CaptureStderr();
    std::uint32_t elapsed = 0;
    {
        LargeAllocationsFail failing(100000);
        const std::uint32_t start = platform->milliseconds();
        for (int i = 0; i < 6; ++i)
            platform->present(large);
        elapsed = platform->milliseconds() - start;
    }
    const std::string lost = testing::internal::GetCapturedStderr();
    EXPECT_EQ(occurrences(lost, "Frames cannot be shown"), 1) << lost;
    EXPECT_EQ(windowColour("test"), red);
    EXPECT_GE(elapsed, 80u);  // five refreshes of 60 Hz after the first frame

    testing::internal::CaptureStderr();
    platform->present(large);
    platform->present(large);
    const std::string again = testing::internal::GetCapturedStderr();
    EXPECT_EQ(occurrences(again, "Frames are shown again"), 1) << again;
    EXPECT_EQ(windowColour("test"), blue);
    platform->shutdown();
}

TEST(SdlPlatform, TranslatesInputEvents) {
    auto platform = makeDummyPlatform();
    if (!platform) GTEST_SKIP() << "SDL video unavailable";
    ASSERT_TRUE(platform->openWindow(smallWindow()));
    // Frames twice the window's size: positions are reported in frame pixels.
    platform->present({128, 96, std::vector<media::Argb>(128 * 96, 0)});
    drain(*platform);

    pushKey(SDL_KEYDOWN, SDL_SCANCODE_LEFT);
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_LEFT, 1);  // auto-repeat: no new event
    pushKey(SDL_KEYUP, SDL_SCANCODE_LEFT);
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_UNKNOWN);  // no scan code: dropped
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = 10;
    event.motion.y = 20;
    event.motion.xrel = 3;
    event.motion.yrel = -2;
    SDL_PushEvent(&event);
    event.motion.x = 13;
    event.motion.y = 18;
    event.motion.xrel = 99;  // not used: motion is the difference of desktop positions
    SDL_PushEvent(&event);
    event = {};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_RIGHT;
    SDL_PushEvent(&event);
    event.type = SDL_MOUSEBUTTONUP;
    event.button.button = SDL_BUTTON_MIDDLE;
    SDL_PushEvent(&event);
    event = {};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = 2;
    event.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    SDL_PushEvent(&event);
    event = {};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);

    // Relative motion comes from the pointer's desktop position: the first motion event
    // only sets it.
    const std::vector<InputEvent> expected{
        {InputEventType::KeyDown, 0xCB, 0, 0}, {InputEventType::KeyUp, 0xCB, 0, 0},
        {InputEventType::MouseAt, 0, 20, 40},  {InputEventType::MouseMove, 0, 3, -2},
        {InputEventType::MouseAt, 0, 26, 36},  {InputEventType::MouseDown, 2, 0, 0},
        {InputEventType::MouseUp, 3, 0, 0},    {InputEventType::Wheel, 0, -2, 0},
        {InputEventType::Quit, 0, 0, 0},
    };
    EXPECT_EQ(drain(*platform), expected);
    EXPECT_TRUE(drain(*platform).empty());
}

TEST(SdlPlatform, ClockAndLocalTime) {
    auto platform = makeDummyPlatform();
    if (!platform) GTEST_SKIP() << "SDL video unavailable";
    const std::uint32_t before = platform->milliseconds();
    platform->sleep(20);
    EXPECT_GE(platform->milliseconds() - before, 20u);
    const base::LocalTime now = platform->localTime();
    EXPECT_GE(now.year, 2020);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12);
    EXPECT_TRUE(now.day >= 1 && now.day <= 31);
    EXPECT_TRUE(now.hour >= 0 && now.hour <= 23);
}

TEST(SdlPlatform, MessageBoxWithoutWindowSystemGoesToStderr) {
    if (std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr) {
        GTEST_SKIP() << "a real message box would wait for a click";
    }
    auto platform = makeDummyPlatform();
    if (!platform) GTEST_SKIP() << "SDL video unavailable";
    ASSERT_TRUE(platform->openWindow(smallWindow()));
    testing::internal::CaptureStderr();
    const int chosen = platform->messageBox("Caption", "Something failed", {"OK", "Cancel"});
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(chosen, 0);
    EXPECT_NE(printed.find("Caption: Something failed"), std::string::npos) << printed;
}

TEST(SdlPlatform, VoicesPlayOnTheMixerOrStaySilent) {
    auto platform = makeDummyPlatform();
    if (!platform) GTEST_SKIP() << "SDL video unavailable";
    media::PcmSound sound;
    sound.channels = 1;
    sound.sampleRate = 22050;
    sound.samples.assign(4410, 1000);

    // Before the device is open a voice is silent but valid.
    const media::VoiceId silent = platform->createVoice(sound);
    EXPECT_NE(silent, 0u);
    platform->playVoice(silent, false);

    if (!platform->openAudio()) GTEST_SKIP() << "no dummy audio driver";
    EXPECT_TRUE(platform->openAudio());  // already open
    const media::VoiceId voice = platform->createVoice(sound);
    ASSERT_NE(voice, 0u);
    EXPECT_NE(voice, silent);
    platform->setVoiceVolume(voice, 50);
    platform->playVoice(voice, true);
    platform->playVoice(voice, false);  // restarts
    platform->stopVoice(voice);
    platform->setVoiceVolume(voice, 250);  // clamped

    sound.channels = 2;
    sound.sampleRate = 48000;
    sound.samples.assign(9601, 0);  // an odd sample: the last half frame is dropped
    const media::VoiceId stereo = platform->createVoice(sound);
    EXPECT_NE(stereo, 0u);
    platform->playVoice(stereo, false);
    sound.samples.clear();
    EXPECT_NE(platform->createVoice(sound), 0u);  // empty: valid and silent
    sound.channels = 0;
    EXPECT_EQ(platform->createVoice(sound), 0u);
    sound.channels = 9;
    EXPECT_EQ(platform->createVoice(sound), 0u);

    platform->destroyVoice(voice);
    platform->destroyVoice(voice);
    platform->playVoice(voice, false);  // gone: nothing happens
    platform->destroyVoice(123456);
    platform->closeAudio();
    platform->playVoice(stereo, true);  // silent after the device closed
    platform->shutdown();
}

TEST(SdlText, WindowsTextsBecomeUtf8) {
    EXPECT_EQ(media::displayText("plain"), "plain");
    EXPECT_EQ(media::displayText("Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC"),
              "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC");
    EXPECT_EQ(media::displayText("Gr\xFC\xDF \x80"), "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC");
    EXPECT_EQ(media::displayText("\x81"), "\xEF\xBF\xBD");
    // Broken or overlong sequences are not UTF-8: every byte is read as Windows-1252.
    EXPECT_EQ(media::displayText("\xC3"), "\xC3\x83");
    EXPECT_EQ(media::displayText("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(media::displayText("\xED\xA0\x80"),
              "\xC3\xAD\xC2\xA0\xE2\x82\xAC");  // a surrogate half
}

TEST(SdlJoystick, AxesHaveADeadZoneOfAThird) {
    EXPECT_EQ(media::joystickDirection(0), 0);
    EXPECT_EQ(media::joystickDirection(10922), 0);
    EXPECT_EQ(media::joystickDirection(-10922), 0);
    EXPECT_EQ(media::joystickDirection(10923), 1);
    EXPECT_EQ(media::joystickDirection(32767), 1);
    EXPECT_EQ(media::joystickDirection(-32768), -1);
}

}  // namespace
