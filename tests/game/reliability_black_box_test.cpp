// Faults and long runs lose nothing: every kind of throw in a step is one fault report and the
// game goes on; the demo under random input ends without a fault and with every picture,
// sprite and sound freed.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/game_run.h"

namespace game_test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kReportHeader = "-RERIZUVA-ENGINE- ERROR HANDLER:";
constexpr std::string_view kNoLiveHandles = "live handles: pictures 0, sprites 0, sounds 0";

// The line number printed after "Module:UNIT AT LINE:" for the first report, -1 without one.
int reportedLine(const std::string& report, const std::string& module) {
    const std::string label = "Module:" + module + " AT LINE:";
    const std::size_t at = report.find(label);
    if (at == std::string::npos) return -1;
    return std::stoi(report.substr(at + label.size()));
}

TEST(Reliability, EveryKindOfThrowInAStepIsOneFaultReportAndTheGameGoesOn) {
    struct Row {
        const char* kind;
        const char* text;    // the report's fault line
        const char* module;  // where it is reported
    };
    // The guard's own faults name the faulting statement; anything else thrown carries no
    // position and is reported where the frame runs the step.
    const Row rows[] = {
        {"fault", "Injected test fault", "Main Module"},
        {"bad_alloc", "Out of memory", "FWORLD"},
        {"length_error", "Unhandled exception", "FWORLD"},
        {"out_of_range", "Unhandled exception", "FWORLD"},
        {"exception", "Unhandled exception", "FWORLD"},
        {"other", "UNKNOWN Error", "FWORLD"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        TempDir dir;
        writeCore(dir);
        const auto result =
            runHeadless(dir, {"--frames", "6", "--inject-fault", std::string("3:2:") + row.kind,
                              "--dump-at", "3:t3.json", "--dump", "end.json", "--check-handles"});
        ASSERT_EQ(result.exitCode, 0) << result.output;
        const std::string report = readFile(dir.file("CORE/errors.log"));
        EXPECT_EQ(occurrences(report, kReportHeader), 1) << report;
        EXPECT_NE(report.find(std::string(row.text) + "\r\nModule:" + row.module + " AT LINE:"),
                  std::string::npos)
            << report;
        EXPECT_GT(reportedLine(report, row.module), 0) << report;
        EXPECT_EQ(engineValue(readDump(dir.file("t3.json")), "errorDetected"), 1);
        EXPECT_EQ(readDump(dir.file("end.json")).at("turn").get<double>(), 6);
        EXPECT_NE(result.output.find(kNoLiveHandles), std::string::npos) << result.output;
    }
}

// A copy of the bundled demo without the reports of earlier runs.
void copyDemo(const TempDir& dir) {
    fs::copy(fs::path(RZ_SOURCE_DIR) / "demo", dir.path(), fs::copy_options::recursive);
    for (const char* report : {"session.log", "warnings.log", "errors.log"}) {
        fs::remove(fs::path(dir.file("CORE")) / report);
    }
}

// The short soak (scripts/soak runs the long one): random presses of every key the game
// uses, no fault, and at the end nothing left loaded although the title screens loaded
// pictures, sprites and music on the way.
TEST(Reliability, TheDemoUnderRandomInputEndsWithoutFaultAndWithEveryHandleFreed) {
    for (const char* seed : {"1", "2"}) {
        SCOPED_TRACE(seed);
        TempDir dir;
        copyDemo(dir);
        const auto result = runProgram(RZ_GAME_EXE,
                                       {"--headless", "--frames", "3000", "--random-input", seed,
                                        "--dump-at", "20:early.json", "--check-handles"},
                                       dir.path());
        ASSERT_EQ(result.exitCode, 0) << result.output;
        EXPECT_EQ(readFile(dir.file("CORE/errors.log")), "");
        EXPECT_GT(engineValue(readDump(dir.file("early.json")), "pictureCacheCount"), 0);
        EXPECT_NE(result.output.find(kNoLiveHandles), std::string::npos) << result.output;
    }
}

// Level loads leave nothing behind: a load that kept a handle of the level before would
// still hold it at the end, after the last level is freed.
TEST(Reliability, RepeatedLevelLoadsLeaveNoHandleBehind) {
    TempDir dir;
    copyDemo(dir);
    // From turn 600 (the title map 1000 is on screen) Alt+Ctrl+PgDn and PgUp step between
    // 1000 and 999 every ten turns.
    std::string replay;
    constexpr int kSwitches = 60;
    for (int i = 0; i < kSwitches; ++i) {
        const std::string t = std::to_string(600 + 10 * i);
        const std::string up = std::to_string(600 + 10 * i + 1);
        const std::string free = std::to_string(600 + 10 * i + 2);  // Alt+Ctrl held past it
        const char* key = i % 2 == 0 ? "0xD1" : "0xC9";
        replay += t + " key down 0x38\n" + t + " key down 0x1D\n" + t + " key down " + key + "\n" +
                  up + " key up " + key + "\n" + free + " key up 0x1D\n" + free + " key up 0x38\n";
    }
    writeFile(dir.file("switch.txt"), replay);
    const auto result = runProgram(RZ_GAME_EXE,
                                   {"--headless", "--frames", "1200", "--replay", "switch.txt",
                                    "--dump-at", "1185:999.json", "--check-handles"},
                                   dir.path());
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(engineValue(readDump(dir.file("999.json")), "actualMapId"), 999);
    EXPECT_EQ(readFile(dir.file("CORE/errors.log")), "");
    EXPECT_NE(result.output.find(kNoLiveHandles), std::string::npos) << result.output;
}

TEST(Reliability, RandomInputIsAHeadlessAidThatNeedsAnEnd) {
    TempDir dir;
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--random-input", "1"},
          std::vector<std::string>{"--random-input", "x", "--frames", "5"},
          std::vector<std::string>{"--inject-fault", "3:1:segfault"},
          std::vector<std::string>{"--inject-fault", "3::fault"}}) {
        EXPECT_EQ(runHeadless(dir, options).exitCode, 2) << options[0] << " " << options[1];
    }
}

}  // namespace
}  // namespace game_test
