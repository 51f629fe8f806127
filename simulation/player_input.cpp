#include "simulation/player_input.h"

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/media/services.h"
#include "engine/world_object.h"

namespace simulation {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::AI;

constexpr std::int32_t kKeyboardMode = 0;
constexpr std::int32_t kJoystickMode = 1;
constexpr std::int8_t kFireKeyHeld = 2;
constexpr std::int8_t kNoButtonHeld = -1;
constexpr int kJoystickButtons = 10;

// worldFTilePlayerMOVE, rounded: which directions the player may take.
enum MovementLimit : std::int32_t {
    kLeftRightOnly = 1,
    kUpDownOnly = 2,
    kLeftOnly = 3,
    kRightOnly = 4,
    kUpOnly = 5,
    kDownOnly = 6,
};

void applyMovementLimit(WorldObject& player) {
    float& h = player.worldFTileMoveH;
    float& v = player.worldFTileMoveV;
    switch (base::roundToInt(player.worldFTilePlayerMOVE)) {
        case kLeftRightOnly:
            v = 0.0f;
            break;
        case kUpDownOnly:
            h = 0.0f;
            break;
        case kLeftOnly:
            if (h > 0.0f) h = 0.0f;
            v = 0.0f;
            break;
        case kRightOnly:
            if (h < 0.0f) h = 0.0f;
            v = 0.0f;
            break;
        case kUpOnly:
            if (v > 0.0f) v = 0.0f;
            h = 0.0f;
            break;
        case kDownOnly:
            if (v < 0.0f) v = 0.0f;
            h = 0.0f;
            break;
        default:
            break;
    }
}

// The last rule that applies wins; with no direction the previous one stays.
void showDirection(WorldObject& player) {
    if (player.worldFTileMoveH > 0.0f) player.animDirection = kDirectionRight;
    if (player.worldFTileMoveH < 0.0f) player.animDirection = kDirectionLeft;
    if (player.worldFTileMoveV > 0.0f) player.animDirection = kDirectionDown;
    if (player.worldFTileMoveV < 0.0f) player.animDirection = kDirectionUp;
}

void applyKeyboard(WorldObject& player) {
    if (player.worldFTileIsActive != kObjectActive) return;
    player.worldFTileMoveH = 0.0f;
    player.worldFTileMoveV = 0.0f;
    player.fireState = 0;
    if (media::keyHeld(kKeyLeft)) player.worldFTileMoveH = -1.0f;
    if (media::keyHeld(kKeyRight)) player.worldFTileMoveH = 1.0f;
    if (media::keyHeld(kKeyUp)) player.worldFTileMoveV = -1.0f;
    if (media::keyHeld(kKeyDown)) player.worldFTileMoveV = 1.0f;
    if (media::keyHeld(kKeyFire)) player.fireState = kFireKeyHeld;
    applyMovementLimit(player);
    showDirection(player);
}

void applyJoystick(WorldObject& player) {
    player.fireState = kNoButtonHeld;
    player.worldFTileMoveH = static_cast<float>(media::joystickX());
    player.worldFTileMoveV = static_cast<float>(media::joystickY());
    applyMovementLimit(player);
    showDirection(player);
    for (int button = 1; button <= kJoystickButtons; ++button) {
        if (!media::joystickButton(button)) continue;
        player.fireState = static_cast<std::int8_t>(button);
        break;
    }
}

void applyInput(WorldObject& player) {
    if (engineSettings.inputMode == kJoystickMode) {
        applyJoystick(player);
    } else {
        applyKeyboard(player);
    }
}

}  // namespace

void playerInput(std::int32_t objectIndex) {
    EngineSettings& s = engineSettings;
    WorldObject& player = CHECKED_AT(worldObjects, objectIndex);
    if (player.worldFTileUseKeyboard != 0) {
        s.inputMode = kKeyboardMode;
        applyInput(player);
    }
    s.inputMode =
        player.worldFTileUseJoyStick != 0 && s.joystickPresent != 0 ? kJoystickMode : kKeyboardMode;
    applyInput(player);
    // The mouse steers nothing; a mouse-pointer object applies the current mode once more.
    if (player.worldFTileIsHWMousePointer != 0) applyInput(player);
}

}  // namespace simulation
