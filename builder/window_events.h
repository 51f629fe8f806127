// Window events as the builder sees them, and the event step of its loop: apply the event
// to the keyboard and mouse, dispatch it to the window it belongs to, examine the keyboard.
// A fault anywhere in the step ends the builder through the fatal error report.
#pragma once

#include <cstdint>
#include <string>

#include "builder/builder_state.h"

namespace builder {

enum class EventKind : std::uint8_t {
    MouseMove,
    ButtonDown,  // button: 1 left, 2 right
    ButtonUp,
    Wheel,    // wheel: notches, positive away from the user
    KeyDown,  // key: DirectInput scan code
    KeyUp,
    Menu,    // command: a menu command number (tile window)
    Close,   // the window's close button
    Resize,  // width, height: the new inner size
    Repaint,
    Gadget,  // command: a gadget number (DNA window); text: its new text
    Fault,   // a fault injected for testing the fatal error report
    // The focus went to a window that is not the builder's (a dialog, another program):
    // keys released there are never reported, so every key counts as up from now on.
    FocusLost,
};

// The buttons of the DNA window.
inline constexpr int kDnaSetButton = 100;
inline constexpr int kDnaKillButton = 101;

struct WindowEvent {
    WindowId window = WindowId::Main;
    EventKind kind = EventKind::MouseMove;
    int x = 0;  // the pointer inside the window
    int y = 0;
    int desktopX = 0;  // the pointer on the desktop
    int desktopY = 0;
    int button = 0;
    int wheel = 0;
    int key = 0;
    int command = 0;
    int width = 0;
    int height = 0;
    std::string text;
};

// One turn of the event loop for one event. Returns false when the loop is to end (quit).
// A BuilderEnd from inside (an error that ends the builder) passes through.
bool processWindowEvent(Builder& builder, const WindowEvent& event);

}  // namespace builder
