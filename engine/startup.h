// The game from process start to the main loop, and the main loop's outer shell.
//
// Start-up order: engine state to its start values, display size from desktop 0, frame
// tick, scalers and aspects, ini.crc (with the codec file and the settings log), user.crc,
// the core error texts, the devices (2D and 3D sprites, sound, keyboard, mouse, joystick),
// the window and the world screen, the start sound, the bitmap font; then, with a screen
// open, one keyboard poll and the main loop. Failures of the start-up end the program
// through a core error; a failed sound start is passed over and the game runs silent.
#pragma once

#include <string_view>

namespace engine {

// The start sound's file name (SOUNDPATH + this + the sound extension) and number.
inline constexpr std::string_view kStartSoundName = "PLING";
inline constexpr int kStartSoundNumber = 31;

// Connects the program end, the message boxes, the report clock and desktop and the state
// dump to the running media services and the harness.
void connectToMediaServices();

// The game's normal end frees what it loaded: the level (through the frame's slot), the
// font glyphs, the grab of the smoothing and glow pass and the start sound. Runs at the
// program end, after the final dump; a fault in a part is passed over and the next part
// is freed.
void releaseGameMedia();

// Start-up steps 1 to 11 with the engine base directory below workingDirectory (host
// form). With no screen open (FULLSCREEN below 0) it goes to the program end.
void startUp(std::string_view workingDirectory);

// One main-loop turn: event poll, the fault guard armed with the fault report, the map
// switch when nextMapId differs from actualMapId, one world frame. A close request from
// the window system sets the quit flag instead of running the frame.
void mainLoopTurn();

// Runs turns (turn 1 is the first) until the quit flag is set or the harness ends the run
// (--frames), then the program end with exit status 0.
[[noreturn]] void runMainLoop();

// startUp, one keyboard poll, runMainLoop.
[[noreturn]] void runGame(std::string_view workingDirectory);

}  // namespace engine
