// The screens of the game seen from outside: the timed title sequence, game over to the
// closing screen and the program end, and the start button on the game-over screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/map_file.h"
#include "support/game_run.h"
#include "support/test_support.h"

namespace game_test {
namespace {

void writeScreens(const TempDir& dir, const std::string& entry) {
    writeCore(dir, pairs({{"GFX", ".\\GFX\\"},
                          {"SIMCORE", ".\\MAPS\\"},
                          {"APPENTRY", entry},
                          {"SCRSWITCHMS", "3000"}}));
    // The game-over screen holds one active object, which runs the menu buttons.
    writeFile(dir.file("GFX/BUTTON.dll"), pairs({{"worldFTileIsActive", "1"}}));
    const formats::TileRecord button{"BUTTON", 0, 10, 10, 20, 20, 0};
    const std::vector<const formats::TileRecord*> records = {&button};
    writeFile(dir.file("MAPS/4096/0"), formats::formatLayerText(records, 0));
}

double mapAt(const TempDir& dir, const std::string& name) {
    return engineValue(readDump(dir.file(name)), "actualMapId");
}

TEST(ScreenSwitch, TheTitleSequenceTakesAboutNineSecondsAndStaysAtTheTitle) {
    TempDir dir;
    writeScreens(dir, "1003");
    // Frames are 16 or 17 ms apart: turn 170 is at about 2.8 s, 530 at 8.8 s, 560 at 9.3 s.
    const auto result = runHeadless(
        dir, {"--frames", "900", "--dump-at", "170:a.json", "--dump-at", "200:b.json", "--dump-at",
              "530:c.json", "--dump-at", "560:d.json", "--dump-at", "900:e.json"});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(mapAt(dir, "a.json"), 1003);
    EXPECT_EQ(mapAt(dir, "b.json"), 1002);
    EXPECT_EQ(mapAt(dir, "c.json"), 1001);
    EXPECT_EQ(mapAt(dir, "d.json"), 1000);
    EXPECT_EQ(mapAt(dir, "e.json"), 1000);
}

TEST(ScreenSwitch, GameOverLeadsToTheClosingScreenAndTheProgramEnd) {
    TempDir dir;
    writeScreens(dir, "4096");
    const auto result = runHeadless(dir, {"--frames", "1000", "--dump", "end.json"});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto end = readDump(dir.file("end.json"));
    EXPECT_EQ(engineValue(end, "actualMapId"), 4095);
    // Two switches of 3 s: the program ended near turn 360, long before turn 1000.
    const double turn = end.at("turn").get<double>();
    EXPECT_GT(turn, 350);
    EXPECT_LT(turn, 380);
}

TEST(ScreenSwitch, SpaceOnTheGameOverScreenStartsTheTitlesAgain) {
    TempDir dir;
    writeScreens(dir, "4096");
    writeFile(dir.file("space.replay"), "5 key down 0x39\n");
    const auto result = runHeadless(dir, {"--frames", "10", "--replay", "space.replay", "--dump-at",
                                          "4:before.json", "--dump", "end.json"});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(mapAt(dir, "before.json"), 4096);
    EXPECT_EQ(mapAt(dir, "end.json"), 1003);
}

}  // namespace
}  // namespace game_test
