// SDL's key codes (SDL_Scancode, the USB key positions) translated to the DirectInput scan
// codes the engine reads. Both name physical keys, so the translation does not depend on
// the keyboard layout.
#pragma once

namespace media {

// The DirectInput scan code of an SDL_Scancode value; 0 for a key without one (and for any
// value outside SDL's range).
int dikFromSdlScancode(int sdlScancode);

}  // namespace media
