// Start-up and end of the builder.
#pragma once

#include <string_view>

#include "builder/builder_state.h"

namespace builder {

inline constexpr std::string_view kMainWindowTitle =
    "RIVORERAR VERSION A140811 BASED ON ROZO BUILDER VERSION 0.7";
inline constexpr std::string_view kTileWindowTitle = "Tiles";
inline constexpr std::string_view kDnaWindowTitle = "DNA_DESCRIPTOR_WINDOW";

// Reads the configuration chain, opens the windows, loads the tile catalogue and the work
// map "1". Ends the program (BuilderEnd) on the failures that end it; otherwise the event
// loop runs next.
void startBuilder(Builder& builder, std::string_view workingDirectory);

// Closes the windows that exist.
void endBuilder(Builder& builder);

}  // namespace builder
