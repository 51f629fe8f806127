// The window's own keys on SDL's dummy driver: Alt+Enter and F12 never reach the game, and
// F12 leaves a dated PNG of the next frame in the working directory.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/media/sdl/sdl_platform.h"
#include "engine/media/sdl/window_keys.h"
#include "support/test_support.h"

namespace {

using media::InputEvent;
using media::InputEventType;

struct Key {
    Uint32 type;
    SDL_Scancode scancode;
    Uint16 mod = KMOD_NONE;
    Uint8 repeat = 0;
};

void push(const Key& key) {
    SDL_Event event{};
    event.type = key.type;
    event.key.type = key.type;
    event.key.keysym.scancode = key.scancode;
    event.key.keysym.mod = key.mod;
    event.key.repeat = key.repeat;
    SDL_PushEvent(&event);
}

constexpr Uint32 kDown = SDL_KEYDOWN;
constexpr Uint32 kUp = SDL_KEYUP;
constexpr SDL_Scancode kAlt = SDL_SCANCODE_LALT;
constexpr SDL_Scancode kEnter = SDL_SCANCODE_RETURN;
constexpr InputEvent kAltDown{InputEventType::KeyDown, 0x38, 0, 0};
constexpr InputEvent kAltUp{InputEventType::KeyUp, 0x38, 0, 0};
constexpr InputEvent kEnterDown{InputEventType::KeyDown, 0x1C, 0, 0};
constexpr InputEvent kEnterUp{InputEventType::KeyUp, 0x1C, 0, 0};

TEST(SdlWindowKeys, AltEnterAndF12NeverReachTheGame) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    auto platform = media::makeSdlPlatform();
    if (!platform) GTEST_SKIP() << "SDL video unavailable";
    ASSERT_TRUE(platform->openWindow({0, 0, 64, 48, "keys", media::WindowStyle::Captioned}));

    struct Case {
        const char* name;
        std::vector<Key> keys;
        std::vector<InputEvent> seen;
    };
    const std::vector<Case> cases = {
        {"F12 with its repeat",
         {{kDown, SDL_SCANCODE_F12}, {kDown, SDL_SCANCODE_F12, 0, 1}, {kUp, SDL_SCANCODE_F12}},
         {}},
        {"Alt+Enter",
         {{kDown, kAlt}, {kDown, kEnter, KMOD_LALT}, {kUp, kEnter, KMOD_LALT}, {kUp, kAlt}},
         {kAltDown, kAltUp}},
        {"Alt let go before Enter",
         {{kDown, kAlt}, {kDown, kEnter, KMOD_RALT}, {kUp, kAlt}, {kUp, kEnter}},
         {kAltDown, kAltUp}},
        {"Enter alone", {{kDown, kEnter}, {kUp, kEnter}}, {kEnterDown, kEnterUp}},
        {"Enter held when Alt comes: the game sees the whole press",
         {{kDown, kEnter},
          {kDown, kAlt},
          {kDown, kEnter, KMOD_LALT, 1},
          {kUp, kEnter, KMOD_LALT},
          {kUp, kAlt}},
         {kEnterDown, kAltDown, kEnterUp, kAltUp}},
        {"back from fullscreen", {{kDown, kEnter, KMOD_LALT}, {kUp, kEnter}}, {}},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        for (const Key& key : row.keys)
            push(key);
        std::vector<InputEvent> events;
        platform->pollEvents(events);
        std::erase_if(events, [](const InputEvent& e) { return e.type == InputEventType::Focus; });
        EXPECT_EQ(events, row.seen);
    }

    // The F12 of the first row: the next frame presented is written where the game runs.
    testing_support::TempDir dir;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    platform->present({32, 24, std::vector<media::Argb>(32 * 24, 0xFF102030u)});
    platform->present({32, 24, std::vector<media::Argb>(32 * 24, 0xFF102030u)});
    std::filesystem::current_path(before);
    std::vector<std::string> shots;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        shots.push_back(entry.path().filename().string());
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_EQ(shots[0].rfind("RERIZUVA2-", 0), 0u) << shots[0];
    EXPECT_EQ(shots[0].size(), std::string("RERIZUVA2-2026-12-08-13-05-07.png").size());
    platform->shutdown();
}

TEST(SdlWindowKeys, ScreenshotNamesCarryTheLocalTime) {
    EXPECT_EQ(media::screenshotFileName({2026, 12, 8, 13, 5, 7}),
              "RERIZUVA2-2026-12-08-13-05-07.png");
}

}  // namespace
