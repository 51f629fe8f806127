#include "engine/startup.h"

#include <climits>
#include <string>

#include "engine/base/fault_guard.h"
#include "engine/bitmap_font.h"
#include "engine/configuration.h"
#include "engine/core_error.h"
#include "engine/engine_settings.h"
#include "engine/frame_slots.h"
#include "engine/media/headless/harness.h"
#include "engine/media/services.h"
#include "engine/post_passes.h"
#include "engine/program_end.h"
#include "engine/reports.h"
#include "engine/startup_notes.h"
#include "engine/state_dump.h"
#include "engine/world_frame.h"
#include "engine/world_screen.h"

namespace engine {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::main;

// Start-up step 4: from the start values, so all four are 1.0 here; the font and the level
// loader compute them again from the opened screen and the loaded map.
void computeScalers() {
    EngineSettings& s = engineSettings;
    s.scalerX = s.SCRW / s.SRC_SCRW;
    s.scalerY = s.SCRH / s.SRC_SCRH;
    s.sourceAspect = s.SRC_SCRW / s.SRC_SCRH;
    s.screenAspect = s.SCRW / s.SCRH;
}

void initDevices() {
    EngineSettings& s = engineSettings;
    if (!media::init2DSprites()) coreError(kErrorInit2dGfx);
    if (!media::init3DSprites()) coreError(kErrorInit3dGfx);
    // Without an audio device the game runs silent: sounds load and play without output.
    media::initSound();
    media::initKeyboard();
    media::initMouse();
    s.joystickPresent = media::initJoystick() ? 1 : 0;
}

void loadStartSound() {
    const EngineSettings& s = engineSettings;
    media::loadSoundAs(kStartSoundNumber,
                       s.soundPath + std::string(kStartSoundName) + s.soundExtension);
}

// The font also computes the scalers again from the opened screen.
void loadBitmapFont() {
    loadFont();
}

// Start-up runs before the first turn arms the fault guard: a fault in a step is passed
// over without a report and the start-up goes on with the next step.
void startUpStep(void (*step)()) {
    GUARDED_STEP(step);
}

}  // namespace

void connectToMediaServices() {
    setMessageBoxHook([](std::string_view caption, std::string_view text) {
        media::messageBox(caption, text, {"OK"});
    });
    setShutdownHook([] { media::shutdownServices(); });
    setEndOfProgramHook([] {
        media::harness().endOfProgram();
        releaseGameMedia();
        media::harness().reportLiveHandles();
    });
    setLocalTimeSource([] { return media::localTime(); });
    setDesktopSource([] {
        return media::DesktopInfo{media::desktopWidth(0), media::desktopHeight(0),
                                  media::desktopDepth(0), media::desktopRefreshRate(0)};
    });
    media::harness().setDumpWriter([](int turn) { return dumpEngineState(turn); });
}

void releaseGameMedia() {
    base::disarmFaultGuard();
    if (frameSlots.releaseLevel != nullptr) GUARDED_STEP(frameSlots.releaseLevel);
    GUARDED_STEP(clearFont);
    GUARDED_STEP(releasePostPassGrab);
    GUARDED_STEP([] { media::freeSound(static_cast<media::SoundHandle>(kStartSoundNumber)); });
}

void startUp(std::string_view workingDirectory) {
    base::disarmFaultGuard();
    resetEngineState(engineBaseDirectory(workingDirectory));
    EngineSettings& s = engineSettings;
    s.displayWidth = static_cast<float>(media::desktopWidth(0));
    s.displayHeight = static_cast<float>(media::desktopHeight(0));
    s.frameTick = media::milliseconds();
    computeScalers();
    startUpStep([] { readMainConfiguration(engineSettings.engineBase); });
    startUpStep([] { readUserConfiguration(engineSettings.engineBase); });
    startUpStep(noteStartUpProblems);
    startUpStep(readCoreErrorTexts);
    startUpStep(initDevices);
    startUpStep(openWorldScreen);
    startUpStep(loadStartSound);
    startUpStep(loadBitmapFont);
    if (s.screenOpen == 0) endProgram(0);
}

void mainLoopTurn() {
    EngineSettings& s = engineSettings;
    s.lastWindowEvent = media::pollEvents();
    if (media::inputState().quitRequested()) {
        s.quitFlag = 1;
        return;
    }
    base::armFaultGuard(fatalReport);
    if (s.nextMapId != s.actualMapId && frameSlots.loadMap != nullptr) {
        GUARDED_STEP([] { frameSlots.loadMap(engineSettings.nextMapId); });
    }
    worldFrame();
}

void runMainLoop() {
    media::Harness& harness = media::harness();
    for (int turn = 1; engineSettings.quitFlag == 0; turn = turn < INT_MAX ? turn + 1 : turn) {
        if (!harness.beginTurn(turn)) break;
        mainLoopTurn();
    }
    endProgram(0);
}

void runGame(std::string_view workingDirectory) {
    startUp(workingDirectory);
    media::pollKeyboard();
    runMainLoop();
}

}  // namespace engine
