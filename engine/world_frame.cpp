#include "engine/world_frame.h"

#include <cstddef>

#include "engine/base/fault_guard.h"
#include "engine/base/text_values.h"
#include "engine/engine_settings.h"
#include "engine/frame_cycle.h"
#include "engine/frame_slots.h"
#include "engine/media/headless/harness.h"
#include "engine/media/services.h"

namespace engine {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::FWORLD;

using Phase = media::Harness::Phase;

// An exception without a position of its own (std::bad_alloc, ...) is reported at the line
// of the frame that runs the step: the caller's line, taken by __builtin_LINE (GCC and clang;
// clang 14 with libstdc++ 12 has no std::source_location).
base::FaultPosition here(int line) {
    return base::FaultPosition{kSourceUnit, line};
}

void runStep(PlainStep step, int line = __builtin_LINE()) {
    if (step != nullptr) base::guardedStep([step] { step(); }, here(line));
}

void runStep(ObjectStep step, std::int32_t index, int line = __builtin_LINE()) {
    if (step != nullptr) base::guardedStep([step, index] { step(index); }, here(line));
}

void worldUpdate(const FrameSlots& slots) {
    EngineSettings& s = engineSettings;
    s.errorDetected = 0;
    s.blitStart = s.objectLast;
    s.blitEnd = 0;
    if (s.paused != 0) return;
    if (s.dynamicScroll != 0) runStep(slots.viewFollow, s.playerObject);
    // objectLast is read every time round: nothing should change it during a level, but the
    // loop must not run past a table that a faulty step shrank.
    for (std::int64_t i = 0; i <= s.objectLast; ++i) {
        const auto index = static_cast<std::int32_t>(i);
        runStep(slots.objectUpdate, index);
        runStep(slots.objectTimer, index);
        runStep(slots.objectStreaming, index);
    }
}

void drawPass(const FrameSlots& slots) {
    EngineSettings& s = engineSettings;
    media::clearScreen(0, 0, 0);
    const std::int32_t last = s.drawLast;
    for (std::int32_t k = 0; k <= last; ++k) {
        if (static_cast<std::size_t>(k) >= s.drawList.size()) {
            // An update step filled in more entries than the list holds: one fault, and the
            // entries that exist are drawn.
            base::guardedStep([] { RAISE_FAULT(base::FaultKind::IndexOutOfRange); });
            break;
        }
        const std::int32_t index = s.drawList[static_cast<std::size_t>(k)];
        runStep(slots.objectDraw, index);
        runStep(slots.afterDraw, index);
    }
    runStep(slots.drawMirrors);
    if (slots.screenTexts != nullptr) {
        GUARDED_STEP([&slots] { slots.screenTexts(engineSettings.actualMapId); });
    }
    if (s.appSmooth > 0 || s.bloom != 0) runStep(slots.postPasses);
    s.drawLast = -1;
}

void drawFrame(const FrameSlots& slots) {
    EngineSettings& s = engineSettings;
    media::beginSpritePass();
    if (s.drawLast > -1) drawPass(slots);
    // The texts once more, sharp on top of the smoothing and glow pass.
    if (s.textSmooth == 0 && slots.screenTexts != nullptr) {
        GUARDED_STEP([&slots] { slots.screenTexts(engineSettings.actualMapId); });
    }
    media::endSpritePass();
    if (s.paused == 0) runStep(slots.debugOverlay);
}

}  // namespace

void windowDragStep() {
    EngineSettings& s = engineSettings;
    if (!media::pollMouse()) return;
    if (!media::mouseButton(1)) return;
    s.windowX += static_cast<float>(media::mouseDeltaX());
    s.windowY += static_cast<float>(media::mouseDeltaY());
    s.windowWidth = base::roundToInt(s.displayWidth);
    s.windowHeight = base::roundToInt(s.displayHeight);
    media::moveWindow(static_cast<media::WindowHandle>(s.mainWindow), base::roundToInt(s.windowX),
                      base::roundToInt(s.windowY), s.windowWidth, s.windowHeight);
}

void worldFrame() {
    EngineSettings& s = engineSettings;
    const FrameSlots& slots = frameSlots;
    media::Harness& harness = media::harness();
    if (media::isForegroundWindow(static_cast<media::WindowHandle>(s.mainWindow))) {
        {
            const media::Harness::PhaseTimer timer(harness, Phase::Update);
            worldUpdate(slots);
        }
        {
            const media::Harness::PhaseTimer timer(harness, Phase::Draw);
            drawFrame(slots);
        }
        media::flip();
        harness.afterFlip(harness.turn());
        stepFrameCycle(1);
        s.frameTick = media::milliseconds();
        if (s.multitask > 0) media::sleepMilliseconds(static_cast<std::uint32_t>(s.multitask));
        if (s.fullscreen == 0.0f) GUARDED_STEP(windowDragStep);
    } else {
        media::sleepMilliseconds(kBackgroundFrameMs);
    }
    runStep(slots.worldInput);
}

}  // namespace engine
