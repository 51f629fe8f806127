#include "engine/media/sdl/sdl_scancodes.h"

#include <SDL_scancode.h>

#include <array>

#include "engine/media/scancodes.h"

namespace media {
namespace {

struct Translation {
    SDL_Scancode sdl;
    int dik;
};

// Keys that name the same DirectInput key twice: the ISO "#" key sits where the US
// backslash key is (both are 0x2B), and SDL reports the mute key under two names.
constexpr std::array kTranslations{
    Translation{SDL_SCANCODE_ESCAPE, dik::ESCAPE},
    Translation{SDL_SCANCODE_1, dik::DIGIT1},
    Translation{SDL_SCANCODE_2, dik::DIGIT2},
    Translation{SDL_SCANCODE_3, dik::DIGIT3},
    Translation{SDL_SCANCODE_4, dik::DIGIT4},
    Translation{SDL_SCANCODE_5, dik::DIGIT5},
    Translation{SDL_SCANCODE_6, dik::DIGIT6},
    Translation{SDL_SCANCODE_7, dik::DIGIT7},
    Translation{SDL_SCANCODE_8, dik::DIGIT8},
    Translation{SDL_SCANCODE_9, dik::DIGIT9},
    Translation{SDL_SCANCODE_0, dik::DIGIT0},
    Translation{SDL_SCANCODE_MINUS, dik::MINUS},
    Translation{SDL_SCANCODE_EQUALS, dik::EQUALS},
    Translation{SDL_SCANCODE_BACKSPACE, dik::BACK},
    Translation{SDL_SCANCODE_TAB, dik::TAB},
    Translation{SDL_SCANCODE_Q, dik::Q},
    Translation{SDL_SCANCODE_W, dik::W},
    Translation{SDL_SCANCODE_E, dik::E},
    Translation{SDL_SCANCODE_R, dik::R},
    Translation{SDL_SCANCODE_T, dik::T},
    Translation{SDL_SCANCODE_Y, dik::Y},
    Translation{SDL_SCANCODE_U, dik::U},
    Translation{SDL_SCANCODE_I, dik::I},
    Translation{SDL_SCANCODE_O, dik::O},
    Translation{SDL_SCANCODE_P, dik::P},
    Translation{SDL_SCANCODE_LEFTBRACKET, dik::LBRACKET},
    Translation{SDL_SCANCODE_RIGHTBRACKET, dik::RBRACKET},
    Translation{SDL_SCANCODE_RETURN, dik::RETURN},
    Translation{SDL_SCANCODE_LCTRL, dik::LCONTROL},
    Translation{SDL_SCANCODE_A, dik::A},
    Translation{SDL_SCANCODE_S, dik::S},
    Translation{SDL_SCANCODE_D, dik::D},
    Translation{SDL_SCANCODE_F, dik::F},
    Translation{SDL_SCANCODE_G, dik::G},
    Translation{SDL_SCANCODE_H, dik::H},
    Translation{SDL_SCANCODE_J, dik::J},
    Translation{SDL_SCANCODE_K, dik::K},
    Translation{SDL_SCANCODE_L, dik::L},
    Translation{SDL_SCANCODE_SEMICOLON, dik::SEMICOLON},
    Translation{SDL_SCANCODE_APOSTROPHE, dik::APOSTROPHE},
    Translation{SDL_SCANCODE_GRAVE, dik::GRAVE},
    Translation{SDL_SCANCODE_LSHIFT, dik::LSHIFT},
    Translation{SDL_SCANCODE_BACKSLASH, dik::BACKSLASH},
    Translation{SDL_SCANCODE_NONUSHASH, dik::BACKSLASH},
    Translation{SDL_SCANCODE_Z, dik::Z},
    Translation{SDL_SCANCODE_X, dik::X},
    Translation{SDL_SCANCODE_C, dik::C},
    Translation{SDL_SCANCODE_V, dik::V},
    Translation{SDL_SCANCODE_B, dik::B},
    Translation{SDL_SCANCODE_N, dik::N},
    Translation{SDL_SCANCODE_M, dik::M},
    Translation{SDL_SCANCODE_COMMA, dik::COMMA},
    Translation{SDL_SCANCODE_PERIOD, dik::PERIOD},
    Translation{SDL_SCANCODE_SLASH, dik::SLASH},
    Translation{SDL_SCANCODE_RSHIFT, dik::RSHIFT},
    Translation{SDL_SCANCODE_KP_MULTIPLY, dik::MULTIPLY},
    Translation{SDL_SCANCODE_LALT, dik::LMENU},
    Translation{SDL_SCANCODE_SPACE, dik::SPACE},
    Translation{SDL_SCANCODE_CAPSLOCK, dik::CAPITAL},
    Translation{SDL_SCANCODE_F1, dik::F1},
    Translation{SDL_SCANCODE_F2, dik::F2},
    Translation{SDL_SCANCODE_F3, dik::F3},
    Translation{SDL_SCANCODE_F4, dik::F4},
    Translation{SDL_SCANCODE_F5, dik::F5},
    Translation{SDL_SCANCODE_F6, dik::F6},
    Translation{SDL_SCANCODE_F7, dik::F7},
    Translation{SDL_SCANCODE_F8, dik::F8},
    Translation{SDL_SCANCODE_F9, dik::F9},
    Translation{SDL_SCANCODE_F10, dik::F10},
    Translation{SDL_SCANCODE_NUMLOCKCLEAR, dik::NUMLOCK},
    Translation{SDL_SCANCODE_SCROLLLOCK, dik::SCROLL},
    Translation{SDL_SCANCODE_KP_7, dik::NUMPAD7},
    Translation{SDL_SCANCODE_KP_8, dik::NUMPAD8},
    Translation{SDL_SCANCODE_KP_9, dik::NUMPAD9},
    Translation{SDL_SCANCODE_KP_MINUS, dik::SUBTRACT},
    Translation{SDL_SCANCODE_KP_4, dik::NUMPAD4},
    Translation{SDL_SCANCODE_KP_5, dik::NUMPAD5},
    Translation{SDL_SCANCODE_KP_6, dik::NUMPAD6},
    Translation{SDL_SCANCODE_KP_PLUS, dik::ADD},
    Translation{SDL_SCANCODE_KP_1, dik::NUMPAD1},
    Translation{SDL_SCANCODE_KP_2, dik::NUMPAD2},
    Translation{SDL_SCANCODE_KP_3, dik::NUMPAD3},
    Translation{SDL_SCANCODE_KP_0, dik::NUMPAD0},
    Translation{SDL_SCANCODE_KP_PERIOD, dik::DECIMAL},
    Translation{SDL_SCANCODE_NONUSBACKSLASH, dik::OEM_102},
    Translation{SDL_SCANCODE_F11, dik::F11},
    Translation{SDL_SCANCODE_F12, dik::F12},
    Translation{SDL_SCANCODE_F13, dik::F13},
    Translation{SDL_SCANCODE_F14, dik::F14},
    Translation{SDL_SCANCODE_F15, dik::F15},
    Translation{SDL_SCANCODE_INTERNATIONAL2, dik::KANA},
    Translation{SDL_SCANCODE_INTERNATIONAL1, dik::ABNT_C1},
    Translation{SDL_SCANCODE_INTERNATIONAL4, dik::CONVERT},
    Translation{SDL_SCANCODE_INTERNATIONAL5, dik::NOCONVERT},
    Translation{SDL_SCANCODE_INTERNATIONAL3, dik::YEN},
    Translation{SDL_SCANCODE_KP_EQUALS, dik::NUMPADEQUALS},
    Translation{SDL_SCANCODE_AUDIOPREV, dik::PREVTRACK},
    Translation{SDL_SCANCODE_AUDIONEXT, dik::NEXTTRACK},
    Translation{SDL_SCANCODE_KP_ENTER, dik::NUMPADENTER},
    Translation{SDL_SCANCODE_RCTRL, dik::RCONTROL},
    Translation{SDL_SCANCODE_MUTE, dik::MUTE},
    Translation{SDL_SCANCODE_AUDIOMUTE, dik::MUTE},
    Translation{SDL_SCANCODE_CALCULATOR, dik::CALCULATOR},
    Translation{SDL_SCANCODE_AUDIOPLAY, dik::PLAYPAUSE},
    Translation{SDL_SCANCODE_AUDIOSTOP, dik::MEDIASTOP},
    Translation{SDL_SCANCODE_VOLUMEDOWN, dik::VOLUMEDOWN},
    Translation{SDL_SCANCODE_VOLUMEUP, dik::VOLUMEUP},
    Translation{SDL_SCANCODE_AC_HOME, dik::WEBHOME},
    Translation{SDL_SCANCODE_KP_COMMA, dik::NUMPADCOMMA},
    Translation{SDL_SCANCODE_KP_DIVIDE, dik::DIVIDE},
    Translation{SDL_SCANCODE_PRINTSCREEN, dik::SYSRQ},
    Translation{SDL_SCANCODE_RALT, dik::RMENU},
    Translation{SDL_SCANCODE_PAUSE, dik::PAUSE},
    Translation{SDL_SCANCODE_HOME, dik::HOME},
    Translation{SDL_SCANCODE_UP, dik::UP},
    Translation{SDL_SCANCODE_PAGEUP, dik::PRIOR},
    Translation{SDL_SCANCODE_LEFT, dik::LEFT},
    Translation{SDL_SCANCODE_RIGHT, dik::RIGHT},
    Translation{SDL_SCANCODE_END, dik::END},
    Translation{SDL_SCANCODE_DOWN, dik::DOWN},
    Translation{SDL_SCANCODE_PAGEDOWN, dik::NEXT},
    Translation{SDL_SCANCODE_INSERT, dik::INSERT},
    Translation{SDL_SCANCODE_DELETE, dik::DELETE},
    Translation{SDL_SCANCODE_LGUI, dik::LWIN},
    Translation{SDL_SCANCODE_RGUI, dik::RWIN},
    Translation{SDL_SCANCODE_APPLICATION, dik::APPS},
    Translation{SDL_SCANCODE_POWER, dik::POWER},
    Translation{SDL_SCANCODE_SLEEP, dik::SLEEP},
    Translation{SDL_SCANCODE_AC_SEARCH, dik::WEBSEARCH},
    Translation{SDL_SCANCODE_AC_BOOKMARKS, dik::WEBFAVORITES},
    Translation{SDL_SCANCODE_AC_REFRESH, dik::WEBREFRESH},
    Translation{SDL_SCANCODE_AC_STOP, dik::WEBSTOP},
    Translation{SDL_SCANCODE_AC_FORWARD, dik::WEBFORWARD},
    Translation{SDL_SCANCODE_AC_BACK, dik::WEBBACK},
    Translation{SDL_SCANCODE_COMPUTER, dik::MYCOMPUTER},
    Translation{SDL_SCANCODE_MAIL, dik::MAIL},
    Translation{SDL_SCANCODE_MEDIASELECT, dik::MEDIASELECT},
};

constexpr std::array<unsigned char, SDL_NUM_SCANCODES> buildTable() {
    std::array<unsigned char, SDL_NUM_SCANCODES> table{};
    for (const Translation& translation : kTranslations) {
        table[translation.sdl] = static_cast<unsigned char>(translation.dik);
    }
    return table;
}

constexpr std::array<unsigned char, SDL_NUM_SCANCODES> kTable = buildTable();

}  // namespace

int dikFromSdlScancode(int sdlScancode) {
    if (sdlScancode < 0 || sdlScancode >= SDL_NUM_SCANCODES) return 0;
    return kTable[static_cast<std::size_t>(sdlScancode)];
}

}  // namespace media
