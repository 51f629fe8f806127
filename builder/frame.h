// Drawing the work map on the sprite screen: the elements layer by layer, the cursor
// preview, the screen log, the grid and the help panel; then the frame is shown.
#pragma once

#include <string_view>

#include "builder/builder_state.h"

namespace builder {

// The two blend factors of a post effect "a,b"; both must be non-zero to apply.
struct PostEffect {
    int source = 0;
    int destination = 0;
    bool applies() const { return source != 0 && destination != 0; }
};
PostEffect parsePostEffect(std::string_view text);

// The cursor preview waits this long in raster mode 2 before it is drawn.
inline constexpr int kPreviewWaitMilliseconds = 50;

void drawFrame(Builder& builder);

}  // namespace builder
