#include "engine/base/fault_guard.h"

#include <array>
#include <new>
#include <stdexcept>
#include <utility>

namespace base {
namespace {

struct GuardState {
    FaultReporter reporter;
    bool armed = false;
    EngineFault last;
};

GuardState& guard() {
    static GuardState state;
    return state;
}

constexpr std::array<std::string_view, 17> kUnitNames = {
    "Main Module",      "ENV",    "basevars", "systemcore",  "gui",         "STREAM_SYS",
    "ENGINE_INTERNALS", "IO",     "AI",       "TEXT_ENGINE", "ACTIONS",     "thegame",
    "SGFXCORE",         "FWORLD", "OUTPUT",   "DDD_NODE",    "FONT_ENGINE",
};

}  // namespace

std::string_view sourceUnitName(SourceUnit unit) {
    const auto index = static_cast<std::size_t>(unit);
    return index < kUnitNames.size() ? kUnitNames[index] : "UNKNOWN";
}

std::string_view faultKindText(FaultKind kind) {
    switch (kind) {
        case FaultKind::DivisionByZero:
            return "Attempted division by zero";
        case FaultKind::IndexOutOfRange:
            return "Array index out of bounds";
        case FaultKind::InvalidHandle:
            return "Invalid memory access";
        case FaultKind::InjectedForTest:
            return "Injected test fault";
        case FaultKind::OutOfMemory:
            return "Out of memory";
        case FaultKind::StandardException:
            return "Unhandled exception";
        case FaultKind::Unknown:
            break;
    }
    return "UNKNOWN Error";
}

void raiseFault(FaultKind kind, SourceUnit unit, int line) {
    throw EngineFault{kind, FaultPosition{unit, line}};
}

void armFaultGuard(FaultReporter reporter) {
    guard().reporter = std::move(reporter);
    guard().armed = true;
}

void disarmFaultGuard() {
    guard().armed = false;
}

bool faultGuardArmed() {
    return guard().armed;
}

const EngineFault& lastFault() {
    return guard().last;
}

namespace {

void caught(const EngineFault& fault) {
    GuardState& state = guard();
    state.last = fault;
    if (!state.armed) return;
    state.armed = false;  // one report per turn; the next turn re-arms
    if (!state.reporter) return;
    // The report must not take the game down either (it may itself run out of memory).
    try {
        state.reporter(fault);
    } catch (...) {  // NOLINT(bugprone-empty-catch): the fault stays in lastFault()
    }
}

}  // namespace

bool guardedStep(const std::function<void()>& step, FaultPosition where) {
    try {
        step();
        return true;
    } catch (const EngineFault& fault) {
        caught(fault);
    } catch (const std::bad_alloc&) {
        caught(EngineFault{FaultKind::OutOfMemory, where});
    } catch (const std::exception&) {
        caught(EngineFault{FaultKind::StandardException, where});
    } catch (...) {
        caught(EngineFault{FaultKind::Unknown, where});
    }
    return false;
}

}  // namespace base
