// The command-line options of the game program that drive test and automation runs. Without
// options the program runs as a player starts it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace media {

struct TurnFile {
    int turn = 0;
    std::string path;  // a host path
    bool operator==(const TurnFile&) const = default;
};

// A test aid: raise count faults in the world update of main-loop turn `turn`.
struct FaultInjection {
    int turn = 0;
    int count = 0;
    bool operator==(const FaultInjection&) const = default;
};

struct HarnessOptions {
    bool headless = false;
    int desktopWidth = 1920;  // desktop 0 in headless mode
    int desktopHeight = 1080;
    std::optional<int> frames;  // end after this main-loop turn
    std::optional<std::uint64_t> seed;
    std::string replayPath;
    std::string recordPath;
    std::vector<TurnFile> screenshots;
    std::vector<TurnFile> dumpsAt;
    std::string dumpPath;
    std::string messageLogPath;
    bool timing = false;
    std::optional<FaultInjection> injectFault;  // headless runs only
};

enum class OptionsOutcome : std::uint8_t { Run, Help, Version, Error };

struct ParsedOptions {
    OptionsOutcome outcome = OptionsOutcome::Run;
    HarnessOptions options;
    std::string error;  // for OptionsOutcome::Error
};

// Parses the arguments after the program name. Both "--frames 10" and "--frames=10" work.
ParsedOptions parseHarnessOptions(const std::vector<std::string>& arguments);

// The text of --help: every option with a one-line description.
std::string harnessHelpText(const std::string& programName);

}  // namespace media
