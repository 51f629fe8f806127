#include "engine/media/input_events.h"

#include <algorithm>

namespace media {
namespace {

bool inRange(int value, int size) {
    return value >= 0 && value < size;
}

// Sums that stay in int range however many events arrive between two polls.
int saturatingAdd(int a, int b) {
    const long long sum = static_cast<long long>(a) + b;
    return static_cast<int>(std::clamp<long long>(sum, -0x40000000LL, 0x40000000LL));
}

}  // namespace

void InputState::apply(const InputEvent& event) {
    switch (event.type) {
        case InputEventType::KeyDown:
            if (inRange(event.code, kKeyCount)) {
                held_[static_cast<std::size_t>(event.code)] = true;
                downSincePoll_[static_cast<std::size_t>(event.code)] = true;
            }
            break;
        case InputEventType::KeyUp:
            if (inRange(event.code, kKeyCount)) held_[static_cast<std::size_t>(event.code)] = false;
            break;
        case InputEventType::MouseMove:
            pendingDx_ = saturatingAdd(pendingDx_, event.a);
            pendingDy_ = saturatingAdd(pendingDy_, event.b);
            break;
        case InputEventType::MouseAt:
            mouseX_ = event.a;
            mouseY_ = event.b;
            break;
        case InputEventType::MouseDown:
        case InputEventType::MouseUp:
            if (event.code >= 1 && event.code < kMouseButtons) {
                mouseButtons_[static_cast<std::size_t>(event.code)] =
                    event.type == InputEventType::MouseDown;
            }
            break;
        case InputEventType::Wheel:
            pendingWheel_ = saturatingAdd(pendingWheel_, event.a);
            break;
        case InputEventType::JoyAxisX:
            joyX_ = std::clamp(event.a, -1, 1);
            break;
        case InputEventType::JoyAxisY:
            joyY_ = std::clamp(event.a, -1, 1);
            break;
        case InputEventType::JoyButtonDown:
        case InputEventType::JoyButtonUp:
            if (event.code >= 1 && event.code < kJoystickButtons) {
                joyButtons_[static_cast<std::size_t>(event.code)] =
                    event.type == InputEventType::JoyButtonDown;
            }
            break;
        case InputEventType::Focus:
            focused_ = event.a != 0;
            break;
        case InputEventType::Quit:
            quit_ = true;
            break;
    }
}

void InputState::pollKeyboard() {
    pressed_ = downSincePoll_;
    downSincePoll_.fill(false);
}

bool InputState::keyHeld(int scanCode) const {
    return inRange(scanCode, kKeyCount) && held_[static_cast<std::size_t>(scanCode)];
}

bool InputState::keyPressed(int scanCode) const {
    return inRange(scanCode, kKeyCount) && pressed_[static_cast<std::size_t>(scanCode)];
}

void InputState::pollMouse() {
    polledDx_ = pendingDx_;
    polledDy_ = pendingDy_;
    polledWheel_ = pendingWheel_;
    pendingDx_ = pendingDy_ = pendingWheel_ = 0;
}

bool InputState::mouseButton(int button) const {
    return inRange(button, kMouseButtons) && button >= 1 &&
           mouseButtons_[static_cast<std::size_t>(button)];
}

bool InputState::joystickButton(int button) const {
    return inRange(button, kJoystickButtons) && button >= 1 &&
           joyButtons_[static_cast<std::size_t>(button)];
}

}  // namespace media
