// The demo's title music: a calm eight-second loop (a held chord and a few bell notes)
// as Ogg Vorbis. The loop is seamless: every held tone and every swell completes whole
// cycles within the loop, and bell tails that run past the end continue at its start.
#pragma once

#include <optional>
#include <string>

namespace demo {

// The encoded file; nullopt when the Vorbis encoder could not be set up. The bytes depend
// only on this program.
std::optional<std::string> titleMusicOgg();

}  // namespace demo
