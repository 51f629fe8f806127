// The builder's state as JSON, for the harness: the state fields, the tile catalogue, the
// element table up to the last element and the windows.
#pragma once

#include <string>
#include <string_view>

#include "builder/builder_state.h"

namespace builder {

std::string dumpBuilderState(Builder& builder);
bool writeBuilderDump(Builder& builder, std::string_view path);

}  // namespace builder
