// The screen log in the top left corner of every frame, and the help panel.
#pragma once

#include "builder/builder_state.h"

namespace builder {

void drawScreenLog(Builder& builder);
void drawHelpPanel(Builder& builder);

}  // namespace builder
