// The harness's outputs where a run leaves the usual path: a turn that draws without
// presenting, the full seed range in the minimal dump, a start that fails half-way.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/media/headless/harness.h"
#include "engine/media/headless/headless_platform.h"
#include "engine/media/pictures.h"
#include "engine/media/services.h"
#include "support/test_support.h"

namespace media {
namespace {

class HarnessReview : public ::testing::Test {
  protected:
    void SetUp() override { start({}); }
    void TearDown() override { shutdownServices(); }

    void start(Replay replay) {
        initServices(std::make_unique<HeadlessPlatform>(64, 48, std::move(replay)), 3);
        const WindowHandle window = openWindow(0, 0, 33, 25, "t", WindowStyle::Captioned);
        ASSERT_NE(openScreen(window, 0, 0, 16, 12), 0);
    }

    testing_support::TempDir dir;
};

// A background turn that loads a map draws its loading bar and presents only some of the
// steps: the screenshot shows what was last presented, not what was drawn after it.
TEST_F(HarnessReview, BackgroundScreenshotIsTheLastPresentedFrame) {
    HarnessOptions options;
    options.screenshots = {{2, dir.file("background.png")}};
    options.frames = 3;
    Harness harness;
    std::string error;
    ASSERT_TRUE(harness.start(options, error)) << error;
    ASSERT_TRUE(harness.beginTurn(1));
    clearScreen(0, 0, 200);
    flip();
    harness.afterFlip(1);
    ASSERT_TRUE(harness.beginTurn(2));
    clearScreen(200, 0, 0);
    flip();                  // a loading step that is presented
    clearScreen(0, 200, 0);  // the last steps are drawn, never presented
    ASSERT_TRUE(harness.beginTurn(3));
    harness.endOfProgram();
    const auto shot = decodePng(testing_support::readFile(dir.file("background.png")));
    ASSERT_TRUE(shot);
    EXPECT_EQ(shot->at(0, 0), makeArgb(255, 200, 0, 0));
}

TEST_F(HarnessReview, MinimalDumpKeepsTheWholeSeedRange) {
    HarnessOptions options;
    options.seed = 18446744073709551615ULL;
    options.frames = 0;
    options.dumpPath = dir.file("seed.json");
    Harness harness;
    std::string error;
    ASSERT_TRUE(harness.start(options, error)) << error;
    EXPECT_FALSE(harness.beginTurn(1));
    harness.endOfProgram();
    const std::string dump = testing_support::readFile(options.dumpPath);
    EXPECT_NE(dump.find("\"seed\": 18446744073709551615"), std::string::npos) << dump;
}

// A start that fails leaves nothing behind: no record file, and no observer that would
// call into a harness that is gone.
TEST_F(HarnessReview, FailedStartLeavesNoObserversBehind) {
    Replay replay;
    std::string error;
    ASSERT_TRUE(parseReplay("0 key down 0x1D\n", replay, error)) << error;
    shutdownServices();
    start(replay);
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
