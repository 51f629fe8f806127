// Keyboard scan codes in the DirectInput numbering, which key bindings, replays and test
// scripts use: 0x01 Escape, 0x1D left Ctrl, 0xC8 Up ... Every back end reports keys with
// these codes; the SDL back end translates its own key codes to them.
#pragma once

#include <string_view>

namespace media {

namespace dik {
constexpr int ESCAPE = 0x01;
constexpr int DIGIT1 = 0x02;
constexpr int DIGIT2 = 0x03;
constexpr int DIGIT3 = 0x04;
constexpr int DIGIT4 = 0x05;
constexpr int DIGIT5 = 0x06;
constexpr int DIGIT6 = 0x07;
constexpr int DIGIT7 = 0x08;
constexpr int DIGIT8 = 0x09;
constexpr int DIGIT9 = 0x0A;
constexpr int DIGIT0 = 0x0B;
constexpr int MINUS = 0x0C;
constexpr int EQUALS = 0x0D;
constexpr int BACK = 0x0E;  // backspace
constexpr int TAB = 0x0F;
constexpr int Q = 0x10;
constexpr int W = 0x11;
constexpr int E = 0x12;
constexpr int R = 0x13;
constexpr int T = 0x14;
constexpr int Y = 0x15;
constexpr int U = 0x16;
constexpr int I = 0x17;
constexpr int O = 0x18;
constexpr int P = 0x19;
constexpr int LBRACKET = 0x1A;
constexpr int RBRACKET = 0x1B;
constexpr int RETURN = 0x1C;
constexpr int LCONTROL = 0x1D;
constexpr int A = 0x1E;
constexpr int S = 0x1F;
constexpr int D = 0x20;
constexpr int F = 0x21;
constexpr int G = 0x22;
constexpr int H = 0x23;
constexpr int J = 0x24;
constexpr int K = 0x25;
constexpr int L = 0x26;
constexpr int SEMICOLON = 0x27;
constexpr int APOSTROPHE = 0x28;
constexpr int GRAVE = 0x29;
constexpr int LSHIFT = 0x2A;
constexpr int BACKSLASH = 0x2B;
constexpr int Z = 0x2C;
constexpr int X = 0x2D;
constexpr int C = 0x2E;
constexpr int V = 0x2F;
constexpr int B = 0x30;
constexpr int N = 0x31;
constexpr int M = 0x32;
constexpr int COMMA = 0x33;
constexpr int PERIOD = 0x34;
constexpr int SLASH = 0x35;
constexpr int RSHIFT = 0x36;
constexpr int MULTIPLY = 0x37;  // * on the numeric keypad
constexpr int LMENU = 0x38;     // left Alt
constexpr int LALT = LMENU;
constexpr int SPACE = 0x39;
constexpr int CAPITAL = 0x3A;  // Caps Lock
constexpr int F1 = 0x3B;
constexpr int F2 = 0x3C;
constexpr int F3 = 0x3D;
constexpr int F4 = 0x3E;
constexpr int F5 = 0x3F;
constexpr int F6 = 0x40;
constexpr int F7 = 0x41;
constexpr int F8 = 0x42;
constexpr int F9 = 0x43;
constexpr int F10 = 0x44;
constexpr int NUMLOCK = 0x45;
constexpr int SCROLL = 0x46;  // Scroll Lock
constexpr int NUMPAD7 = 0x47;
constexpr int NUMPAD8 = 0x48;
constexpr int NUMPAD9 = 0x49;
constexpr int SUBTRACT = 0x4A;  // - on the numeric keypad
constexpr int NUMPAD4 = 0x4B;
constexpr int NUMPAD5 = 0x4C;
constexpr int NUMPAD6 = 0x4D;
constexpr int ADD = 0x4E;  // + on the numeric keypad
constexpr int NUMPAD1 = 0x4F;
constexpr int NUMPAD2 = 0x50;
constexpr int NUMPAD3 = 0x51;
constexpr int NUMPAD0 = 0x52;
constexpr int DECIMAL = 0x53;  // . on the numeric keypad
constexpr int OEM_102 = 0x56;  // the extra key left of Z on ISO keyboards
constexpr int F11 = 0x57;
constexpr int F12 = 0x58;
constexpr int F13 = 0x64;
constexpr int F14 = 0x65;
constexpr int F15 = 0x66;
constexpr int KANA = 0x70;
constexpr int ABNT_C1 = 0x73;
constexpr int CONVERT = 0x79;
constexpr int NOCONVERT = 0x7B;
constexpr int YEN = 0x7D;
constexpr int ABNT_C2 = 0x7E;
constexpr int NUMPADEQUALS = 0x8D;
constexpr int PREVTRACK = 0x90;
constexpr int AT = 0x91;
constexpr int COLON = 0x92;
constexpr int UNDERLINE = 0x93;
constexpr int KANJI = 0x94;
constexpr int STOP = 0x95;
constexpr int AX = 0x96;
constexpr int UNLABELED = 0x97;
constexpr int NEXTTRACK = 0x99;
constexpr int NUMPADENTER = 0x9C;
constexpr int RCONTROL = 0x9D;
constexpr int MUTE = 0xA0;
constexpr int CALCULATOR = 0xA1;
constexpr int PLAYPAUSE = 0xA2;
constexpr int MEDIASTOP = 0xA4;
constexpr int VOLUMEDOWN = 0xAE;
constexpr int VOLUMEUP = 0xB0;
constexpr int WEBHOME = 0xB2;
constexpr int NUMPADCOMMA = 0xB3;
constexpr int DIVIDE = 0xB5;  // / on the numeric keypad
constexpr int SYSRQ = 0xB7;   // Print Screen
constexpr int RMENU = 0xB8;   // right Alt
constexpr int RALT = RMENU;
constexpr int PAUSE = 0xC5;
constexpr int HOME = 0xC7;
constexpr int UP = 0xC8;
constexpr int PRIOR = 0xC9;  // Page Up
constexpr int LEFT = 0xCB;
constexpr int RIGHT = 0xCD;
constexpr int END = 0xCF;
constexpr int DOWN = 0xD0;
constexpr int NEXT = 0xD1;  // Page Down
constexpr int INSERT = 0xD2;
constexpr int DELETE = 0xD3;
constexpr int LWIN = 0xDB;
constexpr int RWIN = 0xDC;
constexpr int APPS = 0xDD;
constexpr int POWER = 0xDE;
constexpr int SLEEP = 0xDF;
constexpr int WAKE = 0xE3;
constexpr int WEBSEARCH = 0xE5;
constexpr int WEBFAVORITES = 0xE6;
constexpr int WEBREFRESH = 0xE7;
constexpr int WEBSTOP = 0xE8;
constexpr int WEBFORWARD = 0xE9;
constexpr int WEBBACK = 0xEA;
constexpr int MYCOMPUTER = 0xEB;
constexpr int MAIL = 0xEC;
constexpr int MEDIASELECT = 0xED;
}  // namespace dik

// The key's DirectInput name without the "DIK_" prefix ("ESCAPE", "LMENU", "PRIOR", "1",
// "F10"); "" for a code that names no key.
std::string_view dikName(int code);

// The code for a DirectInput key name, without or with the "DIK_" prefix and in any letter
// case; the DirectInput aliases are accepted too ("LALT" = "LMENU", "PGUP" = "PRIOR",
// "PGDN" = "NEXT", "UPARROW" = "UP", "BACKSPACE" = "BACK" ...). -1 for an unknown name.
int dikFromName(std::string_view name);

}  // namespace media
