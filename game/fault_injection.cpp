#include "game/fault_injection.h"

#include <new>
#include <stdexcept>

#include "engine/base/fault_guard.h"
#include "engine/media/headless/harness.h"

namespace game {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::main;

struct Injection {
    int turn = 0;
    int remaining = 0;
    media::InjectedThrow what = media::InjectedThrow::EngineFault;
    engine::ObjectStep update = nullptr;
    engine::ObjectStep timer = nullptr;
    engine::ObjectStep streaming = nullptr;
};

Injection injection;

// What a step may throw: the guard's own fault, or what the library or anything else may.
void raise(media::InjectedThrow what) {
    switch (what) {
        case media::InjectedThrow::EngineFault:
            RAISE_FAULT(base::FaultKind::InjectedForTest);
        case media::InjectedThrow::BadAlloc:
            throw std::bad_alloc();
        case media::InjectedThrow::LengthError:
            throw std::length_error("injected");
        case media::InjectedThrow::OutOfRange:
            throw std::out_of_range("injected");
        case media::InjectedThrow::Exception:
            throw std::exception();
        case media::InjectedThrow::Other:
            throw 42;  // NOLINT(hicpp-exception-baseclass): a throw of no std::exception type
    }
}

void faultOrRun(engine::ObjectStep step, std::int32_t index) {
    if (injection.remaining > 0 && media::harness().turn() == injection.turn) {
        --injection.remaining;
        raise(injection.what);
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

void installFaultInjection(engine::FrameSlots& slots, const media::FaultInjection& what) {
    injection = Injection{what.turn,          what.count,        what.what,
                          slots.objectUpdate, slots.objectTimer, slots.objectStreaming};
    slots.objectUpdate = injectingUpdate;
    slots.objectTimer = injectingTimer;
    slots.objectStreaming = injectingStreaming;
}

}  // namespace game
