#include "engine/media/scancodes.h"

#include <array>
#include <cstddef>

#include "engine/base/ascii_case.h"

namespace media {
namespace {

struct KeyName {
    int code;
    std::string_view name;
};

// Each code's own DirectInput name comes first; its aliases follow later in the table, so
// the first match by code is the name dikName() reports.
constexpr std::array kKeyNames{
    KeyName{dik::ESCAPE, "ESCAPE"},
    KeyName{dik::DIGIT1, "1"},
    KeyName{dik::DIGIT2, "2"},
    KeyName{dik::DIGIT3, "3"},
    KeyName{dik::DIGIT4, "4"},
    KeyName{dik::DIGIT5, "5"},
    KeyName{dik::DIGIT6, "6"},
    KeyName{dik::DIGIT7, "7"},
    KeyName{dik::DIGIT8, "8"},
    KeyName{dik::DIGIT9, "9"},
    KeyName{dik::DIGIT0, "0"},
    KeyName{dik::MINUS, "MINUS"},
    KeyName{dik::EQUALS, "EQUALS"},
    KeyName{dik::BACK, "BACK"},
    KeyName{dik::TAB, "TAB"},
    KeyName{dik::Q, "Q"},
    KeyName{dik::W, "W"},
    KeyName{dik::E, "E"},
    KeyName{dik::R, "R"},
    KeyName{dik::T, "T"},
    KeyName{dik::Y, "Y"},
    KeyName{dik::U, "U"},
    KeyName{dik::I, "I"},
    KeyName{dik::O, "O"},
    KeyName{dik::P, "P"},
    KeyName{dik::LBRACKET, "LBRACKET"},
    KeyName{dik::RBRACKET, "RBRACKET"},
    KeyName{dik::RETURN, "RETURN"},
    KeyName{dik::LCONTROL, "LCONTROL"},
    KeyName{dik::A, "A"},
    KeyName{dik::S, "S"},
    KeyName{dik::D, "D"},
    KeyName{dik::F, "F"},
    KeyName{dik::G, "G"},
    KeyName{dik::H, "H"},
    KeyName{dik::J, "J"},
    KeyName{dik::K, "K"},
    KeyName{dik::L, "L"},
    KeyName{dik::SEMICOLON, "SEMICOLON"},
    KeyName{dik::APOSTROPHE, "APOSTROPHE"},
    KeyName{dik::GRAVE, "GRAVE"},
    KeyName{dik::LSHIFT, "LSHIFT"},
    KeyName{dik::BACKSLASH, "BACKSLASH"},
    KeyName{dik::Z, "Z"},
    KeyName{dik::X, "X"},
    KeyName{dik::C, "C"},
    KeyName{dik::V, "V"},
    KeyName{dik::B, "B"},
    KeyName{dik::N, "N"},
    KeyName{dik::M, "M"},
    KeyName{dik::COMMA, "COMMA"},
    KeyName{dik::PERIOD, "PERIOD"},
    KeyName{dik::SLASH, "SLASH"},
    KeyName{dik::RSHIFT, "RSHIFT"},
    KeyName{dik::MULTIPLY, "MULTIPLY"},
    KeyName{dik::LMENU, "LMENU"},
    KeyName{dik::SPACE, "SPACE"},
    KeyName{dik::CAPITAL, "CAPITAL"},
    KeyName{dik::F1, "F1"},
    KeyName{dik::F2, "F2"},
    KeyName{dik::F3, "F3"},
    KeyName{dik::F4, "F4"},
    KeyName{dik::F5, "F5"},
    KeyName{dik::F6, "F6"},
    KeyName{dik::F7, "F7"},
    KeyName{dik::F8, "F8"},
    KeyName{dik::F9, "F9"},
    KeyName{dik::F10, "F10"},
    KeyName{dik::NUMLOCK, "NUMLOCK"},
    KeyName{dik::SCROLL, "SCROLL"},
    KeyName{dik::NUMPAD7, "NUMPAD7"},
    KeyName{dik::NUMPAD8, "NUMPAD8"},
    KeyName{dik::NUMPAD9, "NUMPAD9"},
    KeyName{dik::SUBTRACT, "SUBTRACT"},
    KeyName{dik::NUMPAD4, "NUMPAD4"},
    KeyName{dik::NUMPAD5, "NUMPAD5"},
    KeyName{dik::NUMPAD6, "NUMPAD6"},
    KeyName{dik::ADD, "ADD"},
    KeyName{dik::NUMPAD1, "NUMPAD1"},
    KeyName{dik::NUMPAD2, "NUMPAD2"},
    KeyName{dik::NUMPAD3, "NUMPAD3"},
    KeyName{dik::NUMPAD0, "NUMPAD0"},
    KeyName{dik::DECIMAL, "DECIMAL"},
    KeyName{dik::OEM_102, "OEM_102"},
    KeyName{dik::F11, "F11"},
    KeyName{dik::F12, "F12"},
    KeyName{dik::F13, "F13"},
    KeyName{dik::F14, "F14"},
    KeyName{dik::F15, "F15"},
    KeyName{dik::KANA, "KANA"},
    KeyName{dik::ABNT_C1, "ABNT_C1"},
    KeyName{dik::CONVERT, "CONVERT"},
    KeyName{dik::NOCONVERT, "NOCONVERT"},
    KeyName{dik::YEN, "YEN"},
    KeyName{dik::ABNT_C2, "ABNT_C2"},
    KeyName{dik::NUMPADEQUALS, "NUMPADEQUALS"},
    KeyName{dik::PREVTRACK, "PREVTRACK"},
    KeyName{dik::AT, "AT"},
    KeyName{dik::COLON, "COLON"},
    KeyName{dik::UNDERLINE, "UNDERLINE"},
    KeyName{dik::KANJI, "KANJI"},
    KeyName{dik::STOP, "STOP"},
    KeyName{dik::AX, "AX"},
    KeyName{dik::UNLABELED, "UNLABELED"},
    KeyName{dik::NEXTTRACK, "NEXTTRACK"},
    KeyName{dik::NUMPADENTER, "NUMPADENTER"},
    KeyName{dik::RCONTROL, "RCONTROL"},
    KeyName{dik::MUTE, "MUTE"},
    KeyName{dik::CALCULATOR, "CALCULATOR"},
    KeyName{dik::PLAYPAUSE, "PLAYPAUSE"},
    KeyName{dik::MEDIASTOP, "MEDIASTOP"},
    KeyName{dik::VOLUMEDOWN, "VOLUMEDOWN"},
    KeyName{dik::VOLUMEUP, "VOLUMEUP"},
    KeyName{dik::WEBHOME, "WEBHOME"},
    KeyName{dik::NUMPADCOMMA, "NUMPADCOMMA"},
    KeyName{dik::DIVIDE, "DIVIDE"},
    KeyName{dik::SYSRQ, "SYSRQ"},
    KeyName{dik::RMENU, "RMENU"},
    KeyName{dik::PAUSE, "PAUSE"},
    KeyName{dik::HOME, "HOME"},
    KeyName{dik::UP, "UP"},
    KeyName{dik::PRIOR, "PRIOR"},
    KeyName{dik::LEFT, "LEFT"},
    KeyName{dik::RIGHT, "RIGHT"},
    KeyName{dik::END, "END"},
    KeyName{dik::DOWN, "DOWN"},
    KeyName{dik::NEXT, "NEXT"},
    KeyName{dik::INSERT, "INSERT"},
    KeyName{dik::DELETE, "DELETE"},
    KeyName{dik::LWIN, "LWIN"},
    KeyName{dik::RWIN, "RWIN"},
    KeyName{dik::APPS, "APPS"},
    KeyName{dik::POWER, "POWER"},
    KeyName{dik::SLEEP, "SLEEP"},
    KeyName{dik::WAKE, "WAKE"},
    KeyName{dik::WEBSEARCH, "WEBSEARCH"},
    KeyName{dik::WEBFAVORITES, "WEBFAVORITES"},
    KeyName{dik::WEBREFRESH, "WEBREFRESH"},
    KeyName{dik::WEBSTOP, "WEBSTOP"},
    KeyName{dik::WEBFORWARD, "WEBFORWARD"},
    KeyName{dik::WEBBACK, "WEBBACK"},
    KeyName{dik::MYCOMPUTER, "MYCOMPUTER"},
    KeyName{dik::MAIL, "MAIL"},
    KeyName{dik::MEDIASELECT, "MEDIASELECT"},
    // The DirectInput aliases.
    KeyName{dik::BACK, "BACKSPACE"},
    KeyName{dik::MULTIPLY, "NUMPADSTAR"},
    KeyName{dik::LMENU, "LALT"},
    KeyName{dik::CAPITAL, "CAPSLOCK"},
    KeyName{dik::SUBTRACT, "NUMPADMINUS"},
    KeyName{dik::ADD, "NUMPADPLUS"},
    KeyName{dik::DECIMAL, "NUMPADPERIOD"},
    KeyName{dik::DIVIDE, "NUMPADSLASH"},
    KeyName{dik::RMENU, "RALT"},
    KeyName{dik::UP, "UPARROW"},
    KeyName{dik::PRIOR, "PGUP"},
    KeyName{dik::LEFT, "LEFTARROW"},
    KeyName{dik::RIGHT, "RIGHTARROW"},
    KeyName{dik::DOWN, "DOWNARROW"},
    KeyName{dik::NEXT, "PGDN"},
    KeyName{dik::PREVTRACK, "CIRCUMFLEX"},
};

}  // namespace

std::string_view dikName(int code) {
    for (const KeyName& key : kKeyNames) {
        if (key.code == code) return key.name;
    }
    return {};
}

int dikFromName(std::string_view name) {
    constexpr std::string_view kPrefix = "DIK_";
    if (name.size() > kPrefix.size() &&
        base::equalsIgnoringCase(name.substr(0, kPrefix.size()), kPrefix)) {
        name.remove_prefix(kPrefix.size());
    }
    for (const KeyName& key : kKeyNames) {
        if (base::equalsIgnoringCase(key.name, name)) return key.code;
    }
    return -1;
}

}  // namespace media
