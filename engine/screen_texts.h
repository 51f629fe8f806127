// The texts drawn over each world screen, chosen by the map id: the game over blink, the
// lines of the "copyright" (title screens) and "thank" (closing screen) files, and the
// version line and head-up gauges of the levels; then, on every screen, the pause and error
// lines. Fixed texts, the version line and the file lines are drawn in upper case; the
// gauges of playerStatus as they are.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/map_ids.h"

namespace engine {

// The game over texts show while blinkCounter is 1..59 and hide from 60; past 120 the
// counter starts again, a cycle of 121 draws.
inline constexpr std::int32_t kBlinkHideFrom = 60;
inline constexpr std::int32_t kBlinkRestartAbove = 120;

// Single-byte upper case: 0x61..0x7A and every code above 0xDF lowered by 0x20.
std::string upperCaseText(std::string_view text);
void upperCaseInPlace(std::string& text);

// The lines of a screen text file, as drawn one after the other: every line up to the end
// of the bytes (CR, LF and CR LF end a line), so a last line without a break counts too.
std::vector<std::string> screenTextLines(std::string_view bytes);

// The lines of a screen text file, kept between frames and read again only when the file's
// size or modification time changed; empty when the file is missing.
const std::vector<std::string>& cachedScreenTextLines(const std::string& configuredPath);

// The screen texts for map id mapId (the frame's screenTexts step), starting with the text
// cursor at (0, 0). Inside a 3D pass.
void drawScreenTexts(std::int32_t mapId);

}  // namespace engine
