// The end of the program and the message box, reached through hooks so that the start-up
// can connect them to the media services and tests can watch them. Without hooks the
// boxes go to stderr and the end simply exits.
#pragma once

#include <functional>
#include <string_view>

namespace engine {

// Shows a modal message box with one OK button.
using MessageBoxHook = std::function<void(std::string_view caption, std::string_view text)>;
// Shuts the media services down.
using ShutdownHook = std::function<void()>;
// Runs last, with the engine state complete (the harness writes its final dump here).
using EndOfProgramHook = std::function<void()>;
// Ends the process with the status; std::exit unless a test replaces it. Should it return,
// the program end calls std::exit itself.
using ExitHook = std::function<void(int status)>;

// An empty function restores the default.
void setMessageBoxHook(MessageBoxHook hook);
void setShutdownHook(ShutdownHook hook);
void setEndOfProgramHook(EndOfProgramHook hook);
void setExitHook(ExitHook hook);

void showMessageBox(std::string_view caption, std::string_view text);

// The program end: the end-of-program hook, then the media shut-down, then the exit with
// the status. Reached from the end of the main loop, the quit keys, the closing screen and
// a core error. A second call while the end runs (a hook failing) exits at once.
[[noreturn]] void endProgram(int exitStatus);

}  // namespace engine
