// Opening the window and the world screen at start-up. The window mode comes from
// FULLSCREEN and USEWINDOWHD:
//
//   USEWINDOWHD 1         borderless, centred window of WINDOWW x WINDOWH (wins over all)
//   FULLSCREEN >= 1       borderless, centred window of the desktop's size
//   FULLSCREEN 0          captioned window of the desktop's size at the window position
//   0 < FULLSCREEN < 1    captioned window of that fraction of the desktop (FULLSCREEN
//                         then becomes 0)
//   FULLSCREEN < 0        nothing opens; the start-up ends the program without a message
//
// Each window is one pixel wider and higher than the screen it holds; the screen is
// stretched to the window's client area. A window or screen that cannot be opened is
// core error 8.
#pragma once

#include <string_view>

namespace engine {

// The fixed first part of every window title.
inline constexpr std::string_view kBannerLine =
    "RERIZUVA ENGINE (C) RERIZUVA DEVELOPERS - ALL RIGHTS RESERVED ";
inline constexpr std::string_view kVersionLabel = "VERSION: ";

// Opens the window and the screen as above, sets screenOpen, the window fields, SCRW and
// SCRH, and presents one black frame.
void openWorldScreen();

}  // namespace engine
