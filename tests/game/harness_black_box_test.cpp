// The game program driven from outside: options, exit codes, and that headless runs with the
// same seed and replay write byte-identical dumps and screenshots.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "support/game_run.h"
#include "support/test_support.h"

namespace game_test {
namespace {

TEST(GameOptions, HelpListsEveryOptionAndVersionNamesTheProgram) {
    TempDir dir;
    const auto help = runProgram(RZ_GAME_EXE, {"--help"}, dir.path());
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option :
         {"--headless", "--desktop WxH", "--frames N", "--seed N", "--replay FILE", "--record FILE",
          "--screenshot-at N:FILE", "--dump-at N:FILE", "--dump FILE", "--message-log FILE",
          "--timing", "--inject-fault N:COUNT", "--help", "--version"}) {
        EXPECT_NE(help.output.find(option), std::string::npos) << option;
    }
    const auto version = runProgram(RZ_GAME_EXE, {"--version"}, dir.path());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output.rfind("RERIZUVA2 ", 0), 0u) << version.output;

    const auto unknown = runProgram(RZ_GAME_EXE, {"--fast"}, dir.path());
    EXPECT_NE(unknown.exitCode, 0);
    EXPECT_NE(unknown.output.find("--fast"), std::string::npos);
}

TEST(GameHarness, FramesEndTheRunNormallyWithTimingAndFinalDump) {
    TempDir dir;
    writeCore(dir);
    const auto result = runHeadless(dir, {"--frames", "5", "--dump", "end.json", "--timing"});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("frames: 5"), std::string::npos) << result.output;
    for (const char* phase : {"update", "draw", "turn"}) {
        const std::regex line(std::string("(^|\n)") + phase +
                              " ms per frame: median [0-9.]+, p99 [0-9.]+, max [0-9.]+\n");
        EXPECT_TRUE(std::regex_search(result.output, line)) << phase << "\n" << result.output;
    }
    EXPECT_NE(readFile(dir.file("end.json")).find("\"turn\": 5"), std::string::npos);
}

TEST(GameHarness, SameSeedAndReplayGiveIdenticalOutputs) {
    TempDir dir;
    writeCore(dir);
    const std::string input =
        "# pause, drag the window, leave and come back\n"
        "joystick present\n"
        "2 key down 0xC5\n"
        "3 key up 0xC5\n"
        "4 mouse down 1\n"
        "5 mouse move 9 4\n"
        "9 mouse up 1\n"
        "10 joy axis y 1\n"
        "14 joy axis y 0\n"
        "15 mouse at 40 30\n"
        "16 focus 0\n"
        "18 focus 1\n";
    writeFile(dir.file("input.replay"), input);
    // The same input without the pause.
    writeFile(dir.file("other.replay"),
              input.substr(0, input.find("2 key")) + input.substr(input.find("4 mouse")));
    auto runOnce = [&dir](const std::string& tag, const std::string& seed,
                          const std::string& replay) {
        const auto result = runHeadless(dir, {"--seed", seed, "--frames", "24", "--replay", replay,
                                              "--screenshot-at", "20:" + tag + ".png", "--dump-at",
                                              "12:" + tag + "-12.json", "--dump", tag + ".json"});
        EXPECT_EQ(result.exitCode, 0) << result.output;
    };
    runOnce("a", "77", "input.replay");
    runOnce("b", "77", "input.replay");
    runOnce("c", "77", "other.replay");
    const std::string dumpA = readFile(dir.file("a.json"));
    const std::string shotA = readFile(dir.file("a.png"));
    ASSERT_FALSE(dumpA.empty());
    ASSERT_FALSE(shotA.empty());
    EXPECT_EQ(dumpA, readFile(dir.file("b.json")));
    EXPECT_EQ(readFile(dir.file("a-12.json")), readFile(dir.file("b-12.json")));
    EXPECT_EQ(shotA, readFile(dir.file("b.png")));
    // Other input is another run: the comparison above is not comparing constants.
    EXPECT_NE(dumpA, readFile(dir.file("c.json")));
}

TEST(GameHarness, RecordedInputReplaysToTheSameState) {
    TempDir dir;
    writeCore(dir);
    writeFile(dir.file("input.replay"),
              "3 key down 0xC5\n4 key up 0xC5\n5 mouse down 1\n6 mouse move 7 -4\n"
              "8 mouse up 1\n8 key down 0xD0\n");
    const auto first = runHeadless(dir, {"--frames", "12", "--replay", "input.replay", "--record",
                                         "recorded.replay", "--dump", "first.json"});
    ASSERT_EQ(first.exitCode, 0) << first.output;
    const auto second = runHeadless(
        dir, {"--frames", "12", "--replay", "recorded.replay", "--dump", "second.json"});
    ASSERT_EQ(second.exitCode, 0) << second.output;
    EXPECT_EQ(readFile(dir.file("first.json")), readFile(dir.file("second.json")));
    EXPECT_NE(readFile(dir.file("recorded.replay")).find("8 key down 0xD0"), std::string::npos);
    // Without the input the game is not paused and the window stays put: the replay is what
    // made the state.
    const auto still = runHeadless(dir, {"--frames", "12", "--dump", "still.json"});
    ASSERT_EQ(still.exitCode, 0);
    EXPECT_NE(readFile(dir.file("first.json")), readFile(dir.file("still.json")));
}

TEST(GameHarness, BadReplayIsRejectedWithItsLine) {
    TempDir dir;
    writeFile(dir.file("bad.replay"), "1 key down 0x1D\n# fine so far\n2 key down 300\n");
    const auto result =
        runHeadless(dir, {"--frames", "3", "--replay", "bad.replay", "--dump", "d.json"});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.output.find("line 3"), std::string::npos) << result.output;
    EXPECT_TRUE(readFile(dir.file("d.json")).empty());

    const auto missing = runHeadless(dir, {"--replay", "none.replay"});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.output.find("none.replay"), std::string::npos);
}

}  // namespace
}  // namespace game_test
