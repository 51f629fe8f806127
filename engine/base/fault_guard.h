// The fault guard: run-time faults (a table index out of range, an integer division by
// zero, a missing handle where one is required) are detected where they happen, raised as
// an EngineFault and caught per step by the guard, which reports the first one of a
// main-loop turn and lets the program go on with the next step.
//
// Positions: every checked operation carries the source unit of its file and its line
// (the FAULT_* macros fill both in), so the report names the faulting statement. Each
// source file declares its unit once:
//
//     namespace { constexpr base::SourceUnit kSourceUnit = base::SourceUnit::AI; }
//
// and then writes  CHECKED_AT(table, i)  and  CHECKED_DIV(a, b).
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <string_view>

namespace base {

// The game's source units, as the fault report names them.
enum class SourceUnit : std::uint8_t {
    main,
    ENV,
    basevars,
    systemcore,
    gui,
    STREAM_SYS,
    ENGINE_INTERNALS,
    IO,
    AI,
    TEXT_ENGINE,
    ACTIONS,
    thegame,
    SGFXCORE,
    FWORLD,
    OUTPUT,
    DDD_NODE,
    FONT_ENGINE,
};

// The unit's name as printed: "Main Module" for main, otherwise the unit's own name.
std::string_view sourceUnitName(SourceUnit unit);

enum class FaultKind : std::uint8_t {
    Unknown,
    DivisionByZero,
    IndexOutOfRange,
    InvalidHandle,
    InjectedForTest,
    OutOfMemory,        // std::bad_alloc escaped a step
    StandardException,  // any other std::exception escaped a step
};

// The one-line description of a fault kind that the fault report prints.
std::string_view faultKindText(FaultKind kind);

struct FaultPosition {
    SourceUnit unit = SourceUnit::main;
    int line = 0;
};

// What a checked operation throws. Not derived from std::exception on purpose: only the
// guard catches it, and a catch (std::exception&) elsewhere must not swallow it.
struct EngineFault {
    FaultKind kind = FaultKind::Unknown;
    FaultPosition position;
};

[[noreturn]] void raiseFault(FaultKind kind, SourceUnit unit, int line);

// Checked table access: index must lie in 0..size-1.
template <class Table>
auto& checkedAt(Table& table, std::int64_t index, SourceUnit unit, int line) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) {
        raiseFault(FaultKind::IndexOutOfRange, unit, line);
    }
    return table[static_cast<std::size_t>(index)];
}

// Checked integer division: a zero divisor is a fault; INT32_MIN / -1 wraps like the
// hardware's two's complement result would be stored, never undefined behaviour.
inline std::int32_t checkedDivide(std::int32_t a, std::int32_t b, SourceUnit unit, int line) {
    if (b == 0) raiseFault(FaultKind::DivisionByZero, unit, line);
    if (b == -1) return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(a));
    return a / b;
}

inline std::int32_t checkedModulo(std::int32_t a, std::int32_t b, SourceUnit unit, int line) {
    if (b == 0) raiseFault(FaultKind::DivisionByZero, unit, line);
    if (b == -1) return 0;
    return a % b;
}

#define CHECKED_AT(table, index) ::base::checkedAt((table), (index), kSourceUnit, __LINE__)
#define CHECKED_DIV(a, b) ::base::checkedDivide((a), (b), kSourceUnit, __LINE__)
#define CHECKED_MOD(a, b) ::base::checkedModulo((a), (b), kSourceUnit, __LINE__)
#define RAISE_FAULT(kind) ::base::raiseFault((kind), kSourceUnit, __LINE__)
// A guarded step whose exceptions without a position are reported at this line.
#define GUARDED_STEP(step) ::base::guardedStep((step), ::base::FaultPosition{kSourceUnit, __LINE__})

// The guard. The main loop arms it once per turn with the routine that writes the report;
// guardedStep runs one step and, when it raises a fault, calls that routine once (the
// first fault of the turn) and disarms; later faults of the turn are passed over. A step
// that faults is abandoned; the caller goes on with the next step.
using FaultReporter = std::function<void(const EngineFault&)>;

void armFaultGuard(FaultReporter reporter);
void disarmFaultGuard();
bool faultGuardArmed();
// The most recent fault caught (reported or passed over), for the report and for tests.
const EngineFault& lastFault();

// Runs step; returns false when it raised a fault (which was then reported or passed over).
// Whatever else escapes the step is a fault of the step too: std::bad_alloc, any other
// std::exception and a throw of any other type. Those carry no position of their own, so
// they are reported at `where`, the place that runs the step (by default "Main Module"
// line 0).
bool guardedStep(const std::function<void()>& step, FaultPosition where = {});

}  // namespace base
