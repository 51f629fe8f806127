#include "game/fault_injection.h"

#include "engine/base/fault_guard.h"
#include "engine/media/headless/harness.h"

namespace game {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::main;

struct Injection {
    int turn = 0;
    int remaining = 0;
    engine::ObjectStep update = nullptr;
    engine::ObjectStep timer = nullptr;
    engine::ObjectStep streaming = nullptr;
};

Injection injection;

void faultOrRun(engine::ObjectStep step, std::int32_t index) {
    if (injection.remaining > 0 && media::harness().turn() == injection.turn) {
        --injection.remaining;
        RAISE_FAULT(base::FaultKind::InjectedForTest);
    }
    if (step != nullptr) step(index);
}

void injectingUpdate(std::int32_t index) {
    faultOrRun(injection.update, index);
}
void injectingTimer(std::int32_t index) {
    faultOrRun(injection.timer, index);
}
void injectingStreaming(std::int32_t index) {
    faultOrRun(injection.streaming, index);
}

}  // namespace

void installFaultInjection(engine::FrameSlots& slots, int turn, int count) {
    injection =
        Injection{turn, count, slots.objectUpdate, slots.objectTimer, slots.objectStreaming};
    slots.objectUpdate = injectingUpdate;
    slots.objectTimer = injectingTimer;
    slots.objectStreaming = injectingStreaming;
}

}  // namespace game
