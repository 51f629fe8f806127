#include "engine/media/scancodes.h"

#include <SDL_scancode.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "engine/media/sdl/sdl_scancodes.h"

namespace {

using media::dikFromName;
using media::dikFromSdlScancode;
using media::dikName;

TEST(DikNames, KnownCodesAndNames) {
    const std::map<std::string, int> expected{
        {"ESCAPE", 0x01},    {"LCONTROL", 0x1D}, {"RCONTROL", 0x9D}, {"LMENU", 0x38},
        {"LALT", 0x38},      {"RMENU", 0xB8},    {"RALT", 0xB8},     {"SPACE", 0x39},
        {"UP", 0xC8},        {"LEFT", 0xCB},     {"RIGHT", 0xCD},    {"DOWN", 0xD0},
        {"PRIOR", 0xC9},     {"PGUP", 0xC9},     {"NEXT", 0xD1},     {"PGDN", 0xD1},
        {"END", 0xCF},       {"HOME", 0xC7},     {"INSERT", 0xD2},   {"DELETE", 0xD3},
        {"PAUSE", 0xC5},     {"LSHIFT", 0x2A},   {"RSHIFT", 0x36},   {"TAB", 0x0F},
        {"RETURN", 0x1C},    {"F1", 0x3B},       {"F10", 0x44},      {"F11", 0x57},
        {"F12", 0x58},       {"A", 0x1E},        {"C", 0x2E},        {"G", 0x22},
        {"H", 0x23},         {"R", 0x13},        {"U", 0x16},        {"Z", 0x2C},
        {"1", 0x02},         {"0", 0x0B},        {"NUMPAD0", 0x52},  {"NUMPADENTER", 0x9C},
        {"BACKSPACE", 0x0E}, {"CAPSLOCK", 0x3A}, {"UPARROW", 0xC8},  {"DOWNARROW", 0xD0},
    };
    for (const auto& [name, code] : expected)
        EXPECT_EQ(dikFromName(name), code) << name;
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(dikFromName("F" + std::to_string(i + 1)), 0x3B + i);

    EXPECT_EQ(dikFromName("lalt"), 0x38);
    EXPECT_EQ(dikFromName("DIK_LEFT"), 0xCB);
    EXPECT_EQ(dikFromName("dik_pgdn"), 0xD1);
    for (const char* unknown : {"", "DIK_", "F16", "LEFT ", "CTRL", "AA"}) {
        EXPECT_EQ(dikFromName(unknown), -1) << unknown;
    }
    // A code's own name comes before its aliases.
    EXPECT_EQ(dikName(0x38), "LMENU");
    EXPECT_EQ(dikName(0xC9), "PRIOR");
    EXPECT_EQ(dikName(0x0E), "BACK");
    for (int code : {-1, 0, 0x59, 0xFF, 0x100})
        EXPECT_EQ(dikName(code), "") << code;
}

TEST(DikNames, EveryNamedCodeRoundTrips) {
    int named = 0;
    for (int code = 0; code < 256; ++code) {
        const std::string_view name = dikName(code);
        if (name.empty()) continue;
        ++named;
        EXPECT_EQ(dikFromName(name), code) << name;
    }
    EXPECT_GT(named, 140);
}

TEST(SdlScancodes, LettersDigitsAndFunctionKeys) {
    for (int i = 0; i < 26; ++i) {
        const std::string letter(1, static_cast<char>('A' + i));
        EXPECT_EQ(dikFromSdlScancode(SDL_SCANCODE_A + i), dikFromName(letter)) << letter;
    }
    for (int i = 0; i < 10; ++i) {
        const std::string digit(1, "1234567890"[i]);
        EXPECT_EQ(dikFromSdlScancode(SDL_SCANCODE_1 + i), dikFromName(digit)) << digit;
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(dikFromSdlScancode(SDL_SCANCODE_F1 + i),
                  dikFromName("F" + std::to_string(i + 1)));
    }
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(dikFromSdlScancode(SDL_SCANCODE_KP_1 + i),
                  dikFromName("NUMPAD" + std::to_string(i + 1)));
    }
    EXPECT_EQ(dikFromSdlScancode(SDL_SCANCODE_KP_0), 0x52);
}

TEST(SdlScancodes, NavigationAndModifierKeys) {
    const std::map<SDL_Scancode, int> expected{
        {SDL_SCANCODE_ESCAPE, 0x01},      {SDL_SCANCODE_LCTRL, 0x1D},
        {SDL_SCANCODE_RCTRL, 0x9D},       {SDL_SCANCODE_LALT, 0x38},
        {SDL_SCANCODE_RALT, 0xB8},        {SDL_SCANCODE_LSHIFT, 0x2A},
        {SDL_SCANCODE_RSHIFT, 0x36},      {SDL_SCANCODE_SPACE, 0x39},
        {SDL_SCANCODE_TAB, 0x0F},         {SDL_SCANCODE_RETURN, 0x1C},
        {SDL_SCANCODE_KP_ENTER, 0x9C},    {SDL_SCANCODE_UP, 0xC8},
        {SDL_SCANCODE_LEFT, 0xCB},        {SDL_SCANCODE_RIGHT, 0xCD},
        {SDL_SCANCODE_DOWN, 0xD0},        {SDL_SCANCODE_PAGEUP, 0xC9},
        {SDL_SCANCODE_PAGEDOWN, 0xD1},    {SDL_SCANCODE_END, 0xCF},
        {SDL_SCANCODE_HOME, 0xC7},        {SDL_SCANCODE_INSERT, 0xD2},
        {SDL_SCANCODE_DELETE, 0xD3},      {SDL_SCANCODE_PAUSE, 0xC5},
        {SDL_SCANCODE_PRINTSCREEN, 0xB7}, {SDL_SCANCODE_KP_DIVIDE, 0xB5},
    };
    for (const auto& [sdl, code] : expected)
        EXPECT_EQ(dikFromSdlScancode(sdl), code) << sdl;
}

TEST(SdlScancodes, TableIsConsistent) {
    // The ISO "#" key shares the backslash position; SDL names the mute key twice.
    const std::set<int> sharedOnPurpose{0x2B, 0xA0};
    std::map<int, int> sdlForDik;
    int mapped = 0;
    for (int sdl = -5; sdl < SDL_NUM_SCANCODES + 5; ++sdl) {
        const int code = dikFromSdlScancode(sdl);
        if (code == 0) continue;
        ++mapped;
        EXPECT_FALSE(dikName(code).empty()) << "SDL scancode " << sdl << " -> unnamed " << code;
        const auto [it, fresh] = sdlForDik.emplace(code, sdl);
        if (!fresh) {
            EXPECT_TRUE(sharedOnPurpose.count(code) != 0)
                << "SDL scancodes " << it->second << " and " << sdl << " both give " << code;
        }
    }
    EXPECT_GT(mapped, 120);
    EXPECT_EQ(dikFromSdlScancode(SDL_SCANCODE_UNKNOWN), 0);
}

}  // namespace
