// A level made in the builder and played by the game: a script places several tile types
// on two layers with a stretched background and edits and saves a tile's DNA, saves the map
// folder into the game's map directory, and the game's dump holds the same objects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "builder_workspace.h"
#include "engine/media/pictures.h"
#include "support/game_run.h"

namespace builder_tests {
namespace {

TEST(BuilderRoundTrip, ALevelMadeInTheBuilderLoadsInTheGame) {
    WorkspaceSetup setup;
    setup.tiles.push_back({"BG",
                           64,
                           48,
                           0xFF203040u,
                           {{"worldFTileTransparency", "255"}, {"worldFStretch", "1"}},
                           true});
    BuilderWorkspace workspace(setup);
    // The game runs in the same folder: its CORE, the same graphics folder and master DNA.
    testing_support::writeFile(workspace.file("CORE/ini.crc"),
                               game_test::pairs({{"SYSTEMTEXT", "CORE\\SYSTEM.txt"},
                                                 {"CODECS", "CORE\\codecs.txt"},
                                                 {"PATH", "CORE\\session.log"},
                                                 {"ERRORPATH", "CORE\\errors.log"},
                                                 {"GFX", ".\\GFX\\"},
                                                 {"SIMCORE", ".\\MAPS\\"},
                                                 {"APPENTRY", "5"},
                                                 {"SOURCEWIDTH", "640"},
                                                 {"SOURCEHEIGHT", "480"},
                                                 {"FULLSCREEN", "0"}}));
    testing_support::writeFile(workspace.file("CORE/SYSTEM.txt"), "");
    testing_support::writeFile(workspace.file("CORE/codecs.txt"),
                               "GFXCODEC\r\n\r\n.png\r\n\r\nSOUNDCODEC\r\n\r\n.ogg\r\n\r\n");
    std::filesystem::copy_file(workspace.file("_DATA/DNA.dll"), workspace.file("GFX/DNA.dll"));
    const std::string folder = workspace.file("MAPS/5");
    std::filesystem::create_directories(folder);

    // Tiles in palette order: A (0), B (1), BG (2). The window is 160 wide: five a row.
    const std::string script =
        kRasterOff + "key tap PGDN\ntiles click 70 5\n" + click(0, 0) + "key tap PGUP\n" +
        "tiles click 5 5\ndna edit 0 value 200\ndna edit 2 value HERO\ndna button SET\n" +
        click(100, 120) + click(300, 40) + "tiles click 40 5\n" + click(500, 400) + "browse " +
        folder + "\nmenu 128\n";
    const DaraRun built = workspace.run(script);
    ASSERT_TRUE(built.dumpRead) << built.output;
    EXPECT_TRUE(built.messages.empty()) << built.output;
    const Json& elements = built.dump["elements"];
    ASSERT_EQ(elements.size(), 4u);

    const testing_support::ProcessResult played = testing_support::runProgram(
        RZ_GAME_EXE, {"--headless", "--desktop", "320x240", "--frames", "2", "--dump", "game.json"},
        workspace.path());
    ASSERT_EQ(played.exitCode, 0) << played.output;
    const auto dump = game_test::readDump(workspace.file("game.json"));
    const auto& engine = dump.at("engine");
    const double scaleX = engine.at("scalerX").get<double>();
    const double scaleY = engine.at("scalerY").get<double>();
    EXPECT_EQ(engine.at("actualMapId").get<double>(), 5);

    // The builder's elements in the order the game loads them: layer by layer.
    std::vector<const Json*> expected;
    for (const Json& element : elements)
        expected.push_back(&element);
    std::stable_sort(expected.begin(), expected.end(), [](const Json* a, const Json* b) {
        return (*a)["layer"].get<int>() < (*b)["layer"].get<int>();
    });
    const auto& objects = dump.at("objects");
    ASSERT_GE(objects.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Json& element = *expected[i];
        const auto& object = objects[i];
        const std::string name = element["name"].get<std::string>();
        EXPECT_EQ(object.at("tileName").get<std::string>(), name) << i;
        if (name == "BG") {  // stretched: the whole screen
            EXPECT_EQ(object.at("posX").get<double>(), 0) << i;
            EXPECT_EQ(object.at("width").get<double>(), 320) << i;
            continue;
        }
        EXPECT_NEAR(object.at("posX").get<double>(), element["x"].get<int>() * scaleX, 0.5) << i;
        EXPECT_NEAR(object.at("posY").get<double>(), element["y"].get<int>() * scaleY, 0.5) << i;
        EXPECT_NEAR(object.at("width").get<double>(), element["width"].get<int>() * scaleX, 0.5)
            << i;
        // A's DNA as edited in the DNA window and saved.
        const double alpha = object.at("worldFTileTransparency").get<double>();
        EXPECT_EQ(alpha, name == "A" ? 200 : 255) << i;
    }
    EXPECT_NE(testing_support::readFile(workspace.file("GFX/A.dll")).find("worldFTileID\r\nHERO"),
              std::string::npos);
}

// The demo folder's configuration chain: DARA started there finds the demo's tiles and the
// game's master DNA (no message 119), opens a title map and saves its mini map.
TEST(BuilderRoundTrip, TheDemoOpensInTheBuilder) {
    testing_support::TempDir demo;
    namespace fs = std::filesystem;
    for (const char* part : {"CORE", "DATA", "_DATA"}) {
        fs::copy(std::string(RZ_SOURCE_DIR) + "/demo/" + part, demo.file(part),
                 fs::copy_options::recursive);
    }
    testing_support::writeFile(demo.file("map.script"),
                               "browse DATA/MAPS/1003\nmenu 129\nmenu 126\ndump out.json\n");
    const testing_support::ProcessResult run = testing_support::runProgram(
        RZ_BUILDER_EXE,
        {"--headless", "--desktop", "800x600", "--script", "map.script", "--message-log", "log"},
        demo.path());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(testing_support::readFile(demo.file("log")), "") << "no message box";
    const std::optional<Json> dump =
        testing_support::json::parse(testing_support::readFile(demo.file("out.json")));
    ASSERT_TRUE(dump.has_value());
    std::size_t pictures = 0;  // the catalogue holds every tile picture of the demo
    for (const auto& entry : fs::directory_iterator(demo.file("DATA/GFX")))
        pictures += entry.path().extension() == ".png" ? 1 : 0;
    EXPECT_EQ((*dump)["tiles"].size(), pictures);
    EXPECT_EQ((*dump)["state"]["lastElement"].get<int>(), 52) << "the 53 objects of the title map";
    EXPECT_EQ(aliveCount(*dump), 53);
    // The mini map: the whole 800 x 600 map at a tenth.
    const auto mini = media::decodePicture(demo.file("1_MiniMap.png"));
    ASSERT_TRUE(mini.has_value());
    EXPECT_EQ(mini->width, 80);
    EXPECT_EQ(mini->height, 60);
}

}  // namespace
}  // namespace builder_tests
