#include "game/harness_options.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

#include "engine/base/text_values.h"

namespace game {
namespace {

constexpr int kMaxTurn = std::numeric_limits<int>::max() - 1;
constexpr int kMaxDesktopSide = 16384;
constexpr int kMaxInjectedFaults = 1000;

// A row's handler takes the option's value ("" for a flag); false means a bad value.
using OptionHandler = bool (*)(ParsedOptions& parsed, std::string_view value);

struct OptionRow {
    const char* name;           // without the leading "--"
    std::string_view argument;  // empty: a flag
    std::string_view description;
    OptionHandler handle;
};

std::optional<int> turnNumber(std::string_view text, int low) {
    return base::parseStrictInteger(text, low, kMaxTurn);
}

// "N:FILE" with a turn from 0 and a file name that is not empty.
bool addTurnFile(std::vector<media::TurnFile>& files, std::string_view value) {
    const std::size_t colon = value.find(':');
    if (colon == std::string_view::npos || colon + 1 >= value.size()) return false;
    const auto turn = turnNumber(value.substr(0, colon), 0);
    if (!turn) return false;
    files.push_back({*turn, std::string(value.substr(colon + 1))});
    return true;
}

// The kinds an injected fault may throw, by the name the option takes.
constexpr std::array<std::pair<std::string_view, media::InjectedThrow>, 6> kInjectedThrows = {{
    {"fault", media::InjectedThrow::EngineFault},
    {"bad_alloc", media::InjectedThrow::BadAlloc},
    {"length_error", media::InjectedThrow::LengthError},
    {"out_of_range", media::InjectedThrow::OutOfRange},
    {"exception", media::InjectedThrow::Exception},
    {"other", media::InjectedThrow::Other},
}};

std::optional<std::uint64_t> seedValue(std::string_view value) {
    return base::parseStrictInteger<std::uint64_t>(value, 0,
                                                   std::numeric_limits<std::uint64_t>::max());
}

// "N:COUNT[:KIND]".
bool setFaultInjection(ParsedOptions& p, std::string_view value) {
    const std::size_t colon = value.find(':');
    if (colon == std::string_view::npos) return false;
    const std::size_t second = value.find(':', colon + 1);
    const auto turn = turnNumber(value.substr(0, colon), 1);
    const std::string_view countText = second == std::string_view::npos
                                           ? value.substr(colon + 1)
                                           : value.substr(colon + 1, second - colon - 1);
    const auto count = base::parseStrictInteger(countText, 1, kMaxInjectedFaults);
    if (!turn || !count) return false;
    media::FaultInjection injection{*turn, *count};
    if (second != std::string_view::npos) {
        const auto kind = std::find_if(
            kInjectedThrows.begin(), kInjectedThrows.end(),
            [&](const auto& entry) { return entry.first == value.substr(second + 1); });
        if (kind == kInjectedThrows.end()) return false;
        injection.what = kind->second;
    }
    p.options.injectFault = injection;
    return true;
}

bool setPath(std::string& path, std::string_view value) {
    path = value;
    return !value.empty();
}

constexpr std::array<OptionRow, 16> kOptions{{
    {"headless", "", "run without window and audio device, on a virtual clock",
     [](ParsedOptions& p, std::string_view) { return p.options.headless = true; }},
    {"desktop", "WxH", "size of desktop 0 in headless mode (default 1920x1080)",
     [](ParsedOptions& p, std::string_view value) {
         const auto size = base::parseSizeText(value, kMaxDesktopSide);
         if (!size) return false;
         p.options.desktopWidth = size->width;
         p.options.desktopHeight = size->height;
         return true;
     }},
    {"frames", "N", "end through the normal program end after main-loop turn N",
     [](ParsedOptions& p, std::string_view value) {
         p.options.frames = turnNumber(value, 0);
         return p.options.frames.has_value();
     }},
    {"seed", "N", "seed of the random number generator",
     [](ParsedOptions& p, std::string_view value) {
         p.options.seed = seedValue(value);
         return p.options.seed.has_value();
     }},
    {"replay", "FILE", "take input from a replay file, by turn",
     [](ParsedOptions& p, std::string_view value) { return setPath(p.options.replayPath, value); }},
    {"record", "FILE", "write the input of this run as a replay file",
     [](ParsedOptions& p, std::string_view value) { return setPath(p.options.recordPath, value); }},
    {"screenshot-at", "N:FILE", "write the frame presented in turn N as PNG (repeatable)",
     [](ParsedOptions& p, std::string_view value) {
         return addTurnFile(p.options.screenshots, value);
     }},
    {"dump-at", "N:FILE", "write the engine state after turn N as JSON (repeatable)",
     [](ParsedOptions& p, std::string_view value) {
         return addTurnFile(p.options.dumpsAt, value);
     }},
    {"dump", "FILE", "write the engine state as JSON at the program end",
     [](ParsedOptions& p, std::string_view value) { return setPath(p.options.dumpPath, value); }},
    {"message-log", "FILE", "append every message box as one JSON line",
     [](ParsedOptions& p, std::string_view value) {
         return setPath(p.options.messageLogPath, value);
     }},
    {"timing", "", "print frames and update, draw and turn times at the end",
     [](ParsedOptions& p, std::string_view) { return p.options.timing = true; }},
    {"inject-fault", "N:COUNT[:KIND]",
     "test aid, headless only: COUNT faults in the world update of turn N; KIND fault (default),"
     " bad_alloc, length_error, out_of_range, exception or other",
     setFaultInjection},
    {"random-input", "SEED",
     "test aid, headless only, with --frames: random presses of the game's keys and buttons",
     [](ParsedOptions& p, std::string_view value) {
         p.options.randomInput = seedValue(value);
         return p.options.randomInput.has_value();
     }},
    {"check-handles", "", "print the pictures, sprites and sounds still loaded at the end",
     [](ParsedOptions& p, std::string_view) { return p.options.checkHandles = true; }},
    {"help", "", "show this help and exit",
     [](ParsedOptions& p, std::string_view) {
         p.outcome = OptionsOutcome::Help;
         return true;
     }},
    {"version", "", "show the program version and exit",
     [](ParsedOptions& p, std::string_view) {
         if (p.outcome != OptionsOutcome::Help) p.outcome = OptionsOutcome::Version;
         return true;
     }},
}};

// getopt_long's table: each option's val is its row index plus kFirstValue, clear of the
// characters getopt returns itself ('?', ':', 1).
constexpr int kFirstValue = 256;

std::array<option, kOptions.size() + 1> longOptions() {
    std::array<option, kOptions.size() + 1> table{};
    for (std::size_t i = 0; i < kOptions.size(); ++i) {
        table[i] = {kOptions[i].name,
                    kOptions[i].argument.empty() ? no_argument : required_argument, nullptr,
                    kFirstValue + static_cast<int>(i)};
    }
    return table;
}

// getopt_long takes a unique prefix of a name; the command line wants the whole name.
bool writtenInFull(const char* argument, const OptionRow& row) {
    const std::string_view written =
        std::string_view(argument).substr(0, std::strcspn(argument, "="));
    return written.size() == std::strlen(row.name) + 2 && written.substr(2) == row.name;
}

ParsedOptions failed(std::string message) {
    ParsedOptions parsed;
    parsed.outcome = OptionsOutcome::Error;
    parsed.error = std::move(message);
    return parsed;
}

std::string unknown(std::string_view argument) {
    return "unknown option \"" + std::string(argument) + "\" (see --help)";
}

}  // namespace

ParsedOptions parseHarnessOptions(const std::vector<std::string>& arguments) {
    // getopt works on a C argument vector that it may reorder; "-:" keeps the order, returns
    // every non-option as 1 and a missing value as ':'.
    std::vector<std::string> copies = arguments;
    std::vector<char*> argv{const_cast<char*>("RERIZUVA2")};
    for (std::string& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(argv.size()) - 1;
    const auto table = longOptions();

    ParsedOptions parsed;
    optind = 0;  // a fresh scan (GNU getopt)
    opterr = 0;  // the messages are ours
    for (;;) {
        const int current = optind == 0 ? 1 : optind;
        const int result = getopt_long(argc, argv.data(), "-:", table.data(), nullptr);
        if (result == -1) {
            if (current < argc) return failed(unknown(arguments[current - 1]));  // a "--"
            break;
        }
        const int index = result - kFirstValue;
        const bool known = index >= 0 && index < static_cast<int>(kOptions.size());
        if (result == ':' && optopt >= kFirstValue) {
            const OptionRow& missing = kOptions[optopt - kFirstValue];
            return failed("--" + std::string(missing.name) +
                          " needs a value: " + std::string(missing.argument));
        }
        if (result == '?' && optopt >= kFirstValue) {
            return failed("--" + std::string(kOptions[optopt - kFirstValue].name) +
                          " takes no value");
        }
        if (!known || !writtenInFull(argv[current], kOptions[index])) {
            return failed(unknown(arguments[current - 1]));
        }
        const OptionRow& row = kOptions[index];
        const std::string_view value = optarg != nullptr ? optarg : "";
        if (!row.handle(parsed, value)) {
            return failed("bad value for --" + std::string(row.name) + " (expected " +
                          std::string(row.argument) + "): \"" + std::string(value) + "\"");
        }
    }
    if (parsed.outcome == OptionsOutcome::Run && parsed.options.injectFault &&
        !parsed.options.headless) {
        return failed("--inject-fault is a test aid for headless runs: add --headless");
    }
    const media::HarnessOptions& o = parsed.options;
    if (parsed.outcome == OptionsOutcome::Run && o.randomInput &&
        (!o.headless || !o.frames || !o.replayPath.empty())) {
        return failed("--random-input needs --headless and --frames, and no --replay");
    }
    return parsed;
}

std::string harnessHelpText(const std::string& programName) {
    // Built by appending only: GCC 12 reports a false -Wrestrict overlap for
    // "literal" + std::string in Release builds.
    std::string text = "Usage: ";
    text += programName;
    text += " [options]\n\nOptions:\n";
    for (const OptionRow& row : kOptions) {
        std::string left = "  --";
        left += row.name;
        if (!row.argument.empty()) {
            left += ' ';
            left += row.argument;
        }
        if (left.size() < 24)
            left.resize(24, ' ');
        else
            left += "  ";
        text += left;
        text += row.description;
        text += '\n';
    }
    text +=
        "\nReplay files hold one event a line: T key down|up CODE, T mouse move DX DY,\n"
        "T mouse at X Y, T mouse down|up BUTTON, T wheel N, T joy axis x|y -1|0|1,\n"
        "T joy button N down|up, T focus 0|1, or \"joystick present\"; '#' starts a comment.\n";
    return text;
}

}  // namespace game
