// The harness where a run leaves the usual path.
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
