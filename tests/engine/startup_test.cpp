// The start-up and the main loop's shell in process: a silent start, the window's close
// request, the map switch at the top of a turn and a fault during it.
#include "engine/startup.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/frame_slots.h"
#include "engine/media/services.h"
#include "engine_fixture.h"
#include "test_platform.h"

namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::IO;

int loads = 0;

class StartUpTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        platform = startTestPlatform(200, 100);
        loads = 0;
        // Paths as configured are taken from the process's working directory, which is not
        // the test's: the CORE names its files by absolute path.
        writeCore("ini.crc", "SYSTEMTEXT\n" + coreFile("texts.txt") + "\nCODECS\n" +
                                 coreFile("codecs.txt") + "\nSOUNDPATH\n" + dir.file("SOUND/") +
                                 "\nERRORPATH\n" + dir.file("errors.log") +
                                 "\nAPPENTRY\n5\nFULLSCREEN\n0\n");
        writeCore("texts.txt", "#ERROR_INIT_SOUND\nNo sound\n");
        writeCore("codecs.txt", "SOUNDCODEC\n\n.ogg\n\n");
        testing_support::writeFile(
            dir.file("SOUND/PLING.ogg"),
            testing_support::readFile(std::string(RZ_SOURCE_DIR) + "/demo/DATA/SOUND/PLING.ogg"));
    }
    void TearDown() override {
        engine::frameSlots = engine::FrameSlots{};
        media::shutdownServices();
        EngineTest::TearDown();
    }

    TestPlatform* platform = nullptr;
};

TEST_F(StartUpTest, FailedSoundStartIsPassedOverAndTheStartSoundStillLoads) {
    platform->audioWorks = false;
    engine::startUp(dir.path());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(platform->audioOpenAttempts, 1);
    EXPECT_EQ(engineSettings.screenOpen, 1);
    EXPECT_EQ(engineSettings.coreErrorTexts[5], "No sound");
    EXPECT_TRUE(media::soundExists(engine::kStartSoundNumber));
    EXPECT_EQ(platform->presentedFrames(), 1);  // the black first frame
}

TEST_F(StartUpTest, CloseRequestEndsTheLoopWithStatusZeroBeforeTheFrame) {
    engine::startUp(dir.path());
    platform->closeRequested = true;
    int status = -1;
    try {
        engine::runMainLoop();
    } catch (const ProgramEnded& end) {
        status = end.status;
    }
    EXPECT_EQ(status, 0);
    EXPECT_EQ(engineSettings.quitFlag, 1);
    EXPECT_EQ(platform->presentedFrames(), 1);
    EXPECT_EQ(engineSettings.actualMapId, engine::kNoMap);
}

TEST_F(StartUpTest, MapSwitchRunsAtTheTopOfATurnAndAFaultInItIsReported) {
    engine::startUp(dir.path());
    engine::frameSlots.loadMap = [](std::int32_t id) {
        ++loads;
        engineSettings.actualMapId = id;
    };
    engine::mainLoopTurn();
    engine::mainLoopTurn();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(engineSettings.actualMapId, 5);

    // A loader that faults: one report; the flag is cleared again by the world update of
    // the same turn, and the frame still runs.
    engine::frameSlots.loadMap = [](std::int32_t) {
        ++loads;
        RAISE_FAULT(base::FaultKind::IndexOutOfRange);
    };
    engineSettings.nextMapId = 6;
    const int presented = platform->presentedFrames();
    engine::mainLoopTurn();
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(engineSettings.errorDetected, 0);
    EXPECT_EQ(platform->presentedFrames(), presented + 1);
    const std::string report = testing_support::readFile(dir.file("errors.log"));
    EXPECT_NE(report.find("Module:IO AT LINE:"), std::string::npos) << report;
    EXPECT_NE(report.find("NEXT MAP ID#6\r\n"), std::string::npos) << report;
}

}  // namespace
