// The DNA window: a grid of key and value fields built from the master DNA file, filled
// from the chosen tile's DNA file by position; "SET" writes the fields as the tile's DNA
// file and reloads the tile type's DNA, "KILL" shows the master again.
#pragma once

#include <string>
#include <string_view>

#include "builder/builder_state.h"
#include "builder/window_events.h"

namespace builder {

inline constexpr int kDnaFieldWidth = 164;
inline constexpr int kDnaFieldHeight = 20;
inline constexpr int kDnaRowHeight = 40;
inline constexpr int kDnaRowsPerColumn = 16;
inline constexpr int kDnaPlaceholderRows = 97;
inline constexpr int kDnaButtonHeight = 48;
inline constexpr int kDnaButtonGap = 50;  // from the top of "SET_DNA" to "KILL_DNA"
inline constexpr int kDnaMenuSet = 110;
inline constexpr int kDnaMenuKill = 109;

inline constexpr media::Argb kDnaMasterKey = media::makeArgb(255, 250, 250, 0);
inline constexpr media::Argb kDnaMasterValue = media::makeArgb(255, 255, 255, 255);
inline constexpr media::Argb kDnaTileKey = media::makeArgb(255, 0, 255, 0);
inline constexpr media::Argb kDnaPlaceholderKey = media::makeArgb(255, 240, 240, 240);
inline constexpr media::Argb kDnaPlaceholderValue = media::makeArgb(255, 150, 220, 220);
inline constexpr media::Argb kDnaButtonText = media::makeArgb(255, 50, 200, 200);
inline constexpr std::string_view kDnaSetTooltip = "Save The Tile-*DNA* ";
inline constexpr std::string_view kDnaKillTooltip = "Reset To Default *DNA*";

// Builds the rows from the master DNA file (message 119 and placeholder rows when it cannot
// be read) and shows them.
void buildDnaRows(Builder& builder);

// Rebuilds the rows and fills them from baseName + ".dll" (a tile's DNA file), row k taking
// the k-th pair; titles the window.
void showTileDna(Builder& builder, std::string_view baseName);

// "SET": writes the rows as the selected tile type's DNA file and reads it back into the
// catalogue. Message 124 when the file cannot be written.
void saveSelectedTileDna(Builder& builder);

// "KILL": the master DNA only; the tile's file is left as it is.
void showDefaultDna(Builder& builder);

// An event of the DNA window: an edited field, a button, a menu item.
void handleDnaWindowEvent(Builder& builder, const WindowEvent& event);

}  // namespace builder
