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

// What an injected fault throws: the guard's own fault or what a library may throw.
enum class InjectedThrow : std::uint8_t {
    EngineFault,  // "fault"
    BadAlloc,     // "bad_alloc"
    LengthError,  // "length_error"
    OutOfRange,   // "out_of_range"
    Exception,    // "exception": a plain std::exception
    Other,        // "other": an int, no std::exception at all
};

// A test aid: raise count faults in the world update of main-loop turn `turn`.
struct FaultInjection {
    int turn = 0;
    int count = 0;
    InjectedThrow what = InjectedThrow::EngineFault;
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
    // Random input of every key the game uses, drawn from this seed (headless, with --frames).
    std::optional<std::uint64_t> randomInput;
    // At the program end, after the game freed its media: the live handles on stdout.
    bool checkHandles = false;
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
