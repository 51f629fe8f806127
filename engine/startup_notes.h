// Plain notes on standard error about configured content the game will not find: a picture,
// map or sound directory that does not exist, a codec extension no reader handles. Each is
// one line; the game starts the same way as without them (missing content is skipped).
#pragma once

#include <string>
#include <vector>

namespace engine {

// The notes for the settings as read, one line each, without line ends.
std::vector<std::string> startUpProblems();

// Writes startUpProblems() to standard error.
void noteStartUpProblems();

}  // namespace engine
