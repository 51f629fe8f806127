#include "engine/media/sdl/sdl_joystick.h"

namespace media {
namespace {

constexpr int kMaxButton = kJoystickButtons - 1;  // buttons 1..10

// Controller buttons in the order a DirectInput pad reports them (0 = not a button here).
int controllerButton(Uint8 button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A:
            return 1;
        case SDL_CONTROLLER_BUTTON_B:
            return 2;
        case SDL_CONTROLLER_BUTTON_X:
            return 3;
        case SDL_CONTROLLER_BUTTON_Y:
            return 4;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
            return 5;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            return 6;
        case SDL_CONTROLLER_BUTTON_BACK:
            return 7;
        case SDL_CONTROLLER_BUTTON_START:
            return 8;
        case SDL_CONTROLLER_BUTTON_LEFTSTICK:
            return 9;
        case SDL_CONTROLLER_BUTTON_RIGHTSTICK:
            return 10;
        default:
            return 0;
    }
}

Uint8 padDirection(Uint8 button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return SDL_HAT_UP;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return SDL_HAT_RIGHT;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return SDL_HAT_DOWN;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return SDL_HAT_LEFT;
        default:
            return SDL_HAT_CENTERED;
    }
}

int hatX(Uint8 hat) {
    return (hat & SDL_HAT_LEFT) ? -1 : (hat & SDL_HAT_RIGHT) ? 1 : 0;
}
int hatY(Uint8 hat) {
    return (hat & SDL_HAT_UP) ? -1 : (hat & SDL_HAT_DOWN) ? 1 : 0;
}

}  // namespace

int joystickDirection(int axisValue) {
    if (axisValue > kJoystickDeadZone) return 1;
    if (axisValue < -kJoystickDeadZone) return -1;
    return 0;
}

SdlJoystick::~SdlJoystick() {
    close();
}

void SdlJoystick::openFirst() {
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < count; ++i) {
        if (open(i)) return;
    }
}

bool SdlJoystick::open(int deviceIndex) {
    if (SDL_IsGameController(deviceIndex)) {
        controller_ = SDL_GameControllerOpen(deviceIndex);
        if (controller_ != nullptr) joystick_ = SDL_GameControllerGetJoystick(controller_);
    } else {
        joystick_ = SDL_JoystickOpen(deviceIndex);
    }
    if (joystick_ == nullptr) {
        close();
        return false;
    }
    instance_ = SDL_JoystickInstanceID(joystick_);
    return true;
}

void SdlJoystick::close() {
    if (controller_ != nullptr) {
        SDL_GameControllerClose(controller_);  // closes its joystick too
    } else if (joystick_ != nullptr) {
        SDL_JoystickClose(joystick_);
    }
    controller_ = nullptr;
    joystick_ = nullptr;
    instance_ = -1;
    stickX_ = stickY_ = reportedX_ = reportedY_ = 0;
    pad_ = SDL_HAT_CENTERED;
    buttons_.reset();
}

void SdlJoystick::setButton(int button, bool down, std::vector<InputEvent>& out) {
    if (button < 1 || button > kMaxButton || buttons_.test(button) == down) return;
    buttons_.set(button, down);
    out.push_back(
        {down ? InputEventType::JoyButtonDown : InputEventType::JoyButtonUp, button, 0, 0});
}

void SdlJoystick::updateAxes(std::vector<InputEvent>& out) {
    const int x = hatX(pad_) != 0 ? hatX(pad_) : stickX_;
    const int y = hatY(pad_) != 0 ? hatY(pad_) : stickY_;
    if (x != reportedX_) {
        reportedX_ = x;
        out.push_back({InputEventType::JoyAxisX, 0, x, 0});
    }
    if (y != reportedY_) {
        reportedY_ = y;
        out.push_back({InputEventType::JoyAxisY, 0, y, 0});
    }
}

void SdlJoystick::releaseAll(std::vector<InputEvent>& out) {
    for (int button = 1; button <= kMaxButton; ++button)
        setButton(button, false, out);
    stickX_ = stickY_ = 0;
    pad_ = SDL_HAT_CENTERED;
    updateAxes(out);
}

void SdlJoystick::handle(const SDL_Event& event, std::vector<InputEvent>& out) {
    switch (event.type) {
        case SDL_JOYDEVICEADDED:
            if (joystick_ == nullptr) open(event.jdevice.which);
            return;
        case SDL_JOYDEVICEREMOVED:
            if (joystick_ != nullptr && event.jdevice.which == instance_) {
                releaseAll(out);
                close();
                openFirst();  // another one still plugged in takes over
            }
            return;
        default:
            break;
    }
    if (controller_ != nullptr) {
        switch (event.type) {
            case SDL_CONTROLLERAXISMOTION:
                if (event.caxis.which != instance_) return;
                if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
                    stickX_ = joystickDirection(event.caxis.value);
                } else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
                    stickY_ = joystickDirection(event.caxis.value);
                }
                updateAxes(out);
                return;
            case SDL_CONTROLLERBUTTONDOWN:
            case SDL_CONTROLLERBUTTONUP: {
                if (event.cbutton.which != instance_) return;
                const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
                const Uint8 direction = padDirection(event.cbutton.button);
                if (direction == SDL_HAT_CENTERED) {
                    setButton(controllerButton(event.cbutton.button), down, out);
                    return;
                }
                pad_ = static_cast<Uint8>(down ? (pad_ | direction) : (pad_ & ~direction));
                updateAxes(out);
                return;
            }
            default:
                return;
        }
    }
    if (joystick_ == nullptr) return;
    switch (event.type) {
        case SDL_JOYAXISMOTION:
            if (event.jaxis.which != instance_) return;
            if (event.jaxis.axis == 0) stickX_ = joystickDirection(event.jaxis.value);
            if (event.jaxis.axis == 1) stickY_ = joystickDirection(event.jaxis.value);
            updateAxes(out);
            return;
        case SDL_JOYHATMOTION:
            if (event.jhat.which != instance_ || event.jhat.hat != 0) return;
            pad_ = event.jhat.value;
            updateAxes(out);
            return;
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            if (event.jbutton.which != instance_) return;
            setButton(event.jbutton.button + 1, event.type == SDL_JOYBUTTONDOWN, out);
            return;
        default:
            return;
    }
}

}  // namespace media
