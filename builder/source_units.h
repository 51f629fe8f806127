// The builder's source units and its run-time faults.
//
// The fatal error report names the unit ("Include: " + name) and the line of the statement
// that failed. Each builder file declares its unit once:
//
//     namespace { constexpr builder::BuilderUnit kBuilderUnit = builder::BuilderUnit::BUILDERMOUSE;
//     }
//
// and then writes  BUILDER_AT(table, i)  or  BUILDER_FAULT("what went wrong").
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace builder {

enum class BuilderUnit : std::uint8_t {
    BUILDERENV,
    BUILDERFUNDAMENT,
    BUILDERPARSER,
    BUILDEREVENTHANDLER,
    BUILDERKEYBOARD,
    BUILDERMOUSE,
    BUILDERio,
    BUILDERFWORLD,
    BUILDERWINDOW,
    BUILDERMESSAGE,
    BUILDERTILEMENU,
    BUILDERTESTROUTINES,
    BUILDERDDD,
    BUILDERSGFX,
    BUILDERGFXLIB,
    BUILDERPICTILE,
    BUILDERscreen,
    BUILDERINIODA,
    BUILDERDESCRIPTOR,
};

std::string_view builderUnitName(BuilderUnit unit);

// What a failing builder statement throws; only the event handler's fatal error report
// catches it. Deliberately not a std::exception.
struct BuilderFault {
    BuilderUnit unit = BuilderUnit::BUILDERFUNDAMENT;
    int line = 0;
    std::string what;
};

[[noreturn]] void raiseBuilderFault(BuilderUnit unit, int line, std::string what);

template <class Table>
auto& builderAt(Table& table, std::int64_t index, BuilderUnit unit, int line) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) {
        raiseBuilderFault(unit, line, "Array index out of bounds");
    }
    return table[static_cast<std::size_t>(index)];
}

#define BUILDER_AT(table, index) ::builder::builderAt((table), (index), kBuilderUnit, __LINE__)
#define BUILDER_FAULT(what) ::builder::raiseBuilderFault(kBuilderUnit, __LINE__, (what))

// Thrown to end the program at once (a start-up failure, an error message that ends the
// builder, the fatal error report). The shell catches it and exits with the code.
struct BuilderEnd {
    int exitCode = 0;
};

}  // namespace builder
