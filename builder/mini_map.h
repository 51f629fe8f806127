// "Save MiniMap (Screenshot)": the whole work map, every alive element on its layer, drawn
// at a tenth of its size into a PNG beside the work map file.
#pragma once

#include <string>

#include "builder/builder_state.h"

namespace builder {

inline constexpr float kMiniMapScale = 0.1f;

// The PNG's name: the work map file's name + "_MiniMap.png".
std::string miniMapPath(const BuilderState& state);

// Draws and writes the mini map; false when the file could not be written.
bool saveMiniMap(Builder& builder);

}  // namespace builder
