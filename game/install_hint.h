// A player who starts the game where there is no game directory gets the core error boxes;
// this adds one note on stderr saying where the demo game is installed and how to start it.
#pragma once

#include <string>
#include <string_view>

namespace game {

// The installed demo game's directory: beside this program (bin/../share/rerizuva2/demo)
// when it is there, otherwise the one the build was configured to install; empty when
// neither exists.
std::string installedDemoDirectory();

// Writes the note when the working directory holds no CORE\ini.crc.
void pointToInstalledDemoWhenNoCore(std::string_view workingDirectory);

}  // namespace game
