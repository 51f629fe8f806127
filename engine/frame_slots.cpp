#include "engine/frame_slots.h"

#include "engine/engine_settings.h"
#include "engine/media/scancodes.h"
#include "engine/media/services.h"

namespace engine {

FrameSlots frameSlots;

// The default map switch: a run without the world layer has no map content to load.
void recordMapSwitch(std::int32_t mapId) {
    engineSettings.actualMapId = mapId;
}

void handlePauseKey() {
    if (media::keyPressed(media::dik::PAUSE)) {
        engineSettings.paused = engineSettings.paused == 0 ? 1 : 0;
    }
}

// The default world input. A world input installed in its place keeps calling
// handlePauseKey.
void pollWorldDevices() {
    media::pollKeyboard();
    media::pollMouse();
    media::pollJoystick();
    handlePauseKey();
}

}  // namespace engine
