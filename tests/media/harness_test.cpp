#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/media/headless/harness.h"
#include "engine/media/headless/headless_platform.h"
#include "engine/media/pictures.h"
#include "engine/media/services.h"
#include "support/test_support.h"

namespace media {
namespace {

TEST(HarnessTiming, MedianPercentileMaximum) {
    const TimingSummary empty = summarizeTimes({});
    EXPECT_EQ(empty.max, 0.0);
    const TimingSummary odd = summarizeTimes({5, 1, 3});
    EXPECT_EQ(odd.median, 3.0);
    EXPECT_EQ(odd.p99, 5.0);
    EXPECT_EQ(odd.max, 5.0);
    std::vector<double> hundred;
    for (int i = 1; i <= 100; ++i)
        hundred.push_back(i);
    const TimingSummary s = summarizeTimes(hundred);
    EXPECT_EQ(s.median, 50.5);
    EXPECT_EQ(s.p99, 99.0);
    EXPECT_EQ(s.max, 100.0);
}

class HarnessRun : public ::testing::Test {
  protected:
    void SetUp() override { start({}); }
    void TearDown() override { shutdownServices(); }

    // Starts the services on a headless platform that replays the input given.
    void start(Replay input) {
        auto platform = std::make_unique<HeadlessPlatform>(64, 48, std::move(input));
        headless = platform.get();
        initServices(std::move(platform), 3);
        window = openWindow(0, 0, 33, 25, "t", WindowStyle::Captioned);
        ASSERT_NE(openScreen(window, 0, 0, 32, 24), 0);
    }
    void restart(Replay input) {
        shutdownServices();
        start(std::move(input));
    }

    // Runs turns like the main loop: begin, poll, draw a colour per turn, flip.
    int run(Harness& harness) {
        int turns = 0;
        for (int turn = 1; turn < 1000 && harness.beginTurn(turn); ++turn) {
            pollEvents();
            clearScreen(turn * 10, 0, 0);
            flip();
            harness.afterFlip(turn);
            turns = turn;
        }
        harness.endOfProgram();
        return turns;
    }

    HeadlessPlatform* headless = nullptr;
    WindowHandle window = 0;
    testing_support::TempDir dir;
};

TEST_F(HarnessRun, FramesScreenshotsAndDumps) {
    HarnessOptions options;
    options.headless = true;
    options.frames = 4;
    options.screenshots = {{2, dir.file("shot2.png")}, {9, dir.file("never.png")}};
    options.dumpsAt = {{3, dir.file("dump3.json")}};
    options.dumpPath = dir.file("final.json");
    Harness harness;
    std::string error;
    ASSERT_TRUE(harness.start(options, error)) << error;
    std::vector<int> dumpedTurns;
    harness.setDumpWriter([&dumpedTurns](int turn) {
        dumpedTurns.push_back(turn);
        return "{\"turn\": " + std::to_string(turn) + "}\n";
    });
    EXPECT_EQ(run(harness), 4);
    EXPECT_EQ(harness.turn(), 4);
    EXPECT_EQ(dumpedTurns, (std::vector<int>{3, 4}));
    EXPECT_EQ(testing_support::readFile(dir.file("dump3.json")), "{\"turn\": 3}\n");
    EXPECT_EQ(testing_support::readFile(dir.file("final.json")), "{\"turn\": 4}\n");

    // The screenshot is the frame presented in turn 2: red 20 everywhere.
    const auto shot = decodePng(testing_support::readFile(dir.file("shot2.png")));
    ASSERT_TRUE(shot);
    EXPECT_EQ(shot->width, 32);
    EXPECT_EQ(shot->height, 24);
    EXPECT_EQ(shot->at(5, 5), makeArgb(255, 20, 0, 0));
    EXPECT_TRUE(testing_support::readFile(dir.file("never.png")).empty());

    harness.endOfProgram();  // a second program end writes nothing more
    EXPECT_EQ(dumpedTurns.size(), 2u);
    EXPECT_FALSE(harness.beginTurn(5));
}

// A screenshot shows what the window shows: after a turn that presents nothing (a
// background turn) the frame presented before it, and after a turn that draws more once it
// presented (the last steps of a loading bar) the frame it presented.
TEST_F(HarnessRun, ScreenshotIsTheFrameLastPresented) {
    HarnessOptions options;
    options.screenshots = {{2, dir.file("still.png")}, {3, dir.file("loading.png")}};
    options.frames = 4;
    Harness harness;
    std::string error;
    ASSERT_TRUE(harness.start(options, error)) << error;
    ASSERT_TRUE(harness.beginTurn(1));
    clearScreen(0, 0, 200);
    flip();
    harness.afterFlip(1);
    ASSERT_TRUE(harness.beginTurn(2));  // a background turn: no flip
    ASSERT_TRUE(harness.beginTurn(3));
    clearScreen(200, 0, 0);
    flip();
    clearScreen(0, 200, 0);  // drawn, never presented
    ASSERT_TRUE(harness.beginTurn(4));
    harness.endOfProgram();
    const auto still = decodePng(testing_support::readFile(dir.file("still.png")));
    ASSERT_TRUE(still);
    EXPECT_EQ(still->at(0, 0), makeArgb(255, 0, 0, 200));
    const auto loading = decodePng(testing_support::readFile(dir.file("loading.png")));
    ASSERT_TRUE(loading);
    EXPECT_EQ(loading->at(0, 0), makeArgb(255, 200, 0, 0));
}

TEST_F(HarnessRun, MinimalDumpMessageLogAndRecording) {
    HarnessOptions options;
    options.headless = true;
    options.seed = 18446744073709551615ULL;  // the top of the range stays unsigned
    options.frames = 2;
    options.dumpPath = dir.file("minimal.json");
    options.messageLogPath = dir.file("messages.log");
    options.recordPath = dir.file("session.replay");
    testing_support::writeFile(options.messageLogPath, "{\"earlier\": 1}\n");
    Harness harness;
    std::string error;
    ASSERT_TRUE(harness.start(options, error)) << error;
    ASSERT_TRUE(harness.beginTurn(1));
    messageBox("RERIZUVA ENGINE CORE ERROR:", "caf\xE9 \"x\"\n");
    harness.endOfProgram();

    const std::string dump = testing_support::readFile(options.dumpPath);
    for (const char* field :
         {"\"turn\": 1", "\"engine\"", "\"settings\"", "\"seed\": 18446744073709551615",
          "\"coreErrorTexts\"", "\"playerStatus\"", "\"objects\"", "\"drawList\"",
          "\"collisionList\"", "\"weaponList\"", "\"mirrorList\""}) {
        EXPECT_NE(dump.find(field), std::string::npos) << field;
    }
    EXPECT_EQ(testing_support::readFile(options.messageLogPath),
              "{\"earlier\": 1}\n"
              "{\"caption\":\"RERIZUVA ENGINE CORE ERROR:\",\"text\":\"caf\xC3\xA9 \\\"x\\\"\\n\","
              "\"buttons\":[\"OK\"]}\n");
    // After the program end the observers are gone.
    messageBox("late", "not logged");
    EXPECT_EQ(testing_support::readFile(options.messageLogPath).find("late"), std::string::npos);
}

TEST_F(HarnessRun, RecordingReplaysTheSameEvents) {
    // A first run replays input and records it; the record must hold the same events by turn.
    Replay input;
    std::string error;
    ASSERT_TRUE(
        parseReplay("joystick present\n1 key down 0x1D\n2 mouse move 3 -4\n2 key up 0x1D\n"
                    "4 focus 0\n",
                    input, error));
    restart(input);
    HeadlessPlatform* replaying = headless;

    HarnessOptions options;
    options.frames = 5;
    options.recordPath = dir.file("again.replay");
    Harness harness;
    harness.setTurnListener([replaying](int turn) { replaying->setTurn(turn); });
    ASSERT_TRUE(harness.start(options, error)) << error;
    EXPECT_EQ(run(harness), 5);

    Replay recorded;
    ASSERT_TRUE(loadReplay(options.recordPath, recorded, error)) << error;
    EXPECT_TRUE(recorded.joystickPresent);
    EXPECT_EQ(recorded.events, input.events);
}

TEST_F(HarnessRun, UnwritableRecordFails) {
    HarnessOptions options;
    options.recordPath = dir.file("no/such/dir/x.replay");
    Harness harness;
    std::string error;
    EXPECT_FALSE(harness.start(options, error));
    EXPECT_NE(error.find("x.replay"), std::string::npos);
}

// A start that fails half-way leaves nothing behind: no record file, and no observer that
// would call into a harness that is gone.
TEST_F(HarnessRun, FailedStartLeavesNoObserversBehind) {
    Replay input;
    std::string error;
    ASSERT_TRUE(parseReplay("0 key down 0x1D\n", input, error)) << error;
    restart(input);
    HarnessOptions options;
    options.recordPath = dir.file("session.replay");
    options.messageLogPath = dir.file("no/such/dir/messages.log");
    auto harness = std::make_unique<Harness>();
    EXPECT_FALSE(harness->start(options, error));
    EXPECT_NE(error.find("messages.log"), std::string::npos);
    harness.reset();
    EXPECT_EQ(pollEvents(), kEventInput);  // must not reach the harness
    messageBox("caption", "text");
    EXPECT_TRUE(testing_support::readFile(options.recordPath).empty());
}

}  // namespace
}  // namespace media
