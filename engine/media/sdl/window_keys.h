// The window's own keys, which the game never sees: Alt+Enter switches between the window
// and desktop fullscreen, F12 saves the next frame shown as a PNG in the working directory.
// The game's keys use neither (input.md), and a replay or recording never contains them.
#pragma once

#include <SDL.h>

#include <string>

#include "engine/base/date_text.h"

namespace media {

enum class WindowKeyAction : std::uint8_t {
    None,              // the key goes on to the game
    Swallow,           // the key belongs to a window chord; nothing happens
    ToggleFullscreen,  // Alt+Enter went down
    Screenshot,        // F12 went down
};

// Decides per key event. The Enter of an Alt+Enter chord is kept from the game until it
// comes up, even when Alt is let go first, so the game never sees half a key press.
class WindowKeys {
  public:
    WindowKeyAction classify(const SDL_KeyboardEvent& key);

  private:
    bool enterHeldForChord_ = false;
};

// "RERIZUVA2-2026-12-08-13-05-07.png" for that local time.
std::string screenshotFileName(const base::LocalTime& time);

}  // namespace media
