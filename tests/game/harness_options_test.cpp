// The game's command line: every option in both forms, and what is refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/harness_options.h"

namespace game {
namespace {

using media::HarnessOptions;
using media::TurnFile;

ParsedOptions parse(std::vector<std::string> arguments) {
    return parseHarnessOptions(arguments);
}

TEST(HarnessOptions, EveryOptionInBothForms) {
    const ParsedOptions parsed =
        parse({"--headless", "--desktop", "800x600", "--frames=12", "--seed",
               "18446744073709551615", "--replay", "in.replay", "--record=out.replay",
               "--screenshot-at", "3:a.png", "--screenshot-at=0:b.png", "--dump-at", "7:c.json",
               "--dump", "d.json", "--message-log", "m.log", "--timing"});
    ASSERT_EQ(parsed.outcome, OptionsOutcome::Run) << parsed.error;
    const HarnessOptions& o = parsed.options;
    EXPECT_TRUE(o.headless);
    EXPECT_EQ(o.desktopWidth, 800);
    EXPECT_EQ(o.desktopHeight, 600);
    EXPECT_EQ(o.frames, 12);
    EXPECT_EQ(o.seed, 18446744073709551615ULL);
    EXPECT_EQ(o.replayPath, "in.replay");
    EXPECT_EQ(o.recordPath, "out.replay");
    EXPECT_EQ(o.screenshots, (std::vector<TurnFile>{{3, "a.png"}, {0, "b.png"}}));
    EXPECT_EQ(o.dumpsAt, (std::vector<TurnFile>{{7, "c.json"}}));
    EXPECT_EQ(o.dumpPath, "d.json");
    EXPECT_EQ(o.messageLogPath, "m.log");
    EXPECT_TRUE(o.timing);

    const ParsedOptions defaults = parse({});
    EXPECT_EQ(defaults.outcome, OptionsOutcome::Run);
    EXPECT_FALSE(defaults.options.headless);
    EXPECT_EQ(defaults.options.desktopWidth, 1920);
    EXPECT_EQ(defaults.options.desktopHeight, 1080);
    EXPECT_FALSE(defaults.options.frames);
    EXPECT_EQ(parse({"--version"}).outcome, OptionsOutcome::Version);
    EXPECT_EQ(parse({"--version", "--help"}).outcome, OptionsOutcome::Help);
}

TEST(HarnessOptions, BadArgumentsAreRejected) {
    const std::vector<std::vector<std::string>> bad = {
        {"--unknown"},
        {"headless"},
        {"--frames"},
        {"--frames", "-1"},
        {"--frames", "1e3"},
        {"--frames", "99999999999"},
        {"--desktop", "800"},
        {"--desktop", "0x600"},
        {"--desktop", "800x"},
        {"--desktop", "axb"},
        {"--seed", "-3"},
        {"--seed", ""},
        {"--screenshot-at", "a.png"},
        {"--screenshot-at", "3:"},
        {"--dump-at", "x:a.json"},
        {"--dump", ""},
        {"--headless=1"},
        {"--head"},  // no abbreviations
        {"--"},
        {"-h"},
    };
    for (const auto& arguments : bad) {
        const ParsedOptions parsed = parse(arguments);
        EXPECT_EQ(parsed.outcome, OptionsOutcome::Error) << arguments[0];
        EXPECT_FALSE(parsed.error.empty());
    }
}

}  // namespace
}  // namespace game
