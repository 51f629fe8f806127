#include "builder/source_units.h"

#include <array>
#include <utility>

namespace builder {

std::string_view builderUnitName(BuilderUnit unit) {
    static constexpr std::array<std::string_view, 19> kNames = {
        "BUILDERENV",      "BUILDERFUNDAMENT", "BUILDERPARSER",     "BUILDEREVENTHANDLER",
        "BUILDERKEYBOARD", "BUILDERMOUSE",     "BUILDERio",         "BUILDERFWORLD",
        "BUILDERWINDOW",   "BUILDERMESSAGE",   "BUILDERTILEMENU",   "BUILDERTESTROUTINES",
        "BUILDERDDD",      "BUILDERSGFX",      "BUILDERGFXLIB",     "BUILDERPICTILE",
        "BUILDERscreen",   "BUILDERINIODA",    "BUILDERDESCRIPTOR",
    };
    const auto index = static_cast<std::size_t>(unit);
    return index < kNames.size() ? kNames[index] : std::string_view("BUILDERFUNDAMENT");
}

void raiseBuilderFault(BuilderUnit unit, int line, std::string what) {
    throw BuilderFault{unit, line, std::move(what)};
}

}  // namespace builder
