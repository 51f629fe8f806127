// The command line of the game program: the options that drive test and automation runs.
// Without options the program runs as a player starts it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/media/headless/harness.h"

namespace game {

enum class OptionsOutcome : std::uint8_t { Run, Help, Version, Error };

struct ParsedOptions {
    OptionsOutcome outcome = OptionsOutcome::Run;
    media::HarnessOptions options;
    std::string error;  // for OptionsOutcome::Error
};

// Parses the arguments after the program name. Both "--frames 10" and "--frames=10" work;
// option names are never abbreviated.
ParsedOptions parseHarnessOptions(const std::vector<std::string>& arguments);

// The text of --help: every option with a one-line description.
std::string harnessHelpText(const std::string& programName);

}  // namespace game
