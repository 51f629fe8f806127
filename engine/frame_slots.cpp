#include "engine/frame_slots.h"

#include "engine/engine_settings.h"
#include "engine/media/scancodes.h"
#include "engine/media/services.h"

namespace engine {

FrameSlots frameSlots;

// SLOT: the level loader takes this place; until then no map has content to load.
void recordMapSwitch(std::int32_t mapId) {
    engineSettings.actualMapId = mapId;
}

void handlePauseKey() {
    if (media::keyPressed(media::dik::PAUSE)) {
        engineSettings.paused = engineSettings.paused == 0 ? 1 : 0;
    }
}

// SLOT: the engine keys take this place and keep calling handlePauseKey.
void pollWorldDevices() {
    media::pollKeyboard();
    media::pollMouse();
    media::pollJoystick();
    handlePauseKey();
}

}  // namespace engine
