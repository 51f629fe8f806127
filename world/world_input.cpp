#include "world/world_input.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/frame_slots.h"
#include "engine/map_ids.h"
#include "engine/media/scancodes.h"
#include "engine/media/services.h"
#include "engine/program_end.h"
#include "engine/world_object.h"
#include "world/level_loader.h"

namespace world {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::gui;
namespace dik = media::dik;

// Which keys were down at the previous poll: a key found up now after that is released.
std::array<bool, media::kKeyCount> downAtLastPoll{};

// The keys of one poll.
struct KeyPoll {
    std::array<bool, media::kKeyCount> held{};
    std::array<bool, media::kKeyCount> released{};

    bool isHeld(int key) const { return held[static_cast<std::size_t>(key)]; }
    bool isReleased(int key) const { return released[static_cast<std::size_t>(key)]; }
    bool altCtrl() const { return isHeld(dik::LMENU) && isHeld(dik::LCONTROL); }
};

// After the keyboard poll: a key that went down and up again since the previous poll was
// down too, so a quick tap is not lost.
KeyPoll takeKeyPoll() {
    KeyPoll poll;
    for (int key = 0; key < media::kKeyCount; ++key) {
        const auto k = static_cast<std::size_t>(key);
        poll.held[k] = media::keyHeld(key);
        poll.released[k] = !poll.held[k] && (downAtLastPoll[k] || media::keyPressed(key));
        downAtLastPoll[k] = poll.held[k];
    }
    return poll;
}

void scrollByHand(const KeyPoll& keys, int joyX, int joyY) {
    EngineSettings& s = engineSettings;
    if (keys.isHeld(dik::LEFT) || joyX < 0) s.viewOffsetX -= 1.0f;
    if (keys.isHeld(dik::RIGHT) || joyX > 0) s.viewOffsetX += 1.0f;
    if (keys.isHeld(dik::UP) || joyY > 0) s.viewOffsetY += 1.0f;
    if (keys.isHeld(dik::DOWN) || joyY < 0) s.viewOffsetY -= 1.0f;
}

// Escape or P: the player continues from where it stands when the level is taken up again.
// A level still loading is not saved: its table is half built, and the saved state would
// replace the level with the part loaded so far.
void leaveLevel() {
    EngineSettings& s = engineSettings;
    s.nextMapId = engine::kMainMenu;
    WorldObject& player = CHECKED_AT(worldObjects, s.playerObject);
    player.savePointX = player.posX;
    player.savePointY = player.posY;
    if (s.loading == 0) saveLevelState(s.actualMapId);
}

void switchMusic() {
    EngineSettings& s = engineSettings;
    s.musicSwitch = s.musicSwitch == 0 ? 1 : 0;
    if (s.musicSwitch != 0) return;
    const auto music = static_cast<media::SoundHandle>(s.levelMusic);
    if (s.levelMusic > 0 && media::soundExists(music)) media::stopSound(music);
}

// Map numbers wrap like the 32-bit integers they are, never undefined behaviour.
std::int32_t stepped(std::int32_t mapId, std::int32_t step) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(mapId) +
                                     static_cast<std::uint32_t>(step));
}

std::int8_t toggled(std::int8_t flag) {
    return flag == 0 ? 1 : 0;
}

void handleEngineKeys(const KeyPoll& keys, bool joystick) {
    EngineSettings& s = engineSettings;
    const int joyX = joystick ? media::joystickX() : 0;
    const int joyY = joystick ? media::joystickY() : 0;
    if (s.userScroll != 0) scrollByHand(keys, joyX, joyY);
    if (keys.altCtrl() && keys.isReleased(dik::D)) s.overlay = s.overlay == 0 ? 1 : 0;
    if (keys.isReleased(dik::F1)) s.pip = toggled(s.pip);
    if (keys.isReleased(dik::ESCAPE) || keys.isReleased(dik::P)) leaveLevel();
    if (keys.isReleased(dik::END) && keys.isReleased(dik::LCONTROL)) engine::endProgram(0);
    if (keys.altCtrl() && keys.isReleased(dik::PRIOR)) s.nextMapId = stepped(s.nextMapId, 1);
    if (keys.altCtrl() && keys.isReleased(dik::NEXT)) s.nextMapId = stepped(s.nextMapId, -1);
    if (keys.altCtrl() && keys.isReleased(dik::S)) switchMusic();
    if (keys.isReleased(dik::F10)) s.mirrorsDisabled = toggled(s.mirrorsDisabled);
    if (s.actualMapId < engine::kTitleScreen && keys.altCtrl() && keys.isReleased(dik::M)) {
        s.multitask = 0;
    }
}

}  // namespace

void resetWorldInput() {
    downAtLastPoll = {};
}

void worldInput() {
    const bool joystick = engineSettings.joystickPresent != 0;
    if (joystick) media::pollJoystick();
    media::pollKeyboard();
    engine::handlePauseKey();
    const KeyPoll keys = takeKeyPoll();
    handleEngineKeys(keys, joystick);
    media::pollMouse();
}

}  // namespace world
