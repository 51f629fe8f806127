#include "builder/test_routines.h"

#include "builder/source_units.h"

namespace builder {

namespace {
constexpr BuilderUnit kBuilderUnit = BuilderUnit::BUILDERTESTROUTINES;
}

void raiseTestFault() {
    BUILDER_FAULT("Fault injected for testing");
}

}  // namespace builder
