#include "engine/media/sdl/window_keys.h"

namespace media {

WindowKeyAction WindowKeys::classify(const SDL_KeyboardEvent& key) {
    const bool down = key.type == SDL_KEYDOWN;
    switch (key.keysym.scancode) {
        case SDL_SCANCODE_F12:
            return down && key.repeat == 0 ? WindowKeyAction::Screenshot : WindowKeyAction::Swallow;
        case SDL_SCANCODE_RETURN:
        case SDL_SCANCODE_KP_ENTER:
            if (down && key.repeat == 0 && (key.keysym.mod & KMOD_ALT) != 0) {
                enterHeldForChord_ = true;
                return WindowKeyAction::ToggleFullscreen;
            }
            if (enterHeldForChord_) {
                if (!down) enterHeldForChord_ = false;
                return WindowKeyAction::Swallow;
            }
            return WindowKeyAction::None;
        default:
            return WindowKeyAction::None;
    }
}

std::string screenshotFileName(const base::LocalTime& time) {
    return base::formatDate("RERIZUVA2-%yyyy-%mm-%dd-%hh-%ii-%ss.png", time);
}

}  // namespace media
