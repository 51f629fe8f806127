// Texts handed to SDL (window title, message boxes) must be UTF-8. The game's own texts
// come from files written on Windows in its ANSI code page; those are converted.
#pragma once

#include <string>
#include <string_view>

namespace media {

// The text itself when it is valid UTF-8, otherwise its bytes read as Windows-1252.
std::string displayText(std::string_view text);

}  // namespace media
