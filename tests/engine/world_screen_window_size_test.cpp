// Opening the world screen with hostile window sizes from the user configuration.
#include <gtest/gtest.h>

#include <climits>

#include "engine/engine_settings.h"
#include "engine/media/services.h"
#include "engine/world_screen.h"
#include "engine_fixture.h"
#include "test_platform.h"

namespace {

class WorldScreenWindowSizeTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        startTestPlatform(1280, 1024);
    }
    void TearDown() override {
        media::shutdownServices();
        EngineTest::TearDown();
    }
};

// A borderless window is centred on the desktop; a window size far beyond the desktop must
// not overflow the centring arithmetic. Such a window cannot open: core error 8.
TEST_F(WorldScreenWindowSizeTest, ExtremeWindowSizesEndInCoreErrorWithoutOverflow) {
    for (const std::int32_t width : {INT_MIN, INT_MIN + 1000, INT_MAX}) {
        engine::resetEngineState(engine::engineBaseDirectory(dir.path()));
        EngineSettings& s = engineSettings;
        s.useWindowHd = 1;
        s.windowW = width;
        s.windowH = width;
        int status = -1;
        try {
            engine::openWorldScreen();
        } catch (const ProgramEnded& end) {
            status = end.status;
        }
        EXPECT_EQ(status, 8) << width;
        EXPECT_EQ(s.screenOpen, 0) << width;
    }
}

}  // namespace
