// The main loop and the frame schedule seen from outside: the frame cycle, background
// frames, the MULTITASK sleep, the Pause key, the window drag and the fault guard.
#include <gtest/gtest.h>

#include <string>

#include "support/game_run.h"
#include "support/test_support.h"

namespace game_test {
namespace {

// Runs the game in dir with the options and checks that it ended normally.
void run(const TempDir& dir, std::vector<std::string> options) {
    const auto result = runHeadless(dir, std::move(options));
    ASSERT_EQ(result.exitCode, 0) << result.output;
}

TEST(GameFrames, TimerBaseZeroKeepsTheCycleAtZeroAndCountsEveryFrame) {
    TempDir dir;
    writeCore(dir, pairs({{"TIMERBASE", "0"}}));
    run(dir, {"--frames", "12", "--dump-at", "5:five.json", "--dump", "end.json"});
    const auto five = readDump(dir.file("five.json"));
    const auto end = readDump(dir.file("end.json"));
    EXPECT_EQ(engineValue(five, "frameCycle"), 0);
    EXPECT_EQ(engineValue(end, "frameCycle"), 0);
    EXPECT_EQ(engineValue(five, "cycleTicks"), 5);
    EXPECT_EQ(engineValue(end, "cycleTicks"), 12);
}

TEST(GameFrames, BackgroundFramesChangeNothingButTheClockMovesOn) {
    TempDir dir;
    writeCore(dir);
    writeFile(dir.file("focus.replay"), "4 focus 0\n9 focus 1\n");
    run(dir, {"--frames", "10", "--replay", "focus.replay", "--dump-at", "3:before.json",
              "--dump-at", "8:after.json", "--dump-at", "9:back.json", "--screenshot-at",
              "3:before.png", "--screenshot-at", "8:after.png"});
    const auto before = readDump(dir.file("before.json"));
    const auto after = readDump(dir.file("after.json"));
    const auto back = readDump(dir.file("back.json"));
    for (const char* field : {"frameCycle", "cycleTicks", "frameTick"}) {
        EXPECT_EQ(engineValue(before, field), engineValue(after, field)) << field;
    }
    EXPECT_EQ(engineValue(back, "frameCycle"), engineValue(before, "frameCycle") + 1);
    // Five background frames of 25 ms, then the next flip: the clock did not stand still.
    EXPECT_GE(engineValue(back, "frameTick") - engineValue(before, "frameTick"), 5 * 25);
    EXPECT_EQ(readFile(dir.file("before.png")), readFile(dir.file("after.png")));
}

TEST(GameFrames, MultitaskSleepsBetweenFlips) {
    // Flips are 16 or 17 ms apart on their own; the sleep comes on top of the flip.
    for (const int multitask : {0, 10, 40}) {
        TempDir dir;
        writeCore(dir, pairs({{"MULTITASK", std::to_string(multitask)}}));
        run(dir, {"--frames", "12", "--dump-at", "10:ten.json", "--dump-at", "11:eleven.json"});
        const double gap = engineValue(readDump(dir.file("eleven.json")), "frameTick") -
                           engineValue(readDump(dir.file("ten.json")), "frameTick");
        EXPECT_GE(gap, multitask) << "MULTITASK " << multitask;
        EXPECT_GE(gap, 16) << "MULTITASK " << multitask;
        if (multitask == 40) {
            EXPECT_LE(gap, 50);
        }
    }
}

TEST(GameFrames, PauseKeyTogglesThePausedFlag) {
    TempDir dir;
    writeCore(dir);
    writeFile(dir.file("pause.replay"),
              "2 key down 0xC5\n3 key up 0xC5\n"  // pause
              "5 key down 0xC6\n"                 // another key changes nothing
              "6 key down 0xC5\n6 key up 0xC5\n"  // down and up in one turn still counts
              "8 key down 0xC5\n");
    run(dir, {"--frames", "9", "--replay", "pause.replay", "--dump-at", "1:t1.json", "--dump-at",
              "2:t2.json", "--dump-at", "5:t5.json", "--dump-at", "6:t6.json", "--dump-at",
              "8:t8.json"});
    EXPECT_EQ(engineValue(readDump(dir.file("t1.json")), "paused"), 0);
    EXPECT_EQ(engineValue(readDump(dir.file("t2.json")), "paused"), 1);
    EXPECT_EQ(engineValue(readDump(dir.file("t5.json")), "paused"), 1);
    EXPECT_EQ(engineValue(readDump(dir.file("t6.json")), "paused"), 0);
    EXPECT_EQ(engineValue(readDump(dir.file("t8.json")), "paused"), 1);
}

TEST(GameFrames, CaptionedWindowFollowsTheMouseWhileTheLeftButtonIsHeld) {
    TempDir dir;
    writeCore(dir);
    writeFile(dir.file("drag.replay"),
              "2 mouse move 30 30\n"  // not held: no move
              "3 mouse down 1\n3 mouse move 12 -5\n"
              "4 mouse move 3 4\n"
              "5 mouse up 1\n5 mouse move 50 50\n");
    run(dir, {"--frames", "6", "--replay", "drag.replay", "--dump", "end.json"});
    const auto end = readDump(dir.file("end.json"));
    EXPECT_EQ(engineValue(end, "windowX"), 15);
    EXPECT_EQ(engineValue(end, "windowY"), -1);
    // The drag moves the window with the display size.
    EXPECT_EQ(engineValue(end, "windowWidth"), 320);

    // A borderless window stays where it is.
    writeCore(dir, pairs({{"FULLSCREEN", "1"}}));
    run(dir, {"--frames", "6", "--replay", "drag.replay", "--dump", "full.json"});
    EXPECT_EQ(engineValue(readDump(dir.file("full.json")), "windowX"), 0);
}

TEST(GameFrames, InjectedFaultsGiveOneReportPerTurnAndTheGameGoesOn) {
    TempDir dir;
    writeCore(dir);
    run(dir, {"--frames", "6", "--inject-fault", "3:2", "--dump-at", "2:t2.json", "--dump-at",
              "3:t3.json", "--dump-at", "4:t4.json", "--dump", "end.json"});
    const std::string report = readFile(dir.file("CORE/errors.log"));
    EXPECT_EQ(game_test::occurrences(report, "-RERIZUVA-ENGINE- ERROR HANDLER:"), 1) << report;
    EXPECT_NE(report.find("Injected test fault\r\nModule:Main Module AT LINE:"), std::string::npos)
        << report;
    EXPECT_NE(report.find("ACTUAL MAP ID# 0\r\n"), std::string::npos);
    EXPECT_EQ(engineValue(readDump(dir.file("t2.json")), "errorDetected"), 0);
    EXPECT_EQ(engineValue(readDump(dir.file("t3.json")), "errorDetected"), 1);
    EXPECT_EQ(engineValue(readDump(dir.file("t4.json")), "errorDetected"), 0);
    EXPECT_EQ(readDump(dir.file("end.json")).at("turn").get<double>(), 6);

    // Faults in two turns: one block each.
    TempDir again;
    writeCore(again);
    run(again, {"--frames", "4", "--inject-fault", "1:1"});
    run(again, {"--frames", "4", "--inject-fault", "2:3"});
    EXPECT_EQ(game_test::occurrences(readFile(again.file("CORE/errors.log")),
                                     "-RERIZUVA-ENGINE- ERROR HANDLER:"),
              2);
}

TEST(GameFrames, FaultInjectionIsAHeadlessTestAidOnly) {
    TempDir dir;
    const auto result = runProgram(RZ_GAME_EXE, {"--inject-fault", "1:1"}, dir.path());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.output.find("--headless"), std::string::npos) << result.output;
    for (const char* bad : {"0:1", "3:0", "3", "3:x", ":2"}) {
        EXPECT_EQ(runHeadless(dir, {"--inject-fault", bad}).exitCode, 2) << bad;
    }
}

}  // namespace
}  // namespace game_test
