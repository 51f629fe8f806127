// The joystick as the engine reads it: x and y as -1, 0 or +1 and buttons 1..10. A device
// SDL knows as a game controller is read through that API (left stick, d-pad as the same
// axes, buttons A B X Y, shoulders, Back, Start, stick clicks); any other joystick through
// its first two axes, first hat and first ten buttons.
#pragma once

#include <SDL.h>

#include <bitset>
#include <vector>

#include "engine/media/input_events.h"

namespace media {

// Axis values within a third of the full range count as centred.
constexpr int kJoystickDeadZone = 32767 / 3;
int joystickDirection(int axisValue);

class SdlJoystick {
  public:
    SdlJoystick() = default;
    ~SdlJoystick();
    SdlJoystick(const SdlJoystick&) = delete;
    SdlJoystick& operator=(const SdlJoystick&) = delete;

    // Opens the first device SDL found; the joystick subsystem must be running.
    void openFirst();
    // Closes the device (no events are sent).
    void close();
    bool isOpen() const { return joystick_ != nullptr; }

    // Turns an SDL joystick or controller event into engine events; devices plugged in
    // later are opened when none is, and pulling the open one releases its buttons and
    // passes on to another device still present.
    void handle(const SDL_Event& event, std::vector<InputEvent>& out);

  private:
    bool open(int deviceIndex);
    void setButton(int button, bool down, std::vector<InputEvent>& out);
    void updateAxes(std::vector<InputEvent>& out);
    void releaseAll(std::vector<InputEvent>& out);

    SDL_GameController* controller_ = nullptr;
    SDL_Joystick* joystick_ = nullptr;
    SDL_JoystickID instance_ = -1;
    int stickX_ = 0, stickY_ = 0;   // thresholded stick
    Uint8 pad_ = SDL_HAT_CENTERED;  // d-pad or hat as SDL_HAT_* bits; wins over the stick
    int reportedX_ = 0, reportedY_ = 0;
    std::bitset<kJoystickButtons> buttons_;
};

}  // namespace media
