#include "builder/test_routines.h"

#include <csignal>

#include "builder/source_units.h"

namespace builder {

namespace {
constexpr BuilderUnit kBuilderUnit = BuilderUnit::BUILDERTESTROUTINES;
}

void raiseTestFault() {
    BUILDER_FAULT("Fault injected for testing");
}

void raiseTestCrash() {
    std::raise(SIGSEGV);
}

}  // namespace builder
