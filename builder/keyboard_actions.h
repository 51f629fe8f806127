// The builder's keys, examined once after every window event and acted on in a fixed order.
#pragma once

#include "builder/builder_state.h"

namespace builder {

void examineKeyboard(Builder& builder);

}  // namespace builder
