// Input as events. The SDL back end turns window-system events into these, the headless back
// end reads them from a replay file, and --record writes them, so a recorded session replays
// exactly. InputState folds them into what the engine polls once per frame.
#pragma once

#include <array>
#include <cstdint>

namespace media {

enum class InputEventType : std::uint8_t {
    KeyDown,        // code: DirectInput scan code
    KeyUp,          // code
    MouseMove,      // a, b: relative motion dx, dy
    MouseAt,        // a, b: absolute position x, y in screen pixels
    MouseDown,      // code: button (1 left, 2 right, 3 middle)
    MouseUp,        // code
    Wheel,          // a: wheel steps (positive away from the user)
    JoyAxisX,       // a: -1, 0 or 1
    JoyAxisY,       // a
    JoyButtonDown,  // code: button 1..10
    JoyButtonUp,    // code
    Focus,          // a: 1 the window is in front, 0 it is not
    Quit,           // the window system asked the program to close
};

struct InputEvent {
    InputEventType type = InputEventType::KeyDown;
    int code = 0;
    int a = 0;
    int b = 0;
    bool operator==(const InputEvent&) const = default;
};

constexpr int kKeyCount = 256;
constexpr int kMouseButtons = 4;      // index 1..3 used
constexpr int kJoystickButtons = 11;  // index 1..10 used

// What the engine reads: held keys and edges since the previous poll, mouse and joystick.
class InputState {
  public:
    void apply(const InputEvent& event);

    // Keyboard poll: latches the "pressed since the previous poll" edges.
    void pollKeyboard();
    bool keyHeld(int scanCode) const;
    bool keyPressed(int scanCode) const;  // went down since the previous keyboard poll

    // Mouse poll: latches the relative motion and wheel accumulated since the previous poll.
    void pollMouse();
    bool mouseButton(int button) const;
    int mouseDeltaX() const { return polledDx_; }
    int mouseDeltaY() const { return polledDy_; }
    int mouseWheel() const { return polledWheel_; }
    int mouseX() const { return mouseX_; }
    int mouseY() const { return mouseY_; }

    int joystickX() const { return joyX_; }
    int joystickY() const { return joyY_; }
    bool joystickButton(int button) const;

    bool focused() const { return focused_; }
    bool quitRequested() const { return quit_; }

  private:
    std::array<bool, kKeyCount> held_{};
    std::array<bool, kKeyCount> downSincePoll_{};
    std::array<bool, kKeyCount> pressed_{};
    std::array<bool, kMouseButtons> mouseButtons_{};
    std::array<bool, kJoystickButtons> joyButtons_{};
    int pendingDx_ = 0, pendingDy_ = 0, pendingWheel_ = 0;
    int polledDx_ = 0, polledDy_ = 0, polledWheel_ = 0;
    int mouseX_ = 0, mouseY_ = 0;
    int joyX_ = 0, joyY_ = 0;
    bool focused_ = true;
    bool quit_ = false;
};

}  // namespace media
