// The steps that the world and the simulation plug into the main loop and the frame. The
// engine runs the frame in a fixed order (world_frame.h); what happens inside each step
// belongs to the later layers, which the game program enters here at start
// (game/main.cpp). An empty slot (nullptr) is skipped.
//
// Every step runs under the fault guard on its own: a fault in one step is reported once
// per turn and the frame goes on with the next step. The per-object steps are guarded per
// object, so one faulty object does not stop the others.
#pragma once

#include <cstdint>

#include "engine/debug_overlay.h"
#include "engine/post_passes.h"
#include "engine/screen_texts.h"

namespace engine {

using MapStep = void (*)(std::int32_t mapId);
using ObjectStep = void (*)(std::int32_t objectIndex);
using PlainStep = void (*)();

// The engine's own map switch, used when no layer takes the slot (the game program installs
// the world's level loader): it only records the map as loaded.
void recordMapSwitch(std::int32_t mapId);

// Toggles the paused flag when the Pause key went down since the previous keyboard poll.
// Whatever world input takes the slot below calls it after its keyboard poll.
void handlePauseKey();

// The engine's own world input, for a frame without the world (the world's engine keys take
// the slot in the game): polls the keyboard, the mouse and the joystick and offers the Pause
// key.
void pollWorldDevices();

struct FrameSlots {
    // Top of the turn, when nextMapId differs from actualMapId: load that map; the loader
    // sets actualMapId.
    MapStep loadMap = recordMapSwitch;

    // World update, unless paused: the view follow step with playerObject (only with
    // DYNAMICSCROLL), then for every object in table order its update (which also enters
    // visible objects into drawList), its timer step and its streaming step.
    ObjectStep viewFollow = nullptr;
    ObjectStep objectUpdate = nullptr;
    ObjectStep objectTimer = nullptr;
    ObjectStep objectStreaming = nullptr;

    // World draw pass, when drawList holds entries: each entry is drawn, then its
    // after-draw step runs; then the mirror surfaces, the screen texts for actualMapId and
    // the smoothing and glow pass (with APPSMOOTH above 0 or BLOOM).
    ObjectStep objectDraw = nullptr;
    ObjectStep afterDraw = nullptr;
    PlainStep drawMirrors = nullptr;
    MapStep screenTexts = drawScreenTexts;  // once more after the pass when TEXTSMOOTH is 0
    PlainStep postPasses = smoothAndGlowPass;

    // After the 3D pass, unless paused.
    PlainStep debugOverlay = engine::debugOverlay;

    // Last in every frame, in front or in the background.
    PlainStep worldInput = pollWorldDevices;

    // At the program end, after the final dump: frees the level's media (objects, picture
    // cache, mirror sprites, music), so that the game ends with nothing loaded.
    PlainStep releaseLevel = nullptr;
};

// The slots the frame runs; the game program fills them before the main loop starts.
extern FrameSlots frameSlots;

}  // namespace engine
