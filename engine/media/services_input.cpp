// Keyboard, mouse and joystick of the media services, read from the one InputState that the
// event poll fills.
#include "engine/media/services.h"
#include "engine/media/services_state.h"

namespace media {

using detail::state;

void pollKeyboard() {
    state().input.pollKeyboard();
}
bool keyHeld(int scanCode) {
    return state().input.keyHeld(scanCode);
}
bool keyPressed(int scanCode) {
    return state().input.keyPressed(scanCode);
}

bool pollMouse() {
    if (!servicesRunning()) return false;
    state().input.pollMouse();
    return true;
}
bool mouseButton(int button) {
    return state().input.mouseButton(button);
}
int mouseDeltaX() {
    return state().input.mouseDeltaX();
}
int mouseDeltaY() {
    return state().input.mouseDeltaY();
}
int mouseWheel() {
    return state().input.mouseWheel();
}
int mouseX() {
    return state().input.mouseX();
}
int mouseY() {
    return state().input.mouseY();
}

bool joystickPresent() {
    return servicesRunning() && state().platform->joystickPresent();
}
bool pollJoystick() {
    return joystickPresent();
}
int joystickX() {
    return joystickPresent() ? state().input.joystickX() : 0;
}
int joystickY() {
    return joystickPresent() ? state().input.joystickY() : 0;
}
bool joystickButton(int button) {
    return joystickPresent() && state().input.joystickButton(button);
}

}  // namespace media
