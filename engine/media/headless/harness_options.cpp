#include "engine/media/headless/harness_options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <string_view>
#include <utility>

namespace media {
namespace {

struct OptionInfo {
    std::string_view name;
    std::string_view argument;  // empty: a flag
    std::string_view description;
};

constexpr OptionInfo kOptions[] = {
    {"--headless", "", "run without window and audio device, on a virtual clock"},
    {"--desktop", "WxH", "size of desktop 0 in headless mode (default 1920x1080)"},
    {"--frames", "N", "end through the normal program end after main-loop turn N"},
    {"--seed", "N", "seed of the random number generator"},
    {"--replay", "FILE", "take input from a replay file, by turn"},
    {"--record", "FILE", "write the input of this run as a replay file"},
    {"--screenshot-at", "N:FILE", "write the frame presented in turn N as PNG (repeatable)"},
    {"--dump-at", "N:FILE", "write the engine state after turn N as JSON (repeatable)"},
    {"--dump", "FILE", "write the engine state as JSON at the program end"},
    {"--message-log", "FILE", "append every message box as one JSON line"},
    {"--timing", "", "print frames and update, draw and turn times at the end"},
    {"--inject-fault", "N:COUNT[:KIND]",
     "test aid, headless only: COUNT faults in the world update of turn N; KIND fault (default),"
     " bad_alloc, length_error, out_of_range, exception or other"},
    {"--random-input", "SEED",
     "test aid, headless only, with --frames: random presses of the game's keys and buttons"},
    {"--check-handles", "", "print the pictures, sprites and sounds still loaded at the end"},
    {"--help", "", "show this help and exit"},
    {"--version", "", "show the program version and exit"},
};

std::optional<long long> parseWhole(std::string_view text, long long low, long long high) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

constexpr long long kMaxTurn = std::numeric_limits<int>::max() - 1;
constexpr long long kMaxDesktopSide = 16384;
constexpr long long kMaxInjectedFaults = 1000;

constexpr std::array<std::pair<std::string_view, InjectedThrow>, 6> kInjectedThrows = {{
    {"fault", InjectedThrow::EngineFault},
    {"bad_alloc", InjectedThrow::BadAlloc},
    {"length_error", InjectedThrow::LengthError},
    {"out_of_range", InjectedThrow::OutOfRange},
    {"exception", InjectedThrow::Exception},
    {"other", InjectedThrow::Other},
}};

std::optional<std::uint64_t> parseSeed(std::string_view text) {
    std::uint64_t seed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return seed;
}

}  // namespace

ParsedOptions parseHarnessOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    HarnessOptions& o = parsed.options;
    auto fail = [&parsed](std::string message) {
        parsed.outcome = OptionsOutcome::Error;
        parsed.error = std::move(message);
        return parsed;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const std::size_t equals = name.find('=');
            name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const OptionInfo* info = nullptr;
        for (const OptionInfo& option : kOptions) {
            if (option.name == name) info = &option;
        }
        if (info == nullptr) return fail("unknown option \"" + arguments[i] + "\" (see --help)");
        if (info->argument.empty()) {
            if (value) return fail(name + " takes no value");
        } else if (!value) {
            if (i + 1 >= arguments.size()) {
                return fail(name + " needs a value: " + std::string(info->argument));
            }
            value = arguments[++i];
        }
        const std::string bad = "bad value for " + name + " (expected " +
                                std::string(info->argument) + "): \"" + value.value_or("") + "\"";

        if (name == "--help") {
            parsed.outcome = OptionsOutcome::Help;
        } else if (name == "--version") {
            if (parsed.outcome != OptionsOutcome::Help) parsed.outcome = OptionsOutcome::Version;
        } else if (name == "--headless") {
            o.headless = true;
        } else if (name == "--timing") {
            o.timing = true;
        } else if (name == "--check-handles") {
            o.checkHandles = true;
        } else if (name == "--desktop") {
            const std::size_t x = value->find('x');
            if (x == std::string::npos) return fail(bad);
            const auto width =
                parseWhole(std::string_view(*value).substr(0, x), 1, kMaxDesktopSide);
            const auto height =
                parseWhole(std::string_view(*value).substr(x + 1), 1, kMaxDesktopSide);
            if (!width || !height) return fail(bad);
            o.desktopWidth = static_cast<int>(*width);
            o.desktopHeight = static_cast<int>(*height);
        } else if (name == "--frames") {
            const auto frames = parseWhole(*value, 0, kMaxTurn);
            if (!frames) return fail(bad);
            o.frames = static_cast<int>(*frames);
        } else if (name == "--seed" || name == "--random-input") {
            const auto seed = parseSeed(*value);
            if (!seed) return fail(bad);
            (name == "--seed" ? o.seed : o.randomInput) = *seed;
        } else if (name == "--inject-fault") {
            const std::string_view text(*value);
            const std::size_t colon = text.find(':');
            if (colon == std::string::npos) return fail(bad);
            const std::size_t second = text.find(':', colon + 1);
            const auto turn = parseWhole(text.substr(0, colon), 1, kMaxTurn);
            const std::string_view countText = second == std::string_view::npos
                                                   ? text.substr(colon + 1)
                                                   : text.substr(colon + 1, second - colon - 1);
            const auto count = parseWhole(countText, 1, kMaxInjectedFaults);
            if (!turn || !count) return fail(bad);
            FaultInjection injection{static_cast<int>(*turn), static_cast<int>(*count)};
            if (second != std::string_view::npos) {
                const auto kind = std::find_if(
                    kInjectedThrows.begin(), kInjectedThrows.end(),
                    [&](const auto& entry) { return entry.first == text.substr(second + 1); });
                if (kind == kInjectedThrows.end()) return fail(bad);
                injection.what = kind->second;
            }
            o.injectFault = injection;
        } else if (name == "--screenshot-at" || name == "--dump-at") {
            const std::size_t colon = value->find(':');
            if (colon == std::string::npos || colon + 1 >= value->size()) return fail(bad);
            const auto turn = parseWhole(std::string_view(*value).substr(0, colon), 0, kMaxTurn);
            if (!turn) return fail(bad);
            TurnFile file{static_cast<int>(*turn), value->substr(colon + 1)};
            (name == "--dump-at" ? o.dumpsAt : o.screenshots).push_back(std::move(file));
        } else {
            if (value->empty()) return fail(bad);
            if (name == "--replay") o.replayPath = *value;
            if (name == "--record") o.recordPath = *value;
            if (name == "--dump") o.dumpPath = *value;
            if (name == "--message-log") o.messageLogPath = *value;
        }
    }
    if (parsed.outcome == OptionsOutcome::Run && o.injectFault && !o.headless) {
        return fail("--inject-fault is a test aid for headless runs: add --headless");
    }
    if (parsed.outcome == OptionsOutcome::Run && o.randomInput &&
        (!o.headless || !o.frames || !o.replayPath.empty())) {
        return fail("--random-input needs --headless and --frames, and no --replay");
    }
    return parsed;
}

std::string harnessHelpText(const std::string& programName) {
    std::string text = "Usage: " + programName + " [options]\n\nOptions:\n";
    for (const OptionInfo& option : kOptions) {
        std::string left = "  " + std::string(option.name);
        if (!option.argument.empty()) left += " " + std::string(option.argument);
        if (left.size() < 24)
            left.resize(24, ' ');
        else
            left += "  ";
        text += left + std::string(option.description) + "\n";
    }
    text +=
        "\nReplay files hold one event a line: T key down|up CODE, T mouse move DX DY,\n"
        "T mouse at X Y, T mouse down|up BUTTON, T wheel N, T joy axis x|y -1|0|1,\n"
        "T joy button N down|up, T focus 0|1, or \"joystick present\"; '#' starts a comment.\n";
    return text;
}

}  // namespace media
